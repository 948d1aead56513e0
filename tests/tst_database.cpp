// The encrypted database: schema, opening and its failures, the cursor,
// master-detail and the data-folder tool.

#include "TestSupport.h"
#include "data/Connection.h"
#include "data/DataModule1_.h"
#include "data/Schema.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

namespace {

// A data module connected to a fresh data folder.
struct Fixture {
    QTemporaryDir dir;
    QString appPath;
    TDataModule1 dm;
    Fixture() : appPath(MakeDataFolder(dir)) { dm.Connect(appPath); }
    QString DbFile() const { return appPath + QStringLiteral("Media/Acc.bnk"); }

    int AddUser(const QString &name) {
        TDbTable *u = dm.ADOTableUsers_;
        u->Append();
        u->FieldByName(QStringLiteral("UserName")).SetValue(name);
        u->Post();
        return u->FieldByName(QStringLiteral("ID")).AsInteger();
    }
    void AddSpeed(int speed, bool isTest = false) {
        TDbTable *s = dm.ADOTableSpeedRecord;
        s->Append();
        s->FieldByName(QStringLiteral("Date_")).SetValue(QStringLiteral("05/09/20"));
        s->FieldByName(QStringLiteral("Speed")).SetValue(speed);
        if (isTest)
            s->FieldByName(QStringLiteral("IsTestFlag")).SetValue(true);
        s->Post();
    }
    QList<int> Speeds() {
        QList<int> out;
        TDbTable *s = dm.ADOTableSpeedRecord;
        for (s->First(); !s->Eof(); s->Next())
            out << s->FieldByName(QStringLiteral("Speed")).AsInteger();
        return out;
    }
};

QString ConnectError(const QString &appPath) {
    TDataModule1 dm;
    try {
        dm.Connect(appPath);
    } catch (const EDatabaseError &e) {
        if (dm.ADOConnection1.Connected() || dm.ADOTableUsers_->Active())
            return QStringLiteral("left open after failure");
        return e.Message;
    }
    return QString();
}

// Runs SQL on the file with the key, outside the data module.
void RawExec(const QString &file, const QString &sql) {
    TDbConnection c;
    c.ConnectionString = DatabaseConnectionString(file);
    c.Open();
    c.Exec(sql);
}

} // namespace

class TestDatabase : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTestEnvironment(); }

    void schemaColumns_data();
    void schemaColumns();
    void emptyTablesOpen();
    void openFailures_data();
    void openFailures();
    void unreadableFile();
    void missingColumnIsAnError();
    void newerSchemaRefused();
    void fileIsEncrypted();

    void appendEditDeleteRequery();
    void recordNumbersFollowDeletes();
    void valuesAreChecked_data();
    void valuesAreChecked();
    void newRowDefaults();
    void postIsDurable();
    void masterDetail();
    void queryBindsValues();

    void toolKeepsExistingDatabase();
};

void TestDatabase::schemaColumns_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("columns"); // name:declared type, in order
    QTest::newRow("Users_") << "Users_"
                            << "ID:INTEGER UserName:VARCHAR(255) Step_:INTEGER";
    QTest::newRow("SpeedRecord")
        << "SpeedRecord"
        << "ID:INTEGER Key:INTEGER Date_:VARCHAR(255) Speed:INTEGER IsTestFlag:BOOLEAN";
    QTest::newRow("DarkText") << "DarkText"
                              << "ID:INTEGER Text_:TEXT";
    QTest::newRow("DarkQues") << "DarkQues"
                              << "ID:INTEGER IdxQues:INTEGER Ques:VARCHAR(255) "
                                 "Choice1:VARCHAR(255) Choice2:VARCHAR(255) Choice3:VARCHAR(255) "
                                 "Choice4:VARCHAR(255) Answer:INTEGER";
    QTest::newRow("DarkChart")
        << "DarkChart"
        << "ID:INTEGER Key:INTEGER Date_:VARCHAR(255) CorrectCount:INTEGER Speed:INTEGER";
    QTest::newRow("sodoko") << "sodoko"
                            << "ID:INTEGER Sodoko:VARCHAR(81) Solve:VARCHAR(81)";
    QTest::newRow("Emla") << "Emla"
                          << "ID:INTEGER Sahih:VARCHAR(255) Qalat:VARCHAR(255)";
    QTest::newRow("Leitner") << "Leitner"
                             << "ID:INTEGER Ques:VARCHAR(255) Answer:VARCHAR(255) "
                                "Level:SMALLINT RevNed:BOOLEAN";
    QTest::newRow("DOC") << "DOC"
                         << "ID:INTEGER Name:VARCHAR(100) File:BLOB";
}

