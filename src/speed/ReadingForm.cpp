#include "ReadingForm.h"

#include "SpeedRules.h"
#include "common/ErrorLog.h"
#include "common/PersianMessageDlg.h"
#include "common/TextFiles.h"
#include "common/Theme.h"
#include "common/Timer.h"
#include "common/UtilityFuncs.h"
#include "data/DataModule1_.h"
#include "display/FDisplay_.h"

#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace {

const char *const kStartPrompt = "برای شروع SpaceBar را بفشارید.";

TGlowLabel *EffectLabel(QWidget *parent, const QString &name, const QString &text, int px) {
    auto *l = new TGlowLabel(parent, name);
    l->setText(text);
    l->setFont(DesignFont(QStringLiteral("B Nazanin"), px, true));
    l->SetGlow(QColor(255, 255, 160), 2);
    return l;
}

} // namespace

TReadingForm::TReadingForm(const QString &name, const TReadingKind &k, TReadingState &s,
                           QWidget *parent)
    : TForm(parent), kind(k), state(s) {
    setObjectName(name);
    setWindowTitle(kind.Caption);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint); // above the exercise surface in a lesson
    SetClientSize(688, 529);
    KeyPreview = true;
    EscCloses = kind.EscCloses; // the course's test ignores Esc

    Timer1 = new TTimer(this, QStringLiteral("Timer1"), 1000);
    connect(Timer1, &TTimer::Timer, this, &TReadingForm::Timer1Timer);

    sPanel1 = new QFrame(this);
    sPanel1->setObjectName(QStringLiteral("sPanel1"));
    sPanel1->setProperty("skinSection", QStringLiteral("PANEL"));
    Place(sPanel1, 0, 0, 688, 81);
    sLabelFX1 = EffectLabel(sPanel1, QStringLiteral("sLabelFX1"), kind.Heading, 27);
    Place(sLabelFX1, 688 - 12 - kind.HeadingSize.width(), (81 - kind.HeadingSize.height()) / 2,
          kind.HeadingSize.width(), kind.HeadingSize.height());

    sGroupBox1 = new QGroupBox(QStringLiteral(" "), sPanel1);
    sGroupBox1->setObjectName(QStringLiteral("sGroupBox1"));
    Place(sGroupBox1, 6, 3, 393, 75);
    sLabelFX4 = EffectLabel(sGroupBox1, QStringLiteral("sLabelFX4"), QStringLiteral("زمان : "), 21);
    Place(sLabelFX4, 300, 4, 86, 32);
    LblTime =
        EffectLabel(sGroupBox1, QStringLiteral("LblTime"), QStringLiteral("00 : 00 : 00"), 19);
    LblTime->setLayoutDirection(Qt::LeftToRight);
    LblTime->setAlignment(Qt::AlignCenter);
    Place(LblTime, 206, 4, 91, 32);
    sLabelFX2 = EffectLabel(sGroupBox1, QStringLiteral("sLabelFX2"),
                            QStringLiteral("سرعت :            کلمه در دقیقه"), 21);
    Place(sLabelFX2, 150, 38, 236, 32);
    LblSpeed = EffectLabel(sGroupBox1, QStringLiteral("LblSpeed"), QString(), 21);
    LblSpeed->setAlignment(Qt::AlignCenter);
    Place(LblSpeed, 262, 38, 57, 32);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFont(DesignFont(QStringLiteral("B Nazanin"), 21));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Place(Memo1, 0, 81, 688, 367);

    sPanel2 = new QFrame(this);
    sPanel2->setObjectName(QStringLiteral("sPanel2"));
    sPanel2->setProperty("skinSection", QStringLiteral("PANEL"));
    Place(sPanel2, 0, 448, 688, 81);
    sLabelFX5 =
        EffectLabel(sPanel2, QStringLiteral("sLabelFX5"), QString::fromUtf8(kStartPrompt), 19);
    sLabelFX5->setAlignment(Qt::AlignCenter);
    Place(sLabelFX5, 140, 20, 408, 40);
    sBitBtn6 = new TSkinButton(sPanel2, QStringLiteral("sBitBtn6"), QStringLiteral("خروج"));
    sBitBtn6->setFont(DesignFont(QStringLiteral("B Nazanin"), 21, true));
    sBitBtn6->setFocusPolicy(Qt::NoFocus);
    Place(sBitBtn6, 8, 8, 121, 65);
    connect(sBitBtn6, &QPushButton::clicked, this, &TReadingForm::sBitBtn6Click);

    MemoTemp = new QPlainTextEdit(this);
    MemoTemp->setObjectName(QStringLiteral("MemoTemp"));
    MemoTemp->hide();

    CentreOnScreen();
}

