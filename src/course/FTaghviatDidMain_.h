#pragma once
// The vision-strengthening menu: the star-path levels and the eye-speed game.

#include "common/Form.h"

class QLabel;
class QPushButton;

class TFTaghviatDidMain : public TForm {
    Q_OBJECT
public:
    explicit TFTaghviatDidMain(QWidget *parent = nullptr);
    QLabel *Image1;
    QPushButton *sBitBtnExit; // "تقویت دید"
    QPushButton *sBitBtn1;    // the eye-speed game
    QPushButton *sBitBtn6;    // "خروج"

    void sBitBtnExitClick();
    void sBitBtn1Click();

protected:
};

extern TFTaghviatDidMain *FTaghviatDidMain;

// Lays out the picture and look shared by the small menu windows.
void SetUpMenuWindow(TForm *form, const QString &name, const QString &caption, int width,
                     int height);