void TestDatabase::schemaColumns() {
    QFETCH(QString, table);
    QFETCH(QString, columns);
    Fixture f;
    TDbStatement st(f.dm.ADOConnection1, QStringLiteral("PRAGMA table_info(\"%1\")").arg(table));
    QStringList got;
    while (st.Step())
        got << st.Column(1).toString() + u':' + st.Column(2).toString();
    QCOMPARE(got.join(u' '), columns);

    // Auto-increment keys are the row keys and are never reused.
    TDbStatement sql(f.dm.ADOConnection1,
                     QStringLiteral("SELECT sql FROM sqlite_master WHERE name = ?"));
    sql.Bind(1, table);
    QVERIFY(sql.Step());
    const QString create = sql.Column(0).toString();
    if (table == "DarkQues")
        QVERIFY(!create.contains(QStringLiteral("AUTOINCREMENT")));
    else
        QVERIFY(create.contains(QStringLiteral("PRIMARY KEY AUTOINCREMENT")));
}

void TestDatabase::emptyTablesOpen() {
    Fixture f;
    QCOMPARE(f.dm.Tables().size(), 9);
    for (TDbTable *t : f.dm.Tables()) {
        QVERIFY2(t->Active(), qPrintable(t->TableName()));
        QCOMPARE(t->RecordCount(), 0);
        QCOMPARE(t->RecNo(), 0);
        QVERIFY(t->Eof());
    }
    QVERIFY(!f.dm.ADOQueryLeitner->Active());
    QVERIFY(!f.dm.ADOQueryLeitnerRev->Active());
    QCOMPARE(f.dm.ADOConnection1.UserVersion(), SchemaVersion());
}

void TestDatabase::openFailures_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing file") << "remove"
                                  << "پیدا نشد";
    QTest::newRow("wrong key") << "rekey"
                               << "کلید";
    QTest::newRow("not a database") << "garbage"
                                    << "خراب";
    QTest::newRow("plain sqlite file") << "plain"
                                       << "خراب";
}

void TestDatabase::openFailures() {
    QFETCH(QString, damage);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString app = MakeDataFolder(dir);
    const QString file = app + QStringLiteral("Media/Acc.bnk");
    if (damage == "remove") {
        QVERIFY(QFile::remove(file));
    } else if (damage == "rekey") {
        RawExec(file, QStringLiteral("PRAGMA rekey = 'another'"));
    } else {
        QVERIFY(QFile::remove(file));
        if (damage == "plain") {
            TDbConnection c;
            c.ConnectionString = QStringLiteral("Data Source=") + file;
            c.Open(true);
            c.Exec(QStringLiteral("CREATE TABLE Users_(ID INTEGER)"));
        } else {
            QFile g(file);
            QVERIFY(g.open(QIODevice::WriteOnly));
            g.write(QByteArray(4096, 'x'));
        }
    }
    const QString err = ConnectError(app);
    QVERIFY2(err.contains(expected), qPrintable(err));
}

void TestDatabase::unreadableFile() {
    if (geteuid() == 0)
        QSKIP("file permissions do not bind the superuser");
    QTemporaryDir dir;
    const QString app = MakeDataFolder(dir);
    QFile::setPermissions(app + QStringLiteral("Media/Acc.bnk"), QFileDevice::WriteOwner);
    QVERIFY(ConnectError(app).contains(QStringLiteral("خواندنی نیست")));
}

