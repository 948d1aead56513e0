#include "FSteps_.h"

#include "common/ErrorLog.h"
#include "common/Theme.h"
#include "data/DataModule1_.h"
#include "display/FDisplay_.h"
#include "speed/FSpeedTest_.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>

TFSteps *FSteps = nullptr;

namespace {

TLessonStep Star(int which, int Count, int TickDelay, int TimeSec) {
    return [=] {
        switch (which) {
        case 1:
            return FDisplay->ShowStar1(Count, TickDelay, TimeSec);
        case 2:
            return FDisplay->ShowStar2(Count, TickDelay, TimeSec);
        case 3:
            return FDisplay->ShowStar3(Count, TickDelay, TimeSec);
        default:
            return FDisplay->ShowStar4(Count, TickDelay, TimeSec);
        }
    };
}
TLessonStep Point(int Kind, int Count, int TickDelay, int TimeSec) {
    return [=] { return FDisplay->ShowNoghteMarkazi(Kind, Count, TickDelay, TimeSec); };
}
TLessonStep Pictures(int LineCount, int Count, int PicPerSec, int TimeSec) {
    return [=] { return FDisplay->ShowHarkatAshia(LineCount, Count, PicPerSec, TimeSec); };
}
TLessonStep Groups(int WPM, int Words, int TimeSec) {
    return [=] { return FDisplay->ShowMaksCheshmi(WPM, Words, TimeSec); };
}
TLessonStep Letters(int WPM, int TimeSec) {
    return [=] { return FDisplay->ShowHoroofDarHarkat(WPM, TimeSec); };
}
TLessonStep Rows(int WPM, int Words, int Lines, int TimeSec) {
    return [=] { return FDisplay->ShowSatr12Kaleme(WPM, Words, Lines, TimeSec); };
}
// The reading speed test, over the surface; it cannot be left early.
TLessonStep Test() {
    return [] {
        FSpeedTest->ShowModal();
        return FDisplay->isVisible();
    };
}

QPixmap FlagPixmap() {
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 60, 30), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(14, 6, 14, 60);
    QPainterPath flag;
    flag.moveTo(16, 8);
    flag.cubicTo(28, 2, 40, 16, 56, 8);
    flag.lineTo(56, 34);
    flag.cubicTo(40, 42, 28, 28, 16, 34);
    flag.closeSubpath();
    p.setPen(QPen(QColor(20, 90, 40), 1.5));
    p.setBrush(QColor(46, 170, 80));
    p.drawPath(flag);
    return pm;
}

} // namespace

const QVector<QVector<TLessonStep>> &Lessons() {
    static const QVector<QVector<TLessonStep>> lessons{
        {Test(), Star(1, 1000, 600, 50), Point(1, 1000, 500, 50), Star(2, 1000, 600, 50),
         Point(2, 1000, 1000, 50), Star(3, 1000, 600, 50), Pictures(3, 1000, 10, 50),
         Star(4, 1000, 600, 50), Pictures(3, 1000, 10, 60), Groups(300, 3, 60), Letters(300, 120),
         Test()},
        {Star(1, 1000, 600, 50), Point(2, 1000, 1000, 50), Star(3, 1000, 600, 50),
         Point(1, 1000, 1000, 50), Star(4, 1000, 600, 50), Pictures(3, 1000, 15, 50),
         Point(1, 1000, 500, 50), Letters(400, 120), Groups(400, 3, 60), Letters(400, 120), Test()},
        {Star(1, 1000, 600, 50), Point(1, 1000, 1000, 50), Star(4, 1000, 600, 50),
         Point(2, 1000, 1000, 50), Star(2, 1000, 600, 50), Pictures(3, 1000, 20, 50),
         Letters(500, 120), Groups(500, 3, 60), Point(1, 1000, 1000, 50), Letters(500, 120),
         Test()},
        {Star(1, 1000, 600, 50), Point(2, 1000, 1000, 50), Star(2, 1000, 600, 50),
         Point(1, 1000, 1000, 50), Star(3, 1000, 600, 50), Pictures(3, 1000, 25, 50),
         Point(1, 1000, 1000, 50), Rows(600, 10, 1, 120), Letters(600, 60), Letters(600, 120),
         Test()},
        {Star(1, 1000, 600, 50), Point(1, 1000, 1000, 50), Star(3, 1000, 600, 50),
         Point(2, 1000, 1000, 50), Star(4, 1000, 600, 50), Pictures(3, 1000, 30, 50),
         Letters(700, 120), Point(2, 1000, 1000, 50), Rows(700, 10, 1, 120), Letters(700, 120),
         Test()},
        {Star(1, 1000, 600, 50), Point(2, 1000, 1000, 50), Star(4, 1000, 600, 50),
         Point(1, 1000, 1000, 50), Point(2, 1000, 1000, 50), Rows(800, 10, 2, 120),
         Letters(800, 120), Point(1, 1000, 1000, 50), Rows(800, 10, 2, 120), Letters(800, 120),
         Test()},
        {Star(1, 1000, 600, 50), Point(1, 1000, 1000, 50), Star(2, 1000, 600, 50),
         Point(2, 1000, 1000, 50), Star(3, 1000, 600, 50), Rows(900, 10, 2, 120), Letters(900, 120),
         Point(1, 1000, 1000, 50), Rows(900, 10, 2, 120), Letters(900, 120), Test()},
        {Star(1, 1000, 300, 50), Point(2, 1000, 500, 50), Star(3, 1000, 300, 50),
         Point(1, 1000, 500, 50), Star(4, 1000, 300, 50), Rows(1000, 10, 3, 120),
         Letters(1000, 120), Star(2, 1000, 300, 50), Rows(1000, 10, 3, 120), Letters(1000, 180),
         Test()},
        {Star(1, 1000, 300, 50), Point(1, 1000, 500, 50), Star(4, 1000, 300, 50),
         Point(2, 1000, 500, 50), Star(2, 1000, 300, 50), Letters(1100, 120),
         Rows(1100, 10, 3, 120), Letters(1100, 120), Star(3, 1000, 300, 50), Letters(1100, 180),
         Test()},
        {Star(1, 1000, 300, 50), Point(2, 1000, 500, 50), Star(2, 1000, 300, 50),
         Point(1, 1000, 500, 50), Star(3, 1000, 300, 50), Letters(1200, 120),
         Star(4, 1000, 300, 50), Letters(1200, 120), Point(1, 1000, 500, 50), Letters(1200, 180),
         Test()},
    };
    return lessons;
}

