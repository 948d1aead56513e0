#pragma once
// The login dialog: pick, create or delete a user name.

#include "common/Form.h"

#include <QComboBox>

class QLabel;
class QPushButton;

// An editable name list that completes typed text from its entries the way
// the user expects: typing the beginning of a listed name selects it, any
// other text leaves no entry selected.
class TNameComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TNameComboBox(QWidget *parent = nullptr);
    int ItemIndex() const { return itemIndex; }
    void SetItemIndex(int index);
    QString Text() const;
    void SetText(const QString &text);
    void ClearAll();

private:
    void TextEdited(const QString &text);
    int itemIndex = -1;
    QString lastText;
};

class TFLogin : public TForm {
    Q_OBJECT
public:
    explicit TFLogin(QWidget *parent = nullptr);

    QLabel *Image1;
    QLabel *sLabel1;
    TNameComboBox *sComboBox1;
    QPushButton *sBitBtnExit; // "ورود"
    QPushButton *sBitBtn1;    // "حذف کاربر"
    QPushButton *sBitBtn2;    // "خروج"

    void GetUserList();
    void sBitBtnExitClick();
    void sBitBtn1Click();

protected:
    void FormCreate();
    void FormShow() override;
    void FormClose() override {}
};

extern TFLogin *FLogin;
