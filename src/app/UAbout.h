#pragma once
// The about window.

#include "common/Form.h"

class QLabel;
class QTimer;
class TGlowLabel;

class TAboutForm : public TForm {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);

    TGlowLabel *sLabelFX1;
    QLabel *sLabel1;
    QLabel *Image1;
    QLabel *Image2;
    QTimer *Timer1;

    void Timer1Timer() {}

protected:
    void FormKeyPress(QChar &key) override;
};

extern TAboutForm *AboutForm;
