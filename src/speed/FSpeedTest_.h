#pragma once
// The reading speed test of the course.

#include "ReadingForm.h"

extern TReadingState SpeedTestState;

class TFSpeedTest : public TReadingForm {
    Q_OBJECT
public:
    explicit TFSpeedTest(QWidget *parent = nullptr);
};

extern TFSpeedTest *FSpeedTest;
