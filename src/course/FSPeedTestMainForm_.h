#pragma once
// The speed-reading practice menu.

#include "common/Form.h"

class QLabel;
class QPushButton;

class TFSPeedTestMainForm : public TForm {
    Q_OBJECT
public:
    explicit TFSPeedTestMainForm(QWidget *parent = nullptr);
    QLabel *Image1;
    QPushButton *sBitBtnExit; // "تمرین تندخوانی"
    QPushButton *sBitBtn7;    // word groups
    QPushButton *sBitBtn2;    // moving letters
    QPushButton *sBitBtn1;    // the speed history
    QPushButton *sBitBtn6;    // "خروج"

    void sBitBtnExitClick();
    void sBitBtn7Click();
    void sBitBtn2Click();
    void sBitBtn1Click();

protected:
};

extern TFSPeedTestMainForm *FSPeedTestMainForm;
