#include "FKaheshMaksCheshmiMain_.h"

#include "common/Theme.h"
#include "display/FDisplay_.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

std::uint8_t PracticeKind = 6;
TFKaheshMaksCheshmiMain *FKaheshMaksCheshmiMain = nullptr;

int SpinValue(const QSpinBox *box) {
    bool ok = false;
    const int v = box->cleanText().trimmed().toInt(&ok);
    if (!ok)
        return box->minimum();
    return qBound(box->minimum(), v, box->maximum());
}

namespace {

QLabel *Caption(QWidget *parent, const QString &text, int left, int top, int width) {
    auto *l = new QLabel(text, parent);
    l->setFont(DesignFont(QStringLiteral("B Nazanin"), 21, true));
    Place(l, left, top, width, 40);
    return l;
}

QSpinBox *Spin(QWidget *parent, const QString &name, int min, int max, int left, int top) {
    auto *s = new QSpinBox(parent);
    s->setObjectName(name);
    s->setRange(min, max);
    s->setValue(min);
    s->setFont(DesignFont(QStringLiteral("B Nazanin"), 21, true));
    s->setLayoutDirection(Qt::LeftToRight);
    Place(s, left, top, 110, 40);
    return s;
}

} // namespace

TFKaheshMaksCheshmiMain::TFKaheshMaksCheshmiMain(QWidget *parent) : TForm(parent) {
    setObjectName(QStringLiteral("FKaheshMaksCheshmiMain"));
    setWindowTitle(QStringLiteral("تمرین کاهش مکث چشمی"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    SetClientSize(407, 212);
    setFont(DesignFontPt(QStringLiteral("Tahoma"), 8));
    KeyPreview = true;
    EscCloses = true;

    Caption(this, QStringLiteral("سرعت : "), 300, 20, 95);
    sSpinEditSpeed = Spin(this, QStringLiteral("sSpinEditSpeed"), 100, 5000, 186, 20);
    Caption(this, QStringLiteral("کلمه در دقیقه"), 40, 20, 140);
    Caption(this, QStringLiteral("به مدت :"), 300, 72, 95);
    sSpinEditTime = Spin(this, QStringLiteral("sSpinEditTime"), 10, 600, 186, 72);
    Caption(this, QStringLiteral("ثانیه"), 40, 72, 140);

    sBitBtn1 = new TSkinButton(this, QStringLiteral("sBitBtn1"), QStringLiteral("شروع"));
    sBitBtn6 = new TSkinButton(this, QStringLiteral("sBitBtn6"), QStringLiteral("خروج"));
    for (QPushButton *b : {sBitBtn1, sBitBtn6}) {
        b->setFont(DesignFont(QStringLiteral("B Nazanin"), 21, true));
        b->setFocusPolicy(Qt::NoFocus);
    }
    Place(sBitBtn1, 270, 136, 121, 65);
    Place(sBitBtn6, 16, 136, 121, 65);
    connect(sBitBtn1, &QPushButton::clicked, this, &TFKaheshMaksCheshmiMain::sBitBtn1Click);
    connect(sBitBtn6, &QPushButton::clicked, this, &TForm::Close);

    CentreOnScreen();
}

void TFKaheshMaksCheshmiMain::FormShow() {
    FDisplay->SenderForm = this;
    setWindowTitle(PracticeKind == 7 ? QStringLiteral("تمرین حروف در حرکت")
                                     : QStringLiteral("تمرین کاهش مکث چشمی"));
}

bool TFKaheshMaksCheshmiMain::sBitBtn1Click() {
    if (FDisplay->Busy() || FDisplay->isVisible())
        return false;
    const int wpm = SpinValue(sSpinEditSpeed);
    const int time = SpinValue(sSpinEditTime);
    sSpinEditSpeed->setValue(wpm);
    sSpinEditTime->setValue(time);
    FDisplay->Show();
    FDisplay->SenderForm = this;
    const bool done = PracticeKind == 7 ? FDisplay->ShowHoroofDarHarkat(wpm, time)
                                        : FDisplay->ShowMaksCheshmi(wpm, 3, time);
    if (FDisplay->isVisible())
        FDisplay->Close();
    return done;
}
