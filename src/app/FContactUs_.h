#pragma once
// The contact window.

#include "common/Form.h"

class QLabel;
class TGlowLabel;

class TFContactUs : public TForm {
    Q_OBJECT
public:
    explicit TFContactUs(QWidget *parent = nullptr);

    TGlowLabel *sLabelFX1;
    QLabel *Image1;
    QLabel *Image2;

protected:
    void FormKeyPress(QChar &key) override;
};

extern TFContactUs *FContactUs;
