// The login dialog against a real encrypted database.

#include "TestSupport.h"
#include "app/FLogin_.h"
#include "app/FMain_.h"
#include "common/ErrorLog.h"
#include "common/Paths.h"
#include "data/DataModule1_.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// A data folder with the given users, the data module and the main menu.
struct Fixture {
    QTemporaryDir dir;
    Fixture(const QStringList &users = {}) {
        InitAppPath(MakeDataFolder(dir));
        DataModule1 = new TDataModule1();
        FMain = new TFMain();
        if (!users.isEmpty()) {
            DataModule1->Connect(AppPath);
            for (const QString &u : users) {
                DataModule1->ADOTableUsers_->Append();
                DataModule1->ADOTableUsers_->FieldByName(QStringLiteral("UserName")).SetValue(u);
                DataModule1->ADOTableUsers_->Post();
            }
            DataModule1->Disconnect();
        }
        FLogin = new TFLogin();
    }
    ~Fixture() {
        CancelModalWatchers();
        delete FLogin;
        FLogin = nullptr;
        delete FMain;
        FMain = nullptr;
        delete DataModule1;
        DataModule1 = nullptr;
    }

    // Shows the login modally and runs script in it; if the dialog is still
    // open afterwards, records that and leaves through "خروج".
    int Run(const std::function<void()> &script, bool *stayedOpen = nullptr) {
        WhenModal([=](QWidget *) {
            script();
            QCoreApplication::processEvents();
            const bool open = FLogin->isVisible();
            if (stayedOpen)
                *stayedOpen = open;
            if (open)
                QTest::mouseClick(FLogin->sBitBtn2, Qt::LeftButton);
        });
        return FLogin->ShowModal();
    }

    QStringList Names() const {
        QStringList out;
        for (int i = 0; i < FLogin->sComboBox1->count(); ++i)
            out << FLogin->sComboBox1->itemText(i);
        return out;
    }
    QStringList StoredNames() const {
        QStringList out;
        TDbTable *u = DataModule1->ADOTableUsers_;
        u->Requery();
        for (u->First(); !u->Eof(); u->Next())
            out << u->FieldByName(QStringLiteral("UserName")).AsString();
        return out;
    }
    // Keys go where the keyboard sends them: to the name box, which has the focus.
    static void Type(const QString &text) {
        FLogin->sComboBox1->setFocus();
        TypeText(FLogin->sComboBox1, text);
    }
    static void Enter() { QTest::keyClick(FLogin->sComboBox1->lineEdit(), Qt::Key_Return); }
};

} // namespace

class TestLogin : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTestEnvironment(); }

    void newUserIsCreated_data();
    void newUserIsCreated();
    void emptyNameRefused_data();
    void emptyNameRefused();
    void answeringNoCreatesNothing();
    void pickingAUser_data();
    void pickingAUser();
    void deleteWithoutSelection();
    void deleteOnlyUser();
    void deleteMiddleUser();
    void deleteAnsweredNo();
    void exitCancels_data();
    void exitCancels();
    void userNotStoredIsTold();
    void databaseMissingEndsLogin();
};

void TestLogin::newUserIsCreated_data() {
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty list") << QStringList() << QStringLiteral("زهرا");
    QTest::newRow("blanks kept") << QStringList{QStringLiteral("علی")} << QStringLiteral("  رضا ");
    QTest::newRow("not a prefix") << QStringList{QStringLiteral("مهدی")} << QStringLiteral("مهسا");
}

void TestLogin::newUserIsCreated() {
    QFETCH(QStringList, existing);
    QFETCH(QString, typed);
    Fixture f(existing);
    ModalSeen seen;
    const int r = f.Run([&] {
        QCOMPARE(f.Names(), existing);
        QCOMPARE(FLogin->sComboBox1->Text(), QString());
        AnswerModal(QStringLiteral("Yes"), &seen);
        Fixture::Type(typed);
        Fixture::Enter();
    });
    QCOMPARE(r, int(mrOk));
    QCOMPARE(seen.Message, QStringLiteral("این نام کاربری وجود ندارد، آیا ایجاد شود؟"));
    QCOMPARE(seen.Title, QStringLiteral("   تایید"));
    // The new row is the current user, named exactly as typed, with no progress yet.
    TDbTable *u = DataModule1->ADOTableUsers_;
    QCOMPARE(u->FieldByName(QStringLiteral("UserName")).AsString(), typed);
    QVERIFY(u->FieldByName(QStringLiteral("Step_")).IsNull());
    QCOMPARE(u->RecNo(), existing.size() + 1);
    QCOMPARE(f.StoredNames(), existing + QStringList{typed});
}

