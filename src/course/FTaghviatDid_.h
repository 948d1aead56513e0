#pragma once
// The star-path levels: eight star exercises at one of three speeds.

#include "common/Form.h"

class QLabel;
class QPushButton;

class TFTaghviatDid : public TForm {
    Q_OBJECT
public:
    explicit TFTaghviatDid(QWidget *parent = nullptr);
    QLabel *Image1;
    QPushButton *sBitBtnExit; // "مبتدی"
    QPushButton *sBitBtn1;    // "متوسط"
    QPushButton *sBitBtn2;    // "پیشرفته"
    QPushButton *sBitBtn6;    // "خروج"

    void sBitBtnExitClick() { RunLevel(1000); }
    void sBitBtn1Click() { RunLevel(500); }
    void sBitBtn2Click() { RunLevel(250); }

    // Runs the eight star exercises with the given tick delay; false when
    // the user left before the end (or another sequence is running).
    bool RunLevel(int TickDelay);

protected:
    void FormShow() override;
};

extern TFTaghviatDid *FTaghviatDid;
