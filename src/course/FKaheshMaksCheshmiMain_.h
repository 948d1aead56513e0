#pragma once
// The settings window of the two text-pacing practices: a speed and a time
// of the user's own, then start.

#include "common/Form.h"

#include <cstdint>

class QLabel;
class QPushButton;
class QSpinBox;

// 6: word groups, 7: moving letters (their exercise kinds).
extern std::uint8_t PracticeKind;

// A spin box's value as the exercise is to use it: what the user typed,
// brought to the nearest value in range; an empty box gives its minimum.
int SpinValue(const QSpinBox *box);

class TFKaheshMaksCheshmiMain : public TForm {
    Q_OBJECT
public:
    explicit TFKaheshMaksCheshmiMain(QWidget *parent = nullptr);
    QSpinBox *sSpinEditSpeed;
    QSpinBox *sSpinEditTime;
    QPushButton *sBitBtn1; // "شروع"
    QPushButton *sBitBtn6; // "خروج"

    // Runs the chosen exercise; false when it did not run to its end.
    bool sBitBtn1Click();

protected:
    void FormShow() override;
};

extern TFKaheshMaksCheshmiMain *FKaheshMaksCheshmiMain;
