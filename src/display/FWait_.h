#pragma once
// The instruction screen shown before every exercise: a five-second
// countdown and a hint for the exercise about to start. Any key ends it.

#include "common/Form.h"

class QFrame;
class QLabel;
class TGlowLabel;
class TTimer;

// Seconds left in the countdown.
extern int WaitCounter;

// The hint for an exercise kind; empty for a kind that has none.
QString InstructionText(int kind);

class TFWait : public TForm {
    Q_OBJECT
public:
    explicit TFWait(QWidget *parent = nullptr);

    TGlowLabel *sLabelFX1;
    QLabel *Image1;
    TGlowLabel *sLabelFXSec;
    QFrame *sPanel1;
    TGlowLabel *sLabelFX4;
    TGlowLabel *LblHelp;
    TGlowLabel *sLabelFX2;
    TTimer *Timer1;

    void Timer1Timer();

protected:
    void FormShow() override;
    void FormKeyPress(QChar &key) override;
};

extern TFWait *FWait;