void TestLogin::emptyNameRefused_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("nothing") << QString();
    QTest::newRow("only blanks") << QStringLiteral("   ");
}

void TestLogin::emptyNameRefused() {
    QFETCH(QString, typed);
    Fixture f;
    ModalSeen seen;
    bool stayed = false;
    const int r = f.Run(
        [&] {
            AnswerModal(QStringLiteral("OK"), &seen);
            Fixture::Type(typed);
            QTest::mouseClick(FLogin->sBitBtnExit, Qt::LeftButton);
        },
        &stayed);
    QVERIFY(stayed);
    QCOMPARE(r, int(mrCancel));
    QCOMPARE(seen.Message, QStringLiteral("کاربری انتخاب نشده است."));
    QCOMPARE(seen.Title, QStringLiteral("   اطلاع"));
    QCOMPARE(f.StoredNames(), QStringList());
}

void TestLogin::answeringNoCreatesNothing() {
    Fixture f;
    bool stayed = false;
    f.Run(
        [&] {
            AnswerModal(QStringLiteral("No"));
            Fixture::Type(QStringLiteral("نیما"));
            Fixture::Enter();
        },
        &stayed);
    QVERIFY(stayed);
    QCOMPARE(f.StoredNames(), QStringList());
}

void TestLogin::pickingAUser_data() {
    QTest::addColumn<QStringList>("users");
    QTest::addColumn<QString>("typed"); // empty: pick by index
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("recNo");
    const QStringList three{QStringLiteral("آرش"), QStringLiteral("بهار"), QStringLiteral("پویا")};
    QTest::newRow("by list") << three << QString() << 2 << 3;
    QTest::newRow("typed prefix completes") << three << QStringLiteral("به") << -1 << 2;
    QTest::newRow("typed whole name") << three << QStringLiteral("آرش") << -1 << 1;
    const QStringList twins{QStringLiteral("سینا"), QStringLiteral("سینا")};
    QTest::newRow("second of two alike") << twins << QString() << 1 << 2;
}

void TestLogin::pickingAUser() {
    QFETCH(QStringList, users);
    QFETCH(QString, typed);
    QFETCH(int, index);
    QFETCH(int, recNo);
    Fixture f(users);
    bool asked = false;
    const int r = f.Run([&] {
        WhenModal([&](QWidget *w) {
            asked = true;
            w->close();
        });
        if (typed.isEmpty())
            FLogin->sComboBox1->SetItemIndex(index);
        else
            Fixture::Type(typed);
        Fixture::Enter();
    });
    QCOMPARE(r, int(mrOk));
    QVERIFY(!asked);
    TDbTable *u = DataModule1->ADOTableUsers_;
    QCOMPARE(u->RecNo(), recNo);
    QCOMPARE(f.StoredNames(), users); // nothing created
    u->SetRecNo(recNo);
    QCOMPARE(u->FieldByName(QStringLiteral("UserName")).AsString(), users[recNo - 1]);
}

void TestLogin::deleteWithoutSelection() {
    Fixture f({QStringLiteral("یاسمن")});
    ModalSeen seen;
    bool stayed = false;
    f.Run(
        [&] {
            AnswerModal(QStringLiteral("OK"), &seen);
            QTest::mouseClick(FLogin->sBitBtn1, Qt::LeftButton);
        },
        &stayed);
    QVERIFY(stayed);
    QCOMPARE(seen.Message, QStringLiteral("کاربری جهت حذف انتخاب نشده است."));
    QCOMPARE(f.StoredNames(), QStringList{QStringLiteral("یاسمن")});
}

void TestLogin::deleteOnlyUser() {
    Fixture f({QStringLiteral("تنها")});
    ModalSeen seen;
    bool stayed = false;
    QStringList after;
    f.Run(
        [&] {
            FLogin->sComboBox1->SetItemIndex(0);
            AnswerModal(QStringLiteral("Yes"), &seen);
            QTest::mouseClick(FLogin->sBitBtn1, Qt::LeftButton);
            after = f.Names();
        },
        &stayed);
    QVERIFY(stayed);
    QCOMPARE(seen.Message, QStringLiteral("آیا مایل به حذف این کاربر هستید؟"));
    QCOMPARE(after, QStringList());
    QCOMPARE(f.StoredNames(), QStringList());
}

