// The reading speed test and the timed practice, against a real database.

#include "TestSupport.h"
#include "common/Paths.h"
#include "common/Theme.h"
#include "common/Timer.h"
#include "common/UtilityFuncs.h"
#include "data/DataModule1_.h"
#include "display/FDisplay_.h"
#include "speed/FSpeedTest_.h"
#include "speed/FTamrinTondKhani_.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

void WriteAllTexts(int words) {
    QStringList w;
    for (int i = 0; i < words; ++i)
        w << QStringLiteral("کلمه%1").arg(i);
    ::WriteAllTexts(w.join(u' ').toUtf8());
}

struct Row {
    int Id, Speed;
    bool Test;
    QString Date;
};

QList<Row> Rows() {
    QList<Row> out;
    TDbTable *t = DataModule1->ADOTableSpeedRecord;
    for (t->First(); !t->Eof(); t->Next())
        out << Row{t->FieldByName(QStringLiteral("ID")).AsInteger(),
                   t->FieldByName(QStringLiteral("Speed")).AsInteger(),
                   t->FieldByName(QStringLiteral("IsTestFlag")).AsBoolean(),
                   t->FieldByName(QStringLiteral("Date_")).AsString()};
    return out;
}

// A key as the keyboard sends it: to the focused control of the window.
void Key(QWidget *window, Qt::Key key) {
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus && window->isAncestorOf(focus) ? focus : window, key);
}

} // namespace

class TestSpeed : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void reading_data();
    void reading();
    void passageLength_data();
    void passageLength();
    void closeRefusedWhileReading_data();
    void closeRefusedWhileReading();
    void escape_data();
    void escape();
    void resultNotStoredIsTold();

private:
    QTemporaryDir dir;
    int userId = 0;
};

void TestSpeed::initTestCase() {
    InitTestEnvironment();
    TTimer::ManualTicks = true;
    InitAppPath(MakeDataFolder(dir));
    DataModule1 = new TDataModule1();
    DataModule1->Connect(AppPath);
    TDbTable *u = DataModule1->ADOTableUsers_;
    for (const char *n : {"first", "second"}) {
        u->Append();
        u->FieldByName(QStringLiteral("UserName")).SetValue(QString::fromLatin1(n));
        u->Post();
    }
    u->SetRecNo(2);
    userId = u->FieldByName(QStringLiteral("ID")).AsInteger();
    FDisplay = new TFDisplay();
    FSpeedTest = new TFSpeedTest();
    FTamrinTondKhani = new TFTamrinTondKhani();
}

void TestSpeed::init() {
    CancelModalWatchers();
    TDbTable *t = DataModule1->ADOTableSpeedRecord;
    while (!t->IsEmpty())
        t->Delete();
}

void TestSpeed::reading_data() {
    QTest::addColumn<bool>("practice");
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("speed");
    QTest::newRow("180 words in 60 s") << false << 180 << 60 << 180;
    QTest::newRow("150 in 16 s, half to even") << false << 150 << 16 << 562;
    QTest::newRow("199 in 7 s") << false << 199 << 7 << 1706;
    QTest::newRow("within the first second") << false << 170 << 0 << 0;
    QTest::newRow("practice") << true << 160 << 40 << 240;
}

void TestSpeed::reading() {
    QFETCH(bool, practice);
    QFETCH(int, words);
    QFETCH(int, seconds);
    QFETCH(int, speed);
    WriteAllTexts(400);
    TReadingForm *form = practice ? static_cast<TReadingForm *>(FTamrinTondKhani)
                                  : static_cast<TReadingForm *>(FSpeedTest);
    QString hiddenBefore, prompt, clock;
    WhenModal([&](QWidget *) {
        form->Prepare(words);
        hiddenBefore = form->Memo1->toPlainText();
        Key(form, Qt::Key_Space);
        for (int i = 0; i < seconds; ++i)
            form->Timer1Timer();
        clock = form->LblTime->text();
        Key(form, Qt::Key_Space);
        prompt = form->sLabelFX5->text();
        Key(form, Qt::Key_Space); // a third press does nothing
        QTest::mouseClick(form->sBitBtn6, Qt::LeftButton);
    });
    form->ShowModal();
    QCOMPARE(hiddenBefore, QString());
    QCOMPARE(form->Memo1->toPlainText().count(u' '), words);
    QCOMPARE(prompt, QStringLiteral("پایان تست."));
    QCOMPARE(clock, ClockText(seconds, QStringLiteral(" : ")));
    QCOMPARE(form->LblSpeed->text(), QString::number(speed));
    const QList<Row> rows = Rows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].Id, userId);
    QCOMPARE(rows[0].Speed, speed);
    QCOMPARE(rows[0].Test, !practice);
    QCOMPARE(rows[0].Date, GetPersianDate());
}

void TestSpeed::passageLength_data() {
    QTest::addColumn<int>("textWords");
    QTest::newRow("long text") << 400;
    QTest::newRow("short text") << 90;
    QTest::newRow("empty text") << 0;
}