void TestDatabase::missingColumnIsAnError() {
    QTemporaryDir dir;
    const QString app = MakeDataFolder(dir);
    RawExec(app + QStringLiteral("Media/Acc.bnk"),
            QStringLiteral("DROP TABLE Emla; CREATE TABLE Emla (ID INTEGER PRIMARY KEY, "
                           "Sahih VARCHAR(255))"));
    const QString err = ConnectError(app);
    QVERIFY2(err.contains(QStringLiteral("Qalat")) && err.contains(QStringLiteral("Emla")),
             qPrintable(err));
}

void TestDatabase::newerSchemaRefused() {
    QTemporaryDir dir;
    const QString app = MakeDataFolder(dir);
    RawExec(app + QStringLiteral("Media/Acc.bnk"),
            QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion() + 1));
    QVERIFY(ConnectError(app).contains(QStringLiteral("تازه‌تر")));
}

void TestDatabase::fileIsEncrypted() {
    Fixture f;
    f.AddUser(QStringLiteral("سارا"));
    QFile file(f.DbFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.startsWith("SQLite format 3"));
    QVERIFY(!bytes.contains(QStringLiteral("سارا").toUtf8()));
    QVERIFY(!bytes.contains("UserName"));
    // The stock shell cannot read it, where it is installed.
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (!shell.isEmpty()) {
        QProcess p;
        p.start(shell, {f.DbFile(), QStringLiteral("SELECT count(*) FROM Users_;")});
        QVERIFY(p.waitForFinished());
        QVERIFY(p.exitCode() != 0);
    }
}

void TestDatabase::appendEditDeleteRequery() {
    Fixture f;
    TDbTable *u = f.dm.ADOTableUsers_;
    const int a = f.AddUser(QStringLiteral("علی"));
    const int b = f.AddUser(QStringLiteral(" مریم "));
    QVERIFY(b > a);
    QCOMPARE(u->RecordCount(), 2);
    QCOMPARE(u->RecNo(), 2); // the appended row is current

    u->SetRecNo(1);
    u->Edit();
    u->FieldByName(QStringLiteral("Step_")).SetValue(7);
    u->Post();
    u->Requery();
    u->SetRecNo(1);
    QCOMPARE(u->FieldByName(QStringLiteral("Step_")).AsInteger(), 7);
    u->SetRecNo(2);
    QCOMPARE(u->FieldByName(QStringLiteral("UserName")).AsString(), QStringLiteral(" مریم "));

    // Cancel drops a pending edit.
    u->Edit();
    u->FieldByName(QStringLiteral("UserName")).SetValue(QStringLiteral("x"));
    u->Cancel();
    QCOMPARE(u->FieldByName(QStringLiteral("UserName")).AsString(), QStringLiteral(" مریم "));

    u->Delete();
    QCOMPARE(u->RecordCount(), 1);
    u->Requery();
    QCOMPARE(u->RecordCount(), 1);
    QCOMPARE(u->FieldByName(QStringLiteral("ID")).AsInteger(), a);

    // A key once used is not given again.
    const int c = f.AddUser(QStringLiteral("رضا"));
    QVERIFY(c > b);
}

void TestDatabase::recordNumbersFollowDeletes() {
    Fixture f;
    TDbTable *u = f.dm.ADOTableUsers_;
    const int first = f.AddUser(QStringLiteral("یک"));
    f.AddUser(QStringLiteral("دو"));
    const int third = f.AddUser(QStringLiteral("سه"));
    u->SetRecNo(2);
    u->Delete();
    u->Requery();
    QCOMPARE(u->RecordCount(), 2);
    u->SetRecNo(2);
    QCOMPARE(u->FieldByName(QStringLiteral("ID")).AsInteger(), third);
    u->SetRecNo(1);
    QCOMPARE(u->FieldByName(QStringLiteral("ID")).AsInteger(), first);
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, u->SetRecNo(3));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, u->SetRecNo(0));
    // Walking the rows.
    QStringList names;
    for (u->First(); !u->Eof(); u->Next())
        names << u->FieldByName(QStringLiteral("UserName")).AsString();
    QCOMPARE(names, QStringList({QStringLiteral("یک"), QStringLiteral("سه")}));
    u->Last();
    u->Prior();
    QCOMPARE(u->RecNo(), 1);
    u->Prior();
    QVERIFY(u->Bof());
}