TFSteps::TFSteps(QWidget *parent) : TForm(parent) {
    setObjectName(QStringLiteral("FSteps"));
    setWindowTitle(QStringLiteral("آموزش مرحله به مرحله"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(658, 501);
    setFont(DesignFont(QStringLiteral("Tahoma"), 13));
    KeyPreview = true;
    EscCloses = true;

    sLabelFX5 = new TGlowLabel(this, QStringLiteral("sLabelFX5"));
    sLabelFX5->setText(QStringLiteral("یک جلسه را آغاز نمایید :"));
    sLabelFX5->setFont(DesignFont(QStringLiteral("B Nazanin"), 24, true));
    sLabelFX5->SetGlow(QColor(255, 255, 121), 2);
    Place(sLabelFX5, 658 - 16 - 260, 14, 260, 44);

    const QStringList captions{QStringLiteral("جلسه اوّل "),  QStringLiteral("جلسه دوّم  "),
                               QStringLiteral("جلسه سوّم "),  QStringLiteral("جلسه چهارم "),
                               QStringLiteral("جلسه پنجم "), QStringLiteral("جلسه ششم "),
                               QStringLiteral("جلسه هفتم "), QStringLiteral("جلسه هشتم "),
                               QStringLiteral("جلسه نهم "),  QStringLiteral("جلسه دهم")};
    const int lefts[] = {414, 384, 352, 320, 288, 138, 112, 80, 48, 16};
    const int tops[] = {67, 143, 219, 295, 371};
    const QPixmap flag = FlagPixmap();
    for (int k = 1; k <= 10; ++k) {
        auto *b = new TSkinButton(this, QStringLiteral("sBitBtn%1").arg(k), captions[k - 1], true);
        b->move(lefts[k - 1], tops[(k - 1) % 5]);
        connect(b, &QPushButton::clicked, this, [this, k] { RunLesson(k); });
        auto *f = new QLabel(this);
        f->setObjectName(QStringLiteral("Flag%1").arg(k));
        f->setPixmap(flag);
        Place(f, lefts[k - 1] + 170 + 2, tops[(k - 1) % 5] + 3, 64, 64);
        f->hide();
    }

    QFrame *panel = MakeExitHint(this, &LabelExit, &Image1);
    panel->move((658 - 252) / 2, 501 - 52 - 8);

    CentreOnScreen();
}

QPushButton *TFSteps::LessonButton(int n) const {
    return Find<QPushButton>(QStringLiteral("sBitBtn%1").arg(n));
}

QLabel *TFSteps::LessonFlag(int n) const {
    return Find<QLabel>(QStringLiteral("Flag%1").arg(n));
}

void TFSteps::FormShow() {
    for (int k = 1; k <= 10; ++k) {
        LessonFlag(k)->hide();
        LessonButton(k)->setEnabled(false);
    }
    EnableStep();
    FDisplay->SenderForm = this;
}

void TFSteps::EnableStep() {
    TDbTable *u = DataModule1->ADOTableUsers_;
    const int rec = u->RecNo();
    u->Requery();
    if (rec >= 1 && rec <= u->RecordCount())
        u->SetRecNo(rec);
    int s = u->FieldByName(QStringLiteral("Step_")).AsInteger();
    if (s > 11 || s < 1) {
        try {
            u->Edit();
            u->FieldByName(QStringLiteral("Step_")).SetValue(1);
            u->Post();
        } catch (const EDatabaseError &e) {
            u->Cancel();
            LogError(QStringLiteral("course progress"), e.Message);
        }
        s = 1;
    }
    for (int k = 1; k <= s - 1; ++k)
        LessonFlag(k)->show();
    for (int k = 1; k <= std::min(s, 10); ++k)
        LessonButton(k)->setEnabled(true);
}

bool TFSteps::RunLesson(int n) {
    // A lesson button reached through a running exercise's event loop does nothing.
    if (n < 1 || n > 10 || FDisplay->Busy() || FDisplay->isVisible())
        return false;
    FDisplay->SenderForm = this;
    FDisplay->Show();
    for (const TLessonStep &step : Lessons()[n - 1]) {
        if (!step()) {
            // Left with Esc: the surface is closed and nothing is recorded.
            if (FDisplay->isVisible())
                FDisplay->Close();
            Show();
            return false;
        }
    }
    TDbTable *u = DataModule1->ADOTableUsers_;
    try {
        u->Edit();
        u->FieldByName(QStringLiteral("Step_")).SetValue(n + 1);
        u->Post();
    } catch (const EDatabaseError &e) {
        u->Cancel();
        ReportNotSaved(QStringLiteral("پیشرفت دوره"), e.Message);
    }
    EnableStep();
    Show();
    FDisplay->Close();
    return true;
}
