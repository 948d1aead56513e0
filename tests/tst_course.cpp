// The ten-lesson course: progress, flags and buttons, whole lessons driven
// through their exercises and reading tests.

#include "TestSupport.h"
#include "common/Paths.h"
#include "common/Theme.h"
#include "common/Timer.h"
#include "course/FSteps_.h"
#include "data/DataModule1_.h"
#include "display/FDisplay_.h"
#include "display/FWait_.h"
#include "speed/FSpeedTest_.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Answers instruction screens and reading tests, and finishes every exercise
// through its clock; can press Esc in the exercise numbered escAt.
class Pilot : public QObject {
public:
    QStringList Exercises; // kind:interval:seconds
    int Tests = 0;
    int EscAt = -1;
    Pilot() {
        connect(&timer, &QTimer::timeout, this, &Pilot::Poll);
        timer.start(1);
    }

private:
    void Poll() {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == FWait && FWait->isVisible()) {
            driven = false;
            QTest::keyClick(FWait, Qt::Key_Space);
        } else if (modal == FSpeedTest && FSpeedTest->isVisible()) {
            ++Tests;
            // Answered as a reader would: Space, a second of reading, Space.
            QWidget *focus = QApplication::focusWidget();
            QWidget *target = focus && FSpeedTest->isAncestorOf(focus) ? focus : FSpeedTest;
            QTest::keyClick(target, Qt::Key_Space);
            FSpeedTest->Timer1Timer();
            QTest::keyClick(target, Qt::Key_Space);
            QTest::mouseClick(FSpeedTest->sBitBtn6, Qt::LeftButton);
        } else if (FDisplay->Waiting() && !driven) {
            driven = true;
            Exercises << QStringLiteral("%1:%2:%3")
                             .arg(ExerciseKind)
                             .arg(FDisplay->TimerBall->Interval())
                             .arg(FDisplay->FinishTime());
            if (Exercises.size() - 1 == EscAt) {
                QTest::keyClick(FDisplay, Qt::Key_Escape);
                return;
            }
            while (FDisplay->Waiting() && FDisplay->SecTimer() < FDisplay->FinishTime())
                FDisplay->TimerZamanTimer();
        }
    }
    QTimer timer;
    bool driven = false;
};

QVariant StoredStep() {
    TDbTable *u = DataModule1->ADOTableUsers_;
    TDbStatement st(DataModule1->ADOConnection1,
                    QStringLiteral("SELECT Step_ FROM Users_ WHERE ID = ?"));
    st.Bind(1, u->FieldByName(QStringLiteral("ID")).AsInteger());
    return st.Step() ? st.Column(0) : QVariant();
}

void SetStep(const QVariant &v) {
    TDbTable *u = DataModule1->ADOTableUsers_;
    u->Edit();
    u->FieldByName(QStringLiteral("Step_")).SetValue(v);
    u->Post();
}

QString Shown() {
    QString flags, buttons;
    for (int k = 1; k <= 10; ++k) {
        flags += FSteps->LessonFlag(k)->isVisible() ? u'F' : u'.';
        buttons += FSteps->LessonButton(k)->isEnabled() ? u'B' : u'.';
    }
    return flags + u' ' + buttons;
}

int TestRows() {
    TDbTable *s = DataModule1->ADOTableSpeedRecord;
    int n = 0;
    for (s->First(); !s->Eof(); s->Next())
        n += s->FieldByName(QStringLiteral("IsTestFlag")).AsBoolean() ? 1 : 0;
    return n;
}

} // namespace

class TestCourse : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void enableStep_data();
    void enableStep();
    void lessons_data();
    void lessons();
    void repeatingAnEarlierLesson();
    void escInTheMiddle();
    void noSecondLesson();

private:
    QTemporaryDir dir;
};

void TestCourse::initTestCase() {
    InitTestEnvironment();
    TTimer::ManualTicks = true;
    InitAppPath(MakeDataFolder(dir, true));
    DataModule1 = new TDataModule1();
    DataModule1->Connect(AppPath);
    TDbTable *u = DataModule1->ADOTableUsers_;
    for (const char *n : {"other", "learner"}) {
        u->Append();
        u->FieldByName(QStringLiteral("UserName")).SetValue(QString::fromLatin1(n));
        u->Post();
    }
    FDisplay = new TFDisplay();
    FWait = new TFWait();
    FSpeedTest = new TFSpeedTest();
    FSteps = new TFSteps();
}

void TestCourse::init() {
    CancelModalWatchers();
    FSteps->Close();
    DataModule1->ADOTableUsers_->SetRecNo(2);
    TDbTable *s = DataModule1->ADOTableSpeedRecord;
    while (!s->IsEmpty())
        s->Delete();
}

