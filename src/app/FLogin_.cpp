#include "FLogin_.h"

#include "FMain_.h"
#include "common/ErrorLog.h"
#include "common/PersianMessageDlg.h"
#include "common/Theme.h"
#include "data/DataModule1_.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

TFLogin *FLogin = nullptr;

// ---- TNameComboBox --------------------------------------------------------

TNameComboBox::TNameComboBox(QWidget *parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, &TNameComboBox::TextEdited);
    connect(this, &QComboBox::activated, this, [this](int i) {
        itemIndex = i;
        lastText = Text();
    });
}

void TNameComboBox::SetItemIndex(int index) {
    if (index >= 0 && index < count()) {
        setCurrentIndex(index);
        setEditText(itemText(index));
        itemIndex = index;
    } else {
        itemIndex = -1;
    }
    lastText = Text();
}

QString TNameComboBox::Text() const {
    return lineEdit()->text();
}

void TNameComboBox::SetText(const QString &text) {
    setEditText(text);
    itemIndex = -1;
    lastText = text;
}

void TNameComboBox::ClearAll() {
    clear();
    setEditText(QString());
    itemIndex = -1;
    lastText.clear();
}

void TNameComboBox::TextEdited(const QString &text) {
    // lastText is what the user typed, without a completed tail: a text no
    // longer than that is a deletion, which is not completed again.
    const bool deleting = text.size() <= lastText.size();
    lastText = text;
    itemIndex = -1;
    if (text.isEmpty() || deleting)
        return;
    for (int i = 0; i < count(); ++i) {
        if (itemText(i).startsWith(text, Qt::CaseInsensitive)) {
            QSignalBlocker block(this);
            setCurrentIndex(i);
            lineEdit()->setText(itemText(i));
            // The completed tail stays selected, so typing on replaces it.
            lineEdit()->setSelection(int(itemText(i).size()),
                                     int(text.size() - itemText(i).size()));
            itemIndex = i;
            return;
        }
    }
}

// ---- TFLogin --------------------------------------------------------------

TFLogin::TFLogin(QWidget *parent) : TForm(parent) {
    setObjectName(QStringLiteral("FLogin"));
    setWindowTitle(QStringLiteral("ورود به برنامه ..."));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    SetClientSize(509, 215);
    setFont(DesignFont(QStringLiteral("B Nazanin"), 21, true));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setPixmap(UiPixmap(QStringLiteral("menu.png")));
    Place(Image1, 4, 4, 147, 137);

    sLabel1 = new QLabel(QStringLiteral("نام کاربری : "), this);
    sLabel1->setObjectName(QStringLiteral("sLabel1"));
    sLabel1->setStyleSheet(QStringLiteral("color: #404040;"));
    sLabel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Place(sLabel1, 392, 52, 112, 41);

    sComboBox1 = new TNameComboBox(this);
    sComboBox1->setObjectName(QStringLiteral("sComboBox1"));
    sComboBox1->setFont(DesignFont(QStringLiteral("B Nazanin"), 21, true));
    // The style sheet stops the font from reaching the edit inside.
    sComboBox1->lineEdit()->setFont(sComboBox1->font());
    Place(sComboBox1, 164, 52, 225, 41);

    sBitBtnExit =
        new TSkinButton(this, QStringLiteral("sBitBtnExit"), QStringLiteral("ورود"), true);
    sBitBtnExit->move(339, 145);
    sBitBtn1 = new TSkinButton(this, QStringLiteral("sBitBtn1"), QStringLiteral("حذف کاربر"), true);
    sBitBtn1->move(170, 145);
    sBitBtn2 = new TSkinButton(this, QStringLiteral("sBitBtn2"), QStringLiteral("خروج"), true);
    sBitBtn2->move(0, 145);
    for (QPushButton *b : {sBitBtnExit, sBitBtn1, sBitBtn2})
        b->setFont(DesignFont(QStringLiteral("B Nazanin"), 21, true));

    SetButtonModalResult(sBitBtnExit, mrOk);
    connect(sBitBtnExit, &QPushButton::clicked, this, &TFLogin::sBitBtnExitClick);
    connect(sBitBtn1, &QPushButton::clicked, this, &TFLogin::sBitBtn1Click);
    SetButtonModalResult(sBitBtn2, mrCancel);
    DefaultButton = sBitBtnExit;
    CancelButton = sBitBtn2;
    setTabOrder(sComboBox1, sBitBtnExit);
    setTabOrder(sBitBtnExit, sBitBtn1);
    setTabOrder(sBitBtn1, sBitBtn2);

    CentreOnScreen();
    FormCreate();
}

