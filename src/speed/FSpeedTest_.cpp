#include "FSpeedTest_.h"

TReadingState SpeedTestState;
TFSpeedTest *FSpeedTest = nullptr;

TFSpeedTest::TFSpeedTest(QWidget *parent)
    : TReadingForm(QStringLiteral("FSpeedTest"),
                   {QStringLiteral("تست سرعت"), QStringLiteral("آزمون سرعت خواندن"), QSize(202, 47),
                    true, false, QStringLiteral("نتیجهٔ آزمون سرعت خواندن")},
                   SpeedTestState, parent) {}