void TestSpeed::passageLength() {
    QFETCH(int, textWords);
    WriteAllTexts(textWords);
    for (int round = 0; round < 5; ++round) {
        int count = -1;
        QString passage;
        WhenModal([&](QWidget *) {
            count = SpeedTestState.WordCount;
            passage = FSpeedTest->MemoTemp->toPlainText();
            QTest::mouseClick(FSpeedTest->sBitBtn6, Qt::LeftButton);
        });
        FSpeedTest->ShowModal();
        if (textWords >= 199)
            QVERIFY2(count >= 150 && count <= 199, qPrintable(QString::number(count)));
        else
            QCOMPARE(count, textWords);
        QCOMPARE(passage.count(u' '), count);
        if (count > 0)
            QVERIFY(passage.startsWith(QStringLiteral("کلمه0 ")));
    }
    QCOMPARE(Rows().size(), 0); // closing without reading stores nothing
}

void TestSpeed::closeRefusedWhileReading_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("exit button") << "button";
    QTest::newRow("close box") << "close";
}

void TestSpeed::closeRefusedWhileReading() {
    QFETCH(QString, how);
    WriteAllTexts(300);
    ModalSeen seen;
    bool stayed = false;
    WhenModal([&](QWidget *) {
        Key(FSpeedTest, Qt::Key_Space);
        AnswerModal(QStringLiteral("OK"), &seen);
        if (how == "button")
            QTest::mouseClick(FSpeedTest->sBitBtn6, Qt::LeftButton);
        else
            FSpeedTest->close();
        QCoreApplication::processEvents();
        stayed = FSpeedTest->isVisible();
        FSpeedTest->Timer1Timer();
        Key(FSpeedTest, Qt::Key_Space);
        FSpeedTest->close();
    });
    FSpeedTest->ShowModal();
    QVERIFY(stayed);
    QCOMPARE(seen.Message, QStringLiteral("در هنگام اجرای تست امکان خروج وجود ندارد، ابتدا "
                                          "تست را به پایان برسانید."));
    QCOMPARE(seen.Title, QStringLiteral("   اطلاع"));
    QCOMPARE(Rows().size(), 1);
    QVERIFY(!FSpeedTest->isVisible());
}

void TestSpeed::escape_data() {
    QTest::addColumn<bool>("practice");
    QTest::newRow("test: Esc does nothing") << false;
    QTest::newRow("practice: Esc closes") << true;
}

void TestSpeed::escape() {
    QFETCH(bool, practice);
    WriteAllTexts(300);
    TReadingForm *form = practice ? static_cast<TReadingForm *>(FTamrinTondKhani)
                                  : static_cast<TReadingForm *>(FSpeedTest);
    bool openAfterEsc = false, refusedWhileReading = false;
    WhenModal([&](QWidget *) {
        Key(form, Qt::Key_Escape);
        QCoreApplication::processEvents();
        openAfterEsc = form->isVisible();
        if (openAfterEsc) {
            Key(form, Qt::Key_Space);
            AnswerModal(QStringLiteral("OK"));
            Key(form, Qt::Key_Escape);
            QCoreApplication::processEvents();
            refusedWhileReading = form->isVisible();
            CancelModalWatchers();
            Key(form, Qt::Key_Space);
            form->close();
        }
    });
    form->ShowModal();
    QCOMPARE(openAfterEsc, !practice);
    if (!practice)
        QVERIFY(refusedWhileReading);
    QCOMPARE(Rows().size(), practice ? 0 : 1);
}

void TestSpeed::resultNotStoredIsTold() {
    WriteAllTexts(300);
    DataModule1->ADOConnection1.Exec(
        QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON SpeedRecord BEGIN SELECT "
                       "RAISE(ABORT, 'full'); END"));
    ModalSeen seen;
    bool usable = false;
    WhenModal([&](QWidget *) {
        Key(FSpeedTest, Qt::Key_Space);
        FSpeedTest->Timer1Timer();
        AnswerModal(QStringLiteral("OK"), &seen);
        Key(FSpeedTest, Qt::Key_Space);
        usable = FSpeedTest->isVisible() && !FSpeedTest->Timer1->Enabled();
        FSpeedTest->close();
    });
    FSpeedTest->ShowModal();
    DataModule1->ADOConnection1.Exec(QStringLiteral("DROP TRIGGER refuse"));
    QVERIFY(usable);
    QCOMPARE(seen.Title, QStringLiteral("   خطا"));
    QVERIFY2(seen.Message.startsWith(QStringLiteral("نتیجهٔ آزمون سرعت خواندن ذخیره نشد.")),
             qPrintable(seen.Message));
    QVERIFY(!FSpeedTest->isVisible());
    QCOMPARE(DataModule1->ADOTableSpeedRecord->State(), TDataSetState::Browse);
    DataModule1->ADOTableSpeedRecord->Requery();
    QCOMPARE(Rows().size(), 0);
}

QTEST_MAIN(TestSpeed)
#include "tst_speed.moc"
