#include "FMain_.h"

#include "FContactUs_.h"
#include "UAbout.h"
#include "common/ErrorLog.h"
#include "common/Paths.h"
#include "common/PersianMessageDlg.h"
#include "common/Theme.h"
#include "course/FSPeedTestMainForm_.h"
#include "course/FSteps_.h"
#include "course/FTaghviatDidMain_.h"
#include "data/DataModule1_.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

TFMain *FMain = nullptr;

namespace {

struct MenuButton {
    const char *Name;
    QString Caption;
    int Left;
    int Top;
    void (TFMain::*Handler)();
};

} // namespace

TFMain::TFMain(QWidget *parent) : TForm(parent) {
    setObjectName(QStringLiteral("FMain"));
    setWindowTitle(QStringLiteral("صفحه اصلی"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    SetClientSize(688, 556);
    setFont(DesignFontPt(QStringLiteral("Tahoma"), 8));
    KeyPreview = true;
    EscCloses = true;

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setPixmap(UiPixmap(QStringLiteral("menu.png")));
    Place(Image1, 8, 8, 215, 202);

    // Three staggered diagonal columns, read from the right; this is also
    // the tab order.
    const QVector<MenuButton> buttons{
        {"sBitBtnExit", QStringLiteral("تــندخــوانی چــــیست؟"), 506, 14,
         &TFMain::sBitBtnExitClick},
        {"sBitBtn1", QStringLiteral("راهنمای استفاده از نرم افزار"), 506, 118,
         &TFMain::sBitBtn1Click},
        {"sBitBtn2", QStringLiteral("آموزش تندخوانی"), 506, 222, &TFMain::sBitBtn2Click},
        {"sBitBtn3", QStringLiteral("تست درک مطلب"), 506, 326, &TFMain::sBitBtn3Click},
        {"sBitBtn5", QStringLiteral("تمرین تندخوانی"), 506, 430, &TFMain::sBitBtn5Click},
        {"sBitBtn6", QStringLiteral("تمرینات تقویت دید"), 322, 66, &TFMain::sBitBtn6Click},
        {"sBitBtn8", QStringLiteral("تسلط غلط یابی"), 322, 170, &TFMain::sBitBtn8Click},
        {"sBitBtn9", QStringLiteral("جدول سودوکو"), 322, 274, &TFMain::sBitBtn9Click},
        {"sBitBtn10", QStringLiteral("جـعـبه مـحاسبات اعداد"), 322, 378, &TFMain::sBitBtn10Click},
        {"sBitBtn12", QStringLiteral("تفاوت زمـانی سـاعت ها"), 322, 482, &TFMain::sBitBtn12Click},
        {"sBitBtn14", QStringLiteral("100 نکته برای مــطالعه موفق"), 138, 274,
         &TFMain::sBitBtn14Click},
        {"sBitBtn15", QStringLiteral("خلاصه کتب"), 138, 378, &TFMain::sBitBtn15Click},
        {"sBitBtn4", QStringLiteral("جعبه یادگیری لایتنر"), 138, 482, &TFMain::sBitBtn4Click},
    };
    QVector<QPushButton **> targets{&sBitBtnExit, &sBitBtn1,  &sBitBtn2, &sBitBtn3,  &sBitBtn5,
                                    &sBitBtn6,    &sBitBtn8,  &sBitBtn9, &sBitBtn10, &sBitBtn12,
                                    &sBitBtn14,   &sBitBtn15, &sBitBtn4};
    QWidget *previous = nullptr;
    for (int i = 0; i < buttons.size(); ++i) {
        const MenuButton &b = buttons[i];
        auto *btn = new TSkinButton(this, QString::fromLatin1(b.Name), b.Caption, true);
        btn->move(b.Left, b.Top);
        connect(btn, &QPushButton::clicked, this, b.Handler);
        *targets[i] = btn;
        if (previous)
            setTabOrder(previous, btn);
        previous = btn;
    }

    struct Icon {
        QPushButton **Slot;
        const char *Name;
        QString Tip;
        const char *Picture;
        int Top;
        void (TFMain::*Handler)();
    };
    const Icon icons[] = {
        {&sSpeedButton2, "sSpeedButton2", QStringLiteral("درباره ما"), "icon_about.png", 372,
         &TFMain::sSpeedButton2Click},
        {&sSpeedButton1, "sSpeedButton1", QStringLiteral("اطلاعات تماس"), "icon_contact.png", 428,
         &TFMain::sSpeedButton1Click},
        {&sSpeedButton4, "sSpeedButton4", QStringLiteral("خروج از برنامه"), "icon_exit.png", 484,
         &TFMain::sSpeedButton4Click},
    };
    for (const Icon &ic : icons) {
        auto *btn = new TSkinButton(this, QString::fromLatin1(ic.Name), QString());
        btn->setFlat(true);
        btn->setFocusPolicy(Qt::NoFocus);
        btn->setToolTip(ic.Tip);
        btn->setIcon(QIcon(UiPixmap(QString::fromLatin1(ic.Picture))));
        btn->setIconSize(QSize(40, 40));
        Place(btn, 8, ic.Top, 57, 49);
        connect(btn, &QPushButton::clicked, this, ic.Handler);
        *ic.Slot = btn;
    }

    CentreOnScreen();
}

void TFMain::InitDB() {
    InitAppPath(AppPath.isEmpty() ? QCoreApplication::applicationDirPath() : AppPath);
    try {
        DataModule1->Connect(AppPath);
    } catch (const EDatabaseError &e) {
        databaseFailed = true;
        LogError(QStringLiteral("database"), e.Message);
        ShowMessage(QStringLiteral("خطا : ") + u'\n' + e.Message);
    }
}

void TFMain::ApplicationEvents1Exception(const QString &message) {
    // Nothing is shown here: handlers that lose what the user did say so
    // themselves. The rest is kept for whoever looks after the program.
    LogError(QStringLiteral("handler"), message);
}

void TFMain::FormClose() {
    QCoreApplication::quit();
}

// Buttons whose windows are not built yet do nothing for now.
void TFMain::sBitBtnExitClick() {}
void TFMain::sBitBtn1Click() {}
void TFMain::sBitBtn2Click() {
    FSteps->Show();
}
void TFMain::sBitBtn3Click() {}
void TFMain::sBitBtn5Click() {
    FSPeedTestMainForm->Show();
}
void TFMain::sBitBtn6Click() {
    FTaghviatDidMain->Show();
}
void TFMain::sBitBtn8Click() {}
void TFMain::sBitBtn9Click() {}
void TFMain::sBitBtn10Click() {}
void TFMain::sBitBtn12Click() {}
void TFMain::sBitBtn14Click() {}
void TFMain::sBitBtn15Click() {}
void TFMain::sBitBtn4Click() {}

void TFMain::sSpeedButton2Click() {
    AboutForm->Show();
}
void TFMain::sSpeedButton1Click() {
    FContactUs->Show();
}
void TFMain::sSpeedButton4Click() {
    Close();
}