void TestCourse::enableStep_data() {
    QTest::addColumn<QVariant>("step");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");
    QTest::newRow("new user") << QVariant() << ".......... B........." << 1;
    QTest::newRow("zero") << QVariant(0) << ".......... B........." << 1;
    QTest::newRow("one") << QVariant(1) << ".......... B........." << 1;
    QTest::newRow("seven") << QVariant(7) << "FFFFFF.... BBBBBBB..." << 7;
    QTest::newRow("all done") << QVariant(11) << "FFFFFFFFFF BBBBBBBBBB" << 11;
    QTest::newRow("above range") << QVariant(12) << ".......... B........." << 1;
}

void TestCourse::enableStep() {
    QFETCH(QVariant, step);
    QFETCH(QString, shown);
    QFETCH(int, stored);
    SetStep(step);
    FSteps->Show();
    QCOMPARE(Shown(), shown);
    QCOMPARE(StoredStep().toInt(), stored);
    QCOMPARE(DataModule1->ADOTableUsers_->RecNo(), 2); // still the same user
    QCOMPARE(FDisplay->SenderForm.data(), static_cast<QWidget *>(FSteps));
}

void TestCourse::lessons_data() {
    QTest::addColumn<int>("lesson");
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<int>("tests");
    QTest::addColumn<QStringList>("exercises"); // kind:interval:seconds, from the lesson table
    QTest::addColumn<QString>("shown");
    QTest::newRow("lesson 1, new user")
        << 1 << QVariant() << 2
        << QStringList{"0:600:50", "4:500:50", "1:600:50", "4:1000:50", "2:600:50",
                       "5:100:50", "3:600:50", "5:100:60", "6:600:60",  "7:200:120"}
        << QStringLiteral("F......... BB........");
    QTest::newRow("lesson 10") << 10 << QVariant(10) << 1
                               << QStringList{"0:300:50", "4:500:50", "1:300:50", "4:500:50",
                                              "2:300:50", "7:50:120", "3:300:50", "7:50:120",
                                              "4:500:50", "7:50:180"}
                               << QStringLiteral("FFFFFFFFFF BBBBBBBBBB");
}

void TestCourse::lessons() {
    QFETCH(int, lesson);
    QFETCH(QVariant, before);
    QFETCH(int, tests);
    QFETCH(QStringList, exercises);
    QFETCH(QString, shown);
    SetStep(before);
    FSteps->Show();
    Pilot pilot;
    QVERIFY(FSteps->RunLesson(lesson));
    QCOMPARE(pilot.Tests, tests);
    QCOMPARE(pilot.Exercises, exercises);
    QCOMPARE(StoredStep().toInt(), lesson + 1);
    QCOMPARE(TestRows(), tests);
    QCOMPARE(Shown(), shown);
    QVERIFY(!FDisplay->isVisible());
    QVERIFY(FSteps->isVisible());
}

void TestCourse::repeatingAnEarlierLesson() {
    SetStep(7);
    FSteps->Show();
    Pilot pilot;
    QVERIFY(FSteps->RunLesson(2));
    QCOMPARE(StoredStep().toInt(), 3);
    // What is shown stays until the window is shown again.
    QCOMPARE(Shown(), QStringLiteral("FFFFFF.... BBBBBBB..."));
    FSteps->Close();
    FSteps->Show();
    QCOMPARE(Shown(), QStringLiteral("FF........ BBB......."));
}

void TestCourse::escInTheMiddle() {
    SetStep(4);
    FSteps->Show();
    Pilot pilot;
    pilot.EscAt = 4;
    QVERIFY(!FSteps->RunLesson(4));
    QCOMPARE(pilot.Exercises.size(), 5);
    QCOMPARE(pilot.Tests, 0);
    QCOMPARE(StoredStep().toInt(), 4);
    QCOMPARE(TestRows(), 0);
    QVERIFY(!FDisplay->isVisible());
    QVERIFY(FSteps->isVisible());
}

void TestCourse::noSecondLesson() {
    SetStep(3);
    FSteps->Show();
    bool refused = false;
    QTimer inside;
    connect(&inside, &QTimer::timeout, [&] {
        if (FDisplay->Waiting()) {
            inside.stop();
            refused = !FSteps->RunLesson(1);
            QTest::mouseClick(FSteps->LessonButton(2), Qt::LeftButton);
        }
    });
    inside.start(1);
    Pilot pilot;
    QVERIFY(FSteps->RunLesson(3));
    QVERIFY(refused);
    QCOMPARE(pilot.Exercises.size(), 10);
    QCOMPARE(StoredStep().toInt(), 4);
}

QTEST_MAIN(TestCourse)
#include "tst_course.moc"