void TFLogin::FormCreate() {
    FMain->InitDB();
}

void TFLogin::FormShow() {
    if (!DataModule1->ADOConnection1.Connected()) {
        // The database did not open: the program ends as if cancelled.
        SetModalResult(mrCancel);
        return;
    }
    GetUserList();
    sComboBox1->setFocus();
}

void TFLogin::GetUserList() {
    TDbTable *users = DataModule1->ADOTableUsers_;
    sComboBox1->ClearAll();
    if (users->IsEmpty())
        return;
    users->Requery();
    users->DisableControls();
    try {
        for (users->First(); !users->Eof(); users->Next())
            sComboBox1->addItem(users->FieldByName(QStringLiteral("UserName")).AsString());
    } catch (...) {
        users->EnableControls();
        throw;
    }
    users->EnableControls();
    sComboBox1->SetText(QString());
}

void TFLogin::sBitBtn1Click() {
    const int index = sComboBox1->ItemIndex();
    if (index < 0) {
        PersianMessageDlg(QStringLiteral("کاربری جهت حذف انتخاب نشده است."), mbOK,
                          TMsgDlgType::mtInformation);
        return;
    }
    if (PersianMessageDlg(QStringLiteral("آیا مایل به حذف این کاربر هستید؟"), mbYes | mbNo,
                          TMsgDlgType::mtConfirmation) != mrYes)
        return;
    TDbTable *users = DataModule1->ADOTableUsers_;
    try {
        users->SetRecNo(index + 1);
        users->Delete();
        users->Requery();
    } catch (const EDatabaseError &e) {
        LogError(QStringLiteral("delete user"), e.Message);
        PersianMessageDlg(QStringLiteral("کاربر حذف نشد.") + u'\n' + e.Message, mbOK,
                          TMsgDlgType::mtError);
    }
    GetUserList();
}

void TFLogin::sBitBtnExitClick() {
    // The button has set the result to OK; clearing it keeps the dialog open.
    if (sComboBox1->Text().trimmed().isEmpty()) {
        SetModalResult(mrNone);
        PersianMessageDlg(QStringLiteral("کاربری انتخاب نشده است."), mbOK,
                          TMsgDlgType::mtInformation);
        return;
    }
    TDbTable *users = DataModule1->ADOTableUsers_;
    const int index = sComboBox1->ItemIndex();
    if (index >= 0) {
        users->SetRecNo(index + 1);
        SetModalResult(mrOk);
        return;
    }
    SetModalResult(mrNone);
    if (PersianMessageDlg(QStringLiteral("این نام کاربری وجود ندارد، آیا ایجاد شود؟"), mbYes | mbNo,
                          TMsgDlgType::mtConfirmation) != mrYes)
        return;
    try {
        users->Append();
        // Stored exactly as typed: only the emptiness test trims.
        users->FieldByName(QStringLiteral("UserName")).SetValue(sComboBox1->Text());
        users->Post();
    } catch (const EDatabaseError &e) {
        users->Cancel();
        ReportNotSaved(QStringLiteral("کاربر جدید"), e.Message);
        return;
    }
    SetModalResult(mrOk);
}