void TestDatabase::valuesAreChecked_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("name at limit") << "Users_"
                                   << "UserName" << QVariant(QString(255, u'ب')) << true;
    QTest::newRow("name too long") << "Users_"
                                   << "UserName" << QVariant(QString(256, u'ب')) << false;
    QTest::newRow("doc name too long") << "DOC"
                                       << "Name" << QVariant(QString(101, u'a')) << false;
    QTest::newRow("puzzle too long") << "sodoko"
                                     << "Sodoko" << QVariant(QString(82, u'1')) << false;
    QTest::newRow("key is not written") << "Users_"
                                        << "ID" << QVariant(5) << false;
    QTest::newRow("integer text") << "Users_"
                                  << "Step_" << QVariant(QStringLiteral("۳x")) << false;
    QTest::newRow("small integer range") << "Leitner"
                                         << "Level" << QVariant(40000) << false;
    QTest::newRow("small integer") << "Leitner"
                                   << "Level" << QVariant(6) << true;
}

void TestDatabase::valuesAreChecked() {
    QFETCH(QString, table);
    QFETCH(QString, field);
    QFETCH(QVariant, value);
    QFETCH(bool, accepted);
    Fixture f;
    TDbTable *t = nullptr;
    for (TDbTable *x : f.dm.Tables())
        if (x->TableName() == table)
            t = x;
    QVERIFY(t);
    t->Append();
    bool ok = true;
    try {
        t->FieldByName(field).SetValue(value);
        t->Post();
    } catch (const EDatabaseError &) {
        ok = false;
        t->Cancel();
    }
    QCOMPARE(ok, accepted);
    t->Requery();
    QCOMPARE(t->RecordCount(), accepted ? 1 : 0);
}

void TestDatabase::newRowDefaults() {
    Fixture f;
    f.AddUser(QStringLiteral("نو"));
    TDbTable *u = f.dm.ADOTableUsers_;
    QVERIFY(u->FieldByName(QStringLiteral("Step_")).IsNull());
    QCOMPARE(u->FieldByName(QStringLiteral("Step_")).AsInteger(), 0);
    TDbTable *l = f.dm.ADOTableLeitner;
    l->Append();
    l->FieldByName(QStringLiteral("Ques")).SetValue(QStringLiteral("سؤال"));
    l->Post();
    l->Requery();
    QCOMPARE(l->FieldByName(QStringLiteral("RevNed")).AsBoolean(), false);
    QVERIFY(!l->FieldByName(QStringLiteral("RevNed")).IsNull());
}

void TestDatabase::postIsDurable() {
    Fixture f;
    f.AddUser(QStringLiteral("ماندگار"));
    // Another connection sees the row at once, without closing ours.
    TDataModule1 other;
    other.Connect(f.appPath);
    QCOMPARE(other.ADOTableUsers_->RecordCount(), 1);
    // And rows written elsewhere appear here after a requery.
    other.ADOTableUsers_->Append();
    other.ADOTableUsers_->FieldByName(QStringLiteral("UserName")).SetValue(QStringLiteral("دیگر"));
    other.ADOTableUsers_->Post();
    QCOMPARE(f.dm.ADOTableUsers_->RecordCount(), 1);
    f.dm.ADOTableUsers_->Requery();
    QCOMPARE(f.dm.ADOTableUsers_->RecordCount(), 2);
}

