#include "FTaghviatDidMain_.h"

#include "FTaghviatDid_.h"
#include "common/Theme.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TFTaghviatDidMain *FTaghviatDidMain = nullptr;

void SetUpMenuWindow(TForm *form, const QString &name, const QString &caption, int width,
                     int height) {
    form->setObjectName(name);
    form->setWindowTitle(caption);
    form->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    form->SetClientSize(width, height);
    form->setFont(DesignFontPt(QStringLiteral("Tahoma"), 8));
    form->KeyPreview = true;
    form->EscCloses = true;
    auto *picture = new QLabel(form);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setScaledContents(true);
    picture->setPixmap(UiPixmap(QStringLiteral("menu.png")));
    Place(picture, 8, 8, 153, 145);
    form->CentreOnScreen();
}

TFTaghviatDidMain::TFTaghviatDidMain(QWidget *parent) : TForm(parent) {
    SetUpMenuWindow(this, QStringLiteral("FTaghviatDidMain"), QStringLiteral("تمرینات تقویت دید"),
                    433, 213);
    Image1 = Find<QLabel>(QStringLiteral("Image1"));
    sBitBtnExit =
        new TSkinButton(this, QStringLiteral("sBitBtnExit"), QStringLiteral("تقویت دید"), true);
    sBitBtn1 = new TSkinButton(this, QStringLiteral("sBitBtn1"),
                               QStringLiteral("تـسـت سـرعـت چـشم"), true);
    sBitBtn6 = new TSkinButton(this, QStringLiteral("sBitBtn6"), QStringLiteral("خروج"), true);
    for (QPushButton *b : {sBitBtnExit, sBitBtn1, sBitBtn6})
        b->setFixedSize(170, 62);
    sBitBtnExit->move(253, 8);
    sBitBtn1->move(253, 76);
    sBitBtn6->move(253, 144);
    connect(sBitBtnExit, &QPushButton::clicked, this, &TFTaghviatDidMain::sBitBtnExitClick);
    connect(sBitBtn1, &QPushButton::clicked, this, &TFTaghviatDidMain::sBitBtn1Click);
    connect(sBitBtn6, &QPushButton::clicked, this, &TForm::Close);
    CancelButton = sBitBtn6;
}

void TFTaghviatDidMain::sBitBtnExitClick() {
    FTaghviatDid->Show();
}

// The eye-speed game is not built yet.
void TFTaghviatDidMain::sBitBtn1Click() {}
