#include "FTamrinTondKhani_.h"

TReadingState TamrinState;
TFTamrinTondKhani *FTamrinTondKhani = nullptr;

TFTamrinTondKhani::TFTamrinTondKhani(QWidget *parent)
    : TReadingForm(QStringLiteral("FTamrinTondKhani"),
                   {QStringLiteral("تمرین تندخوانی"), QStringLiteral("تمرین تندخوانی"),
                    QSize(157, 51), false, true, QStringLiteral("نتیجهٔ تمرین تندخوانی")},
                   TamrinState, parent) {}