void TestDatabase::masterDetail() {
    Fixture f;
    TDbTable *u = f.dm.ADOTableUsers_;
    TDbTable *s = f.dm.ADOTableSpeedRecord;
    const int ids[] = {f.AddUser(QStringLiteral("اول")), f.AddUser(QStringLiteral("دوم")),
                       f.AddUser(QStringLiteral("سوم"))};
    u->SetRecNo(2);
    f.AddSpeed(250);
    f.AddSpeed(300, true);
    QCOMPARE(s->FieldByName(QStringLiteral("ID")).AsInteger(), ids[1]);
    QCOMPARE(s->RecNo(), 2);
    u->SetRecNo(3);
    QCOMPARE(s->RecordCount(), 0);
    f.AddSpeed(180);
    QCOMPARE(s->FieldByName(QStringLiteral("ID")).AsInteger(), ids[2]);
    u->SetRecNo(1);
    QCOMPARE(s->RecordCount(), 0);
    u->SetRecNo(2);
    QCOMPARE(f.Speeds(), QList<int>({250, 300}));
    s->SetRecNo(1);
    QCOMPARE(s->FieldByName(QStringLiteral("IsTestFlag")).AsBoolean(), false);
    s->SetRecNo(2);
    QCOMPARE(s->FieldByName(QStringLiteral("IsTestFlag")).AsBoolean(), true);

    // Deleting a detail row leaves the other user's rows alone.
    s->SetRecNo(1);
    s->Delete();
    QCOMPARE(f.Speeds(), QList<int>({300}));
    u->SetRecNo(3);
    QCOMPARE(f.Speeds(), QList<int>({180}));

    // After a requery of the master the detail still follows it.
    u->Requery();
    u->SetRecNo(2);
    s->Requery();
    QCOMPARE(f.Speeds(), QList<int>({300}));

    // Questions follow their text the same way.
    TDbTable *t = f.dm.ADOTableDarkText;
    TDbTable *q = f.dm.ADOTableDarkQues;
    t->Append();
    t->FieldByName(QStringLiteral("Text_")).SetValue(QStringLiteral("متن"));
    t->Post();
    q->Append();
    q->FieldByName(QStringLiteral("Ques")).SetValue(QStringLiteral("چرا؟"));
    q->Post();
    QCOMPARE(q->FieldByName(QStringLiteral("ID")).AsInteger(),
             t->FieldByName(QStringLiteral("ID")).AsInteger());
}

void TestDatabase::queryBindsValues() {
    Fixture f;
    f.AddUser(QStringLiteral("a'; DROP TABLE Users_; --"));
    f.AddUser(QStringLiteral("ب"));
    TDbQuery *q = f.dm.ADOQueryLeitner;
    q->SQL = QStringLiteral("SELECT ID, UserName FROM Users_ WHERE UserName = ?");
    q->Params = {QStringLiteral("a'; DROP TABLE Users_; --")};
    q->Open();
    QCOMPARE(q->RecordCount(), 1);
    QCOMPARE(q->FieldByName(QStringLiteral("UserName")).AsString(),
             QStringLiteral("a'; DROP TABLE Users_; --"));
    q->Close();
    q->SQL = QStringLiteral("UPDATE Users_ SET Step_ = ? WHERE UserName = ?");
    q->Params = {3, QStringLiteral("ب")};
    QCOMPARE(q->ExecSQL(), 1);
    f.dm.ADOTableUsers_->Requery();
    QCOMPARE(f.dm.ADOTableUsers_->RecordCount(), 2);
}

void TestDatabase::toolKeepsExistingDatabase() {
    QTemporaryDir dir;
    const QString app = MakeDataFolder(dir);
    {
        TDataModule1 dm;
        dm.Connect(app);
        dm.ADOTableUsers_->Append();
        dm.ADOTableUsers_->FieldByName(QStringLiteral("UserName"))
            .SetValue(QStringLiteral("کاربر"));
        dm.ADOTableUsers_->Post();
    }
    auto users = [&] {
        TDataModule1 dm;
        dm.Connect(app);
        return dm.ADOTableUsers_->RecordCount();
    };
    QCOMPARE(
        RunMkData({QStringLiteral("--db-only"), QStringLiteral(TIZBIN_CONTENT_DIR), dir.path()}),
        0);
    QCOMPARE(users(), 1);
    QCOMPARE(RunMkData({QStringLiteral("--db-only"), QStringLiteral("--force"),
                        QStringLiteral(TIZBIN_CONTENT_DIR), dir.path()}),
             0);
    QCOMPARE(users(), 0);
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
