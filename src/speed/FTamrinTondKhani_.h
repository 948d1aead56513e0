#pragma once
// Timed reading practice: the speed test's measurement, stored as practice.

#include "ReadingForm.h"

extern TReadingState TamrinState;

class TFTamrinTondKhani : public TReadingForm {
    Q_OBJECT
public:
    explicit TFTamrinTondKhani(QWidget *parent = nullptr);
};

extern TFTamrinTondKhani *FTamrinTondKhani;
