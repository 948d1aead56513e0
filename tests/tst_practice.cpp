// The speed-reading practice menu and the text-pacing settings window.

#include "TestSupport.h"
#include "common/Paths.h"
#include "common/Theme.h"
#include "common/Timer.h"
#include "course/FKaheshMaksCheshmiMain_.h"
#include "course/FSPeedTestMainForm_.h"
#include "data/DataModule1_.h"
#include "display/FDisplay_.h"
#include "display/FWait_.h"
#include "speed/FTamrinTondKhani_.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

class TestPractice : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void captions_data();
    void captions();
    void runWithInitialValues_data();
    void runWithInitialValues();
    void spinValue_data();
    void spinValue();
    void escClosesOnlyItsWindow();
    void practiceOpensModally();

private:
    QTemporaryDir dir;
};

void TestPractice::initTestCase() {
    InitTestEnvironment();
    TTimer::ManualTicks = true;
    InitAppPath(MakeDataFolder(dir, true));
    DataModule1 = new TDataModule1();
    DataModule1->Connect(AppPath);
    DataModule1->ADOTableUsers_->Append();
    DataModule1->ADOTableUsers_->FieldByName(QStringLiteral("UserName"))
        .SetValue(QStringLiteral("نگار"));
    DataModule1->ADOTableUsers_->Post();
    FDisplay = new TFDisplay();
    FWait = new TFWait();
    FSPeedTestMainForm = new TFSPeedTestMainForm();
    FTamrinTondKhani = new TFTamrinTondKhani();
    FKaheshMaksCheshmiMain = new TFKaheshMaksCheshmiMain();
}

void TestPractice::captions_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("caption");
    QTest::newRow("moving letters") << "sBitBtn2" << 7 << QStringLiteral("تمرین حروف در حرکت");
    QTest::newRow("then word groups") << "sBitBtn7" << 6 << QStringLiteral("تمرین کاهش مکث چشمی");
}

void TestPractice::captions() {
    QFETCH(QString, button);
    QFETCH(int, kind);
    QFETCH(QString, caption);
    FSPeedTestMainForm->Show();
    QTest::mouseClick(FSPeedTestMainForm->Find<QPushButton>(button), Qt::LeftButton);
    QCOMPARE(int(PracticeKind), kind);
    QVERIFY(FKaheshMaksCheshmiMain->isVisible());
    QCOMPARE(FKaheshMaksCheshmiMain->windowTitle(), caption);
    QCOMPARE(FDisplay->SenderForm.data(), static_cast<QWidget *>(FKaheshMaksCheshmiMain));
}

void TestPractice::runWithInitialValues_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("exercise");
    QTest::addColumn<int>("interval");
    QTest::newRow("word groups of three") << 6 << 6 << 1800;
    QTest::newRow("moving letters") << 7 << 7 << 600;
}

void TestPractice::runWithInitialValues() {
    QFETCH(int, kind);
    QFETCH(int, exercise);
    QFETCH(int, interval);
    PracticeKind = std::uint8_t(kind);
    FKaheshMaksCheshmiMain->Show();
    QCOMPARE(FKaheshMaksCheshmiMain->sSpinEditSpeed->value(), 100);
    QCOMPARE(FKaheshMaksCheshmiMain->sSpinEditTime->value(), 10);
    int seenKind = -1, seenInterval = 0, finish = 0, groupSize = 0;
    QString speed;
    WhenModal([](QWidget *w) { QTest::keyClick(w, Qt::Key_Space); });
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        if (!FDisplay->Waiting())
            return;
        poll.stop();
        seenKind = ExerciseKind;
        seenInterval = FDisplay->TimerBall->Interval();
        finish = FDisplay->FinishTime();
        speed = FDisplay->LblWPN->text();
        if (ActiveMaksCheshmi)
            groupSize = ActiveMaksCheshmi->WordCountDisplay;
        for (int i = 0; i < 10; ++i)
            FDisplay->TimerZamanTimer();
    });
    poll.start(1);
    QVERIFY(FKaheshMaksCheshmiMain->sBitBtn1Click());
    QCOMPARE(seenKind, exercise);
    QCOMPARE(seenInterval, interval);
    QCOMPARE(finish, 10);
    QCOMPARE(speed, QStringLiteral("100 WPM"));
    if (kind == 6)
        QCOMPARE(groupSize, 3);
    QVERIFY(!FDisplay->isVisible());
    QVERIFY(FKaheshMaksCheshmiMain->isVisible());
    FKaheshMaksCheshmiMain->Close();
}

void TestPractice::spinValue_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value");
    QTest::newRow("in range") << "750" << 750;
    QTest::newRow("empty") << "" << 100;
    QTest::newRow("below") << "5" << 100;
    QTest::newRow("above") << "99999" << 5000;
    QTest::newRow("not a number") << "abc" << 100;
}

void TestPractice::spinValue() {
    QFETCH(QString, typed);
    QFETCH(int, value);
    QSpinBox box;
    box.setRange(100, 5000);
    box.setValue(300);
    box.findChild<QLineEdit *>()->setText(typed);
    QCOMPARE(SpinValue(&box), value);
}

void TestPractice::escClosesOnlyItsWindow() {
    FSPeedTestMainForm->Show();
    FKaheshMaksCheshmiMain->Show();
    QTest::keyClick(FKaheshMaksCheshmiMain, Qt::Key_Escape);
    QVERIFY(!FKaheshMaksCheshmiMain->isVisible());
    QVERIFY(FSPeedTestMainForm->isVisible());
    // The values stay for the next showing.
    FKaheshMaksCheshmiMain->sSpinEditSpeed->setValue(420);
    FKaheshMaksCheshmiMain->Show();
    QCOMPARE(FKaheshMaksCheshmiMain->sSpinEditSpeed->value(), 420);
    FKaheshMaksCheshmiMain->Close();
    QTest::keyClick(FSPeedTestMainForm, Qt::Key_Escape);
    QVERIFY(!FSPeedTestMainForm->isVisible());
}

void TestPractice::practiceOpensModally() {
    bool modal = false;
    WhenModal([&](QWidget *w) {
        modal = w == FTamrinTondKhani;
        FTamrinTondKhani->close();
    });
    FSPeedTestMainForm->Show();
    QTest::mouseClick(FSPeedTestMainForm->sBitBtnExit, Qt::LeftButton);
    QVERIFY(modal);
    FSPeedTestMainForm->Close();
}

QTEST_MAIN(TestPractice)
#include "tst_practice.moc"