void TReadingForm::FormShow() {
    Randomize();
    Prepare(150 + Random(50));
}

void TReadingForm::Prepare(int wordCount) {
    Memo1->setFocus();
    LblTime->setText(QStringLiteral("00 : 00 : 00"));
    QString text;
    try {
        text = ReadTextFile(FDisplay->GetRandomTextFilePath());
    } catch (const std::exception &e) {
        const QString msg = QString::fromUtf8(e.what());
        LogError(QStringLiteral("reading text"), msg);
        PersianMessageDlg(QStringLiteral("متن خواندن باز نشد.") + u'\n' + msg, mbOK,
                          TMsgDlgType::mtError);
    }
    MemoTemp->setPlainText(text);
    state.Words = WordList(MemoTemp->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
    state.WordCount = std::min<int>(wordCount, int(state.Words.size()));
    MemoTemp->setPlainText(ReadingPassage(state.Words, state.WordCount));
    Memo1->clear();
    state.Started = false;
    ended = false;
    LblSpeed->setText(QString());
    sLabelFX5->setText(QString::fromUtf8(kStartPrompt));
}

void TReadingForm::Space() {
    if (ended)
        return;
    if (!state.Started) {
        Memo1->setPlainText(MemoTemp->toPlainText());
        state.SecCounter = 0;
        Timer1->SetEnabled(true);
        state.Started = true;
        sLabelFX5->setText(QStringLiteral("برای پایان SpaceBar را بفشارید."));
        return;
    }
    Timer1->SetEnabled(false);
    ended = true;
    sLabelFX5->setText(QStringLiteral("پایان تست."));
    const int speed = ReadingSpeed(state.WordCount, state.SecCounter);
    LblSpeed->setText(QString::number(speed));
    Store(speed);
}

void TReadingForm::Store(int speed) {
    TDbTable *t = DataModule1->ADOTableSpeedRecord;
    try {
        t->Append();
        t->FieldByName(QStringLiteral("Date_")).SetValue(GetPersianDate());
        t->FieldByName(QStringLiteral("Speed")).SetValue(speed);
        t->FieldByName(QStringLiteral("IsTestFlag")).SetValue(kind.IsTest);
        t->Post();
    } catch (const EDatabaseError &e) {
        t->Cancel();
        ReportNotSaved(kind.Result, e.Message);
    }
}

void TReadingForm::Timer1Timer() {
    ++state.SecCounter;
    LblTime->setText(ClockText(state.SecCounter, QStringLiteral(" : ")));
}

void TReadingForm::FormCloseQuery(bool &canClose) {
    if (Timer1->Enabled()) {
        PersianMessageDlg(QStringLiteral("در هنگام اجرای تست امکان خروج وجود ندارد، ابتدا تست "
                                         "را به پایان برسانید."),
                          mbOK, TMsgDlgType::mtInformation);
        canClose = false;
    }
}

void TReadingForm::FormClose() {
    state.Words.clear();
}

void TReadingForm::FormKeyDown(QKeyEvent *event, bool &handled) {
    if (event->key() == Qt::Key_Space) {
        handled = true;
        if (!event->isAutoRepeat())
            Space();
    }
}
