#include "FWait_.h"

#include "FDisplay_.h"
#include "common/Theme.h"
#include "common/Timer.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

int WaitCounter = 0;
TFWait *FWait = nullptr;

QString InstructionText(int kind) {
    const QChar cr(13);
    switch (kind) {
    case 0:
    case 1:
    case 2:
    case 3:
        return QStringLiteral("تصویر را با چشمانتان دنبال کنید.");
    case 4:
        return QStringLiteral("همانطور که به مرکز صفحه توجه می کنید اعداد و کلمات را بخوانید.");
    case 5:
        return QStringLiteral("همانطور که تصاویر در صفحه نمایش داده می شوند،") + cr +
               QStringLiteral(" آنها را دنبال کنید.");
    case 6:
        return QStringLiteral("به مرکز کلمات نگاه کنید و سعی کنید آنها را بخوانید.");
    case 7:
        return QStringLiteral("همانطور که کلمات در صفحه نمایش داده می شوند،") + cr +
               QStringLiteral(" آنها را دنبال کنید.");
    case 8:
        return QStringLiteral("همانطور که سطرها به نمایش درمی آیند،") + cr +
               QStringLiteral(" آنها را دنبال کنید.");
    default:
        return QString();
    }
}

TFWait::TFWait(QWidget *parent) : TForm(parent) {
    setObjectName(QStringLiteral("FWait"));
    setWindowTitle(QString());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);
    SetClientSize(457, 332);
    setFont(DesignFont(QStringLiteral("Tahoma"), 11));
    KeyPreview = true;

    sLabelFX1 = new TGlowLabel(this, QStringLiteral("sLabelFX1"));
    sLabelFX1->setText(QStringLiteral("آماده سازی مرحله ی بعد..."));
    sLabelFX1->setFont(DesignFont(QStringLiteral("B Nazanin"), 27, true));
    sLabelFX1->SetGlow(Qt::yellow, 2);
    Place(sLabelFX1, 200, 7, 252, 51);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setPixmap(UiPixmap(QStringLiteral("disc.png")));
    Place(Image1, 158, 57, 128, 128);

    sLabelFXSec = new TGlowLabel(this, QStringLiteral("sLabelFXSec"));
    sLabelFXSec->setFont(DesignFont(QStringLiteral("B Titr"), 48, true));
    sLabelFXSec->setAlignment(Qt::AlignCenter);
    sLabelFXSec->SetGlow(QColor(100, 100, 255), 3);
    sLabelFXSec->SetShadow(Qt::yellow, 1);
    sLabelFXSec->setStyleSheet(QStringLiteral("color: white;"));
    Place(sLabelFXSec, 158, 73, 128, 93);

    sPanel1 = new QFrame(this);
    sPanel1->setObjectName(QStringLiteral("sPanel1"));
    sPanel1->setProperty("skinSection", QStringLiteral("PANEL"));
    Place(sPanel1, 8, 191, 441, 105);

    sLabelFX4 = new TGlowLabel(sPanel1, QStringLiteral("sLabelFX4"));
    sLabelFX4->setText(QStringLiteral("راهنمایی :"));
    sLabelFX4->setFont(DesignFont(QStringLiteral("B Nazanin"), 21, true));
    sLabelFX4->SetGlow(QColor(81, 255, 81), 2);
    Place(sLabelFX4, 354, -6, 80, 41);

    LblHelp = new TGlowLabel(sPanel1, QStringLiteral("LblHelp"));
    LblHelp->setFont(DesignFont(QStringLiteral("B Nazanin"), 19, true));
    LblHelp->setAlignment(Qt::AlignCenter);
    LblHelp->setWordWrap(true);
    LblHelp->SetGlow(QColor(150, 190, 255), 2);
    LblHelp->SetShadow(Qt::white, 1);
    Place(LblHelp, 3, 31, 434, 68);

    sLabelFX2 = new TGlowLabel(this, QStringLiteral("sLabelFX2"));
    sLabelFX2->setText(QStringLiteral("در صورتیکه آماده هستید کلیدی را بفشارید."));
    sLabelFX2->setFont(DesignFont(QStringLiteral("B Nazanin"), 19, true));
    sLabelFX2->SetGlow(QColor(0, 255, 255), 2);
    Place(sLabelFX2, 74, 294, 297, 38);

    Timer1 = new TTimer(this, QStringLiteral("Timer1"), 1000);
    connect(Timer1, &TTimer::Timer, this, &TFWait::Timer1Timer);

    CentreOnScreen();
}

void TFWait::FormShow() {
    SetModalResult(mrNone);
    WaitCounter = 5;
    sLabelFXSec->setText(QStringLiteral("5"));
    const QString help = InstructionText(ExerciseKind);
    if (!help.isEmpty())
        LblHelp->setText(help);
    Timer1->SetEnabled(true);
}

void TFWait::Timer1Timer() {
    --WaitCounter;
    sLabelFXSec->setText(QString::number(WaitCounter));
    if (WaitCounter == 0) {
        Timer1->SetEnabled(false);
        SetModalResult(mrOk);
    }
}

void TFWait::FormKeyPress(QChar &key) {
    // Any key, Esc included, only ends the countdown.
    key = QChar();
    Timer1->SetEnabled(false);
    SetModalResult(mrOk);
}