void TestLogin::deleteMiddleUser() {
    const QStringList three{QStringLiteral("اول"), QStringLiteral("دوم"), QStringLiteral("سوم")};
    Fixture f(three);
    QStringList after;
    int r = f.Run([&] {
        FLogin->sComboBox1->SetItemIndex(1);
        AnswerModal(QStringLiteral("Yes"));
        QTest::mouseClick(FLogin->sBitBtn1, Qt::LeftButton);
        after = f.Names();
        // The former third user is now entry 2, and logs in as record 2.
        FLogin->sComboBox1->SetItemIndex(1);
        Fixture::Enter();
    });
    QCOMPARE(r, int(mrOk));
    QCOMPARE(after, (QStringList{QStringLiteral("اول"), QStringLiteral("سوم")}));
    TDbTable *u = DataModule1->ADOTableUsers_;
    QCOMPARE(u->RecNo(), 2);
    QCOMPARE(u->FieldByName(QStringLiteral("UserName")).AsString(), QStringLiteral("سوم"));
}

void TestLogin::deleteAnsweredNo() {
    Fixture f({QStringLiteral("الف"), QStringLiteral("ب")});
    f.Run([&] {
        FLogin->sComboBox1->SetItemIndex(0);
        AnswerModalKey(Qt::Key_Escape);
        QTest::mouseClick(FLogin->sBitBtn1, Qt::LeftButton);
    });
    QCOMPARE(f.StoredNames(), (QStringList{QStringLiteral("الف"), QStringLiteral("ب")}));
}

void TestLogin::exitCancels_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("exit button") << "button";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("close box") << "close";
}

void TestLogin::exitCancels() {
    QFETCH(QString, how);
    Fixture f({QStringLiteral("کاوه")});
    WhenModal([&](QWidget *) {
        FLogin->sComboBox1->SetItemIndex(0);
        if (how == "button")
            QTest::mouseClick(FLogin->sBitBtn2, Qt::LeftButton);
        else if (how == "esc")
            QTest::keyClick(FLogin->sComboBox1->lineEdit(), Qt::Key_Escape);
        else
            FLogin->close();
    });
    QCOMPARE(FLogin->ShowModal(), int(mrCancel));
}

void TestLogin::userNotStoredIsTold() {
    Fixture f;
    ModalSeen confirm, error;
    bool stayed = false;
    const QString tooLong(300, u'ن');
    f.Run(
        [&] {
            WhenModal([&](QWidget *w) {
                confirm.Opened = true;
                AnswerModal(QStringLiteral("OK"), &error);
                QTest::mouseClick(w->findChild<QAbstractButton *>(QStringLiteral("Yes")),
                                  Qt::LeftButton);
            });
            FLogin->sComboBox1->SetText(tooLong);
            QTest::mouseClick(FLogin->sBitBtnExit, Qt::LeftButton);
        },
        &stayed);
    QVERIFY(confirm.Opened);
    QVERIFY(stayed);
    QCOMPARE(error.Title, QStringLiteral("   خطا"));
    QVERIFY2(error.Message.startsWith(QStringLiteral("کاربر جدید ذخیره نشد.")),
             qPrintable(error.Message));
    QCOMPARE(f.StoredNames(), QStringList());
    QFile log(ErrorLogPath());
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(log.readAll()).contains(QStringLiteral("کاربر جدید")));
}

void TestLogin::databaseMissingEndsLogin() {
    QTemporaryDir dir;
    InitAppPath(MakeDataFolder(dir));
    QVERIFY(QFile::remove(AppPath + QStringLiteral("Media/Acc.bnk")));
    DataModule1 = new TDataModule1();
    FMain = new TFMain();
    ModalSeen seen;
    AnswerModal(QStringLiteral("OK"), &seen);
    FLogin = new TFLogin(); // opens the database, and fails
    QVERIFY(seen.Opened);
    QVERIFY2(seen.Message.startsWith(QStringLiteral("خطا : ") + u'\n'), qPrintable(seen.Message));
    QVERIFY(FMain->DatabaseFailed());
    // The dialog closes at once as cancelled.
    QCOMPARE(FLogin->ShowModal(), int(mrCancel));
    delete FLogin;
    delete FMain;
    delete DataModule1;
    FLogin = nullptr;
    FMain = nullptr;
    DataModule1 = nullptr;
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
