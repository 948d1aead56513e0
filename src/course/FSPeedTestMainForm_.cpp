#include "FSPeedTestMainForm_.h"

#include "FKaheshMaksCheshmiMain_.h"
#include "FTaghviatDidMain_.h"
#include "common/Theme.h"
#include "speed/FSpeedChart_.h"
#include "speed/FTamrinTondKhani_.h"

#include <QLabel>
#include <QPushButton>

TFSPeedTestMainForm *FSPeedTestMainForm = nullptr;

TFSPeedTestMainForm::TFSPeedTestMainForm(QWidget *parent) : TForm(parent) {
    SetUpMenuWindow(this, QStringLiteral("FSPeedTestMainForm"), QStringLiteral("تمرین تندخوانی"),
                    602, 222);
    Image1 = Find<QLabel>(QStringLiteral("Image1"));
    sBitBtnExit = new TSkinButton(this, QStringLiteral("sBitBtnExit"),
                                  QStringLiteral("تمرین تندخوانی"), true);
    sBitBtn7 = new TSkinButton(this, QStringLiteral("sBitBtn7"),
                               QStringLiteral("کاهش   مکث   چشمی"), true);
    sBitBtn2 =
        new TSkinButton(this, QStringLiteral("sBitBtn2"), QStringLiteral("حروف در حرکت"), true);
    sBitBtn1 =
        new TSkinButton(this, QStringLiteral("sBitBtn1"), QStringLiteral("مشاهده نمودار"), true);
    sBitBtn6 = new TSkinButton(this, QStringLiteral("sBitBtn6"), QStringLiteral("خروج"), true);
    sBitBtnExit->move(424, 8);
    sBitBtn7->move(424, 80);
    sBitBtn2->move(424, 152);
    sBitBtn1->move(244, 8);
    sBitBtn6->move(244, 152);
    for (QPushButton *b : {sBitBtnExit, sBitBtn7, sBitBtn2, sBitBtn1, sBitBtn6})
        b->setFixedSize(170, 62);
    connect(sBitBtnExit, &QPushButton::clicked, this, &TFSPeedTestMainForm::sBitBtnExitClick);
    connect(sBitBtn7, &QPushButton::clicked, this, &TFSPeedTestMainForm::sBitBtn7Click);
    connect(sBitBtn2, &QPushButton::clicked, this, &TFSPeedTestMainForm::sBitBtn2Click);
    connect(sBitBtn1, &QPushButton::clicked, this, &TFSPeedTestMainForm::sBitBtn1Click);
    connect(sBitBtn6, &QPushButton::clicked, this, &TForm::Close);
    CancelButton = sBitBtn6;
}

void TFSPeedTestMainForm::sBitBtnExitClick() {
    FTamrinTondKhani->ShowModal();
}

void TFSPeedTestMainForm::sBitBtn7Click() {
    PracticeKind = 6;
    FKaheshMaksCheshmiMain->Close();
    FKaheshMaksCheshmiMain->Show();
}

void TFSPeedTestMainForm::sBitBtn2Click() {
    PracticeKind = 7;
    FKaheshMaksCheshmiMain->Close();
    FKaheshMaksCheshmiMain->Show();
}

void TFSPeedTestMainForm::sBitBtn1Click() {
    FSpeedChart->ShowModal();
}
