#include "FTaghviatDid_.h"

#include "FTaghviatDidMain_.h"
#include "common/Theme.h"
#include "display/FDisplay_.h"

#include <QLabel>
#include <QPushButton>

TFTaghviatDid *FTaghviatDid = nullptr;

TFTaghviatDid::TFTaghviatDid(QWidget *parent) : TForm(parent) {
    SetUpMenuWindow(this, QStringLiteral("FTaghviatDid"), QStringLiteral("تقویت دید"), 457, 243);
    Image1 = Find<QLabel>(QStringLiteral("Image1"));
    sBitBtnExit =
        new TSkinButton(this, QStringLiteral("sBitBtnExit"), QStringLiteral("مبتدی"), true);
    sBitBtn1 = new TSkinButton(this, QStringLiteral("sBitBtn1"), QStringLiteral("متوسط"), true);
    sBitBtn2 = new TSkinButton(this, QStringLiteral("sBitBtn2"), QStringLiteral("پیشرفته"), true);
    sBitBtn6 = new TSkinButton(this, QStringLiteral("sBitBtn6"), QStringLiteral("خروج"), true);
    sBitBtnExit->move(279, 8);
    sBitBtn1->move(279, 86);
    sBitBtn2->move(279, 164);
    sBitBtn6->move(8, 164);
    connect(sBitBtnExit, &QPushButton::clicked, this, &TFTaghviatDid::sBitBtnExitClick);
    connect(sBitBtn1, &QPushButton::clicked, this, &TFTaghviatDid::sBitBtn1Click);
    connect(sBitBtn2, &QPushButton::clicked, this, &TFTaghviatDid::sBitBtn2Click);
    connect(sBitBtn6, &QPushButton::clicked, this, &TForm::Close);
    CancelButton = sBitBtn6;
}

void TFTaghviatDid::FormShow() {
    FDisplay->SenderForm = this;
}

bool TFTaghviatDid::RunLevel(int TickDelay) {
    // A level button pressed inside a running exercise's event loop does nothing.
    if (FDisplay->Busy() || FDisplay->isVisible())
        return false;
    FDisplay->SenderForm = this;
    FDisplay->Show();
    const bool done =
        FDisplay->ShowStar1(1000, TickDelay, 50) && FDisplay->ShowStar2(1000, TickDelay, 50) &&
        FDisplay->ShowStar3(1000, TickDelay, 50) && FDisplay->ShowStar4(1000, TickDelay, 50) &&
        FDisplay->ShowStar1(1000, TickDelay, 50) && FDisplay->ShowStar2(1000, TickDelay, 50) &&
        FDisplay->ShowStar3(1000, TickDelay, 50) && FDisplay->ShowStar4(1000, TickDelay, 50);
    if (FDisplay->isVisible())
        FDisplay->Close();
    Show();
    return done;
}
