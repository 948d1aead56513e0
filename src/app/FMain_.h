#pragma once
// The main menu: the hub every part of the program is opened from.

#include "common/Form.h"

class QLabel;
class QPushButton;

class TFMain : public TForm {
    Q_OBJECT
public:
    explicit TFMain(QWidget *parent = nullptr);

    // Connects the database below the program folder and opens every table;
    // on failure says so and marks the run as failed.
    void InitDB();
    bool DatabaseFailed() const { return databaseFailed; }

    // Where every exception that escapes a handler ends up.
    void ApplicationEvents1Exception(const QString &message);

    QLabel *Image1;
    QPushButton *sBitBtnExit;
    QPushButton *sBitBtn1;
    QPushButton *sBitBtn2;
    QPushButton *sBitBtn3;
    QPushButton *sBitBtn5;
    QPushButton *sBitBtn6;
    QPushButton *sBitBtn8;
    QPushButton *sBitBtn9;
    QPushButton *sBitBtn10;
    QPushButton *sBitBtn12;
    QPushButton *sBitBtn14;
    QPushButton *sBitBtn15;
    QPushButton *sBitBtn4;
    QPushButton *sSpeedButton2;
    QPushButton *sSpeedButton1;
    QPushButton *sSpeedButton4;

    void sBitBtnExitClick();
    void sBitBtn1Click();
    void sBitBtn2Click();
    void sBitBtn3Click();
    void sBitBtn5Click();
    void sBitBtn6Click();
    void sBitBtn8Click();
    void sBitBtn9Click();
    void sBitBtn10Click();
    void sBitBtn12Click();
    void sBitBtn14Click();
    void sBitBtn15Click();
    void sBitBtn4Click();
    void sSpeedButton2Click();
    void sSpeedButton1Click();
    void sSpeedButton4Click();

protected:
    void FormClose() override;

private:
    bool databaseFailed = false;
};

extern TFMain *FMain;
