// The exercise surface and its exercises, driven by calling the timer
// handlers; the instruction screen and the levels window are the real ones.

#include "TestSupport.h"
#include "common/ErrorLog.h"
#include "common/Paths.h"
#include "common/Theme.h"
#include "common/Timer.h"
#include "course/FTaghviatDidMain_.h"
#include "course/FTaghviatDid_.h"
#include "display/FDisplay_.h"
#include "display/FWait_.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Answers every instruction screen with a key and runs drive once inside
// every exercise's wait, until stopped.
class Autopilot : public QObject {
public:
    std::function<void(int index)> Drive;
    int Instructions = 0;
    int Exercises = 0;
    explicit Autopilot(std::function<void(int)> drive) : Drive(std::move(drive)) {
        connect(&timer, &QTimer::timeout, this, &Autopilot::Poll);
        timer.start(1);
    }

private:
    void Poll() {
        if (FWait->isVisible() && QApplication::activeModalWidget() == FWait) {
            ++Instructions;
            driven = false; // a new exercise is about to start
            QTest::keyClick(FWait, Qt::Key_Space);
            return;
        }
        if (FDisplay->Waiting() && !driven) {
            driven = true;
            Drive(Exercises++);
        } else if (!FDisplay->Waiting()) {
            driven = false;
        }
    }
    QTimer timer;
    bool driven = false;
};

void Clock(int seconds) {
    for (int i = 0; i < seconds; ++i)
        FDisplay->TimerZamanTimer();
}

void Ticks(int n) {
    for (int i = 0; i < n; ++i)
        FDisplay->TimerBallTimer();
}

// Ends the running exercise through its clock.
void FinishByClock() {
    Clock(FDisplay->FinishTime() - FDisplay->SecTimer());
}

QList<QLabel *> Pictures() {
    QList<QLabel *> out;
    for (QLabel *l : FDisplay->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        if (l->objectName().startsWith(QStringLiteral("Img")) && l->objectName().contains(u'_'))
            out << l;
    return out;
}

} // namespace

class TestSurface : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void starPath();
    void pauseKeepsPosition();
    void clockText();
    void shortestExercise();
    void centralPoint_data();
    void centralPoint();
    void centralPointLapPause();
    void movingObjects();
    void movingObjectsEndByLaps();
    void missingPicture();
    void wordGroups();
    void movingLetters();
    void rows();
    void emptyText();
    void windows1256Text();
    void missingText();
    void instructionTexts_data();
    void instructionTexts();
    void countdown();
    void escOnInstructionOnlyEndsCountdown();
    void levelRunsEightExercises();
    void escLeavesLevel();
    void noSecondSequence();

private:
    QTemporaryDir dir;
    QPoint area;
};

void TestSurface::initTestCase() {
    InitTestEnvironment();
    TTimer::ManualTicks = true;
    QApplication::setLayoutDirection(Qt::RightToLeft);
    InitAppPath(MakeDataFolder(dir, true));
    FDisplay = new TFDisplay();
    FWait = new TFWait();
    FTaghviatDidMain = new TFTaghviatDidMain();
    FTaghviatDid = new TFTaghviatDid();
    area = FDisplay->Area();
}

void TestSurface::init() {
    FDisplay->SenderForm = FTaghviatDid;
    FDisplay->Show();
}

void TestSurface::cleanup() {
    CancelModalWatchers();
    if (FDisplay->isVisible())
        FDisplay->Close();
}

void TestSurface::starPath() {
    QList<QPoint> seen;
    QString buttonBefore, buttonAfter, clockAtEnd;
    bool ballShownFirst = false;
    Autopilot pilot([&](int) {
        buttonBefore = FDisplay->sBitBtn5->text();
        QCOMPARE(FDisplay->TimerBall->Interval(), 600);
        for (int i = 0; i < 7; ++i) {
            FDisplay->TimerBallTimer();
            if (i == 0) {
                ballShownFirst = FDisplay->ImageBall->isVisible();
                buttonAfter = FDisplay->sBitBtn5->text();
            }
            seen << FDisplay->ImageBall->pos();
        }
        Clock(49);
        QVERIFY(!ActiveStar1->Finished);
        Clock(1);
        clockAtEnd = FDisplay->LblTime->text();
    });
    QVERIFY(FDisplay->ShowStar1(1000, 600, 50));
    QCOMPARE(pilot.Instructions, 1);
    QCOMPARE(buttonBefore, QStringLiteral("ادامه"));
    QCOMPARE(buttonAfter, QStringLiteral("توقف"));
    QVERIFY(ballShownFirst);
    const auto nodes = StarNodePositions(0, area, QSize(64, 64), 57);
    QCOMPARE(seen,
             (QList<QPoint>{nodes[0], nodes[1], nodes[2], nodes[3], nodes[4], nodes[0], nodes[4]}));
    QCOMPARE(clockAtEnd, QStringLiteral("00:00:50"));
    // Released: the ball is gone and a late tick touches nothing.
    QVERIFY(!ActiveStar1);
    QVERIFY(!FDisplay->ImageBall->isVisible());
    QVERIFY(!FDisplay->TimerBall->Enabled());
    FDisplay->TimerBallTimer();
    FDisplay->TimerZamanTimer();
    // Closing after the sequence resets the clock and shows the sender again.
    FDisplay->Close();
    QCOMPARE(FDisplay->LblTime->text(), QStringLiteral("00:00:00"));
    QVERIFY(FTaghviatDid->isVisible());
    FTaghviatDid->Close();
}

void TestSurface::pauseKeepsPosition() {
    QList<int> order;
    QString pausedCaption;
    int secondsWhilePaused = -1;
    Autopilot pilot([&](int) {
        for (int i = 0; i < 3; ++i) {
            FDisplay->TimerBallTimer();
            order << ActiveStar2->NodeIndex();
        }
        Clock(2);
        FDisplay->sBitBtn5Click();
        pausedCaption = FDisplay->sBitBtn5->text();
        QVERIFY(!FDisplay->TimerBall->Enabled());
        QVERIFY(!FDisplay->TimerZaman->Enabled());
        secondsWhilePaused = FDisplay->SecTimer();
        const QPoint held = FDisplay->ImageBall->pos();
        FDisplay->sBitBtn5Click();
        QCOMPARE(FDisplay->ImageBall->pos(), held);
        QCOMPARE(FDisplay->sBitBtn5->text(), QStringLiteral("توقف"));
        for (int i = 0; i < 3; ++i) {
            FDisplay->TimerBallTimer();
            order << ActiveStar2->NodeIndex();
        }
        FinishByClock();
    });
    QVERIFY(FDisplay->ShowStar2(1000, 500, 50));
    QCOMPARE(pausedCaption, QStringLiteral("ادامه"));
    QCOMPARE(secondsWhilePaused, 2);
    QCOMPARE(order, (QList<int>{1, 2, 3, 4, 1, 4}));
}

void TestSurface::clockText() {
    QString at65;
    Autopilot pilot([&](int) {
        Clock(65);
        at65 = FDisplay->LblTime->text();
        FinishByClock();
    });
    QVERIFY(FDisplay->ShowStar3(1000, 300, 100));
    QCOMPARE(at65, QStringLiteral("00:01:05"));
    QCOMPARE(FDisplay->LblTime->text(), QStringLiteral("00:01:40"));
}

void TestSurface::shortestExercise() {
    Autopilot pilot([&](int) { Clock(1); });
    QVERIFY(FDisplay->ShowStar4(1000, 300, 0));
    QCOMPARE(FDisplay->LblTime->text(), QStringLiteral("00:00:01"));
    QCOMPARE(pilot.Exercises, 1);
}

void TestSurface::centralPoint_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("horizontal then vertical") << 1;
    QTest::newRow("diagonals") << 2;
}

void TestSurface::centralPoint() {
    QFETCH(int, kind);
    bool markOnly = false;
    QList<QPoint> first, second;
    QVector<TCentralEntry> table;
    bool threeDigits = true;
    Autopilot pilot([&](int) {
        markOnly =
            FDisplay->ImgNoghteMarkazi->isVisible() && !FDisplay->LblNoghteMarkazi1->isVisible();
        table = ActiveNoghteMarkazi->NodePos;
        for (int i = 0; i < 15; ++i) {
            FDisplay->TimerBallTimer();
            first << FDisplay->LblNoghteMarkazi1->pos();
            second << FDisplay->LblNoghteMarkazi2->pos();
            for (QLabel *l : {FDisplay->LblNoghteMarkazi1, FDisplay->LblNoghteMarkazi2}) {
                const int v = l->text().toInt();
                threeDigits = threeDigits && v >= 100 && v <= 999 && l->isVisible();
            }
        }
        FinishByClock();
    });
    QVERIFY(FDisplay->ShowNoghteMarkazi(kind, 1000, 500, 50));
    QVERIFY(markOnly);
    QVERIFY(threeDigits);
    const QPoint mark(area.x() + 512 - 24, area.y() + 384 - 24);
    QCOMPARE(FDisplay->ImgNoghteMarkazi->pos(), mark);
    QCOMPARE(table, CentralPointPositions(kind, area, FDisplay->LblNoghteMarkazi1->sizeHint(),
                                          FDisplay->LblNoghteMarkazi2->sizeHint()));
    for (int i = 0; i < 15; ++i) {
        const TCentralEntry &e = table[i % 14];
        QCOMPARE(first[i], QPoint(e[0], e[1]));
        QCOMPARE(second[i], QPoint(e[2], e[3]));
    }
    QVERIFY(!FDisplay->ImgNoghteMarkazi->isVisible());
    QVERIFY(!FDisplay->LblNoghteMarkazi1->isVisible());
}

void TestSurface::centralPointLapPause() {
    QString held, after;
    QString renewed;
    Autopilot pilot([&](int) {
        Ticks(14);
        const QString last =
            FDisplay->LblNoghteMarkazi1->text() + u'/' + FDisplay->LblNoghteMarkazi2->text();
        Ticks(1); // the 15th tick uses up the one lap: nothing moves
        held = FDisplay->LblNoghteMarkazi1->text() + u'/' + FDisplay->LblNoghteMarkazi2->text();
        QCOMPARE(held, last);
        QCOMPARE(ActiveNoghteMarkazi->LapCounter, 0);
        Ticks(14);
        QCOMPARE(ActiveNoghteMarkazi->LapCounter, -1);
        FinishByClock();
    });
    QVERIFY(FDisplay->ShowNoghteMarkazi(1, 1, 1000, 50));
}

void TestSurface::movingObjects() {
    QString firstName, sixteenthName, seventeenthName;
    QPoint firstPos, sixteenthPos, seventeenthPos, thirtyThirdPos;
    int before48 = 0, after48 = 0;
    int interval = 0;
    Autopilot pilot([&](int) {
        interval = FDisplay->TimerBall->Interval();
        Ticks(1);
        firstName = ActiveHarkatAshia->Img->objectName();
        firstPos = ActiveHarkatAshia->Img->pos();
        Ticks(15);
        sixteenthName = ActiveHarkatAshia->Img->objectName();
        sixteenthPos = ActiveHarkatAshia->Img->pos();
        Ticks(1);
        seventeenthName = ActiveHarkatAshia->Img->objectName();
        seventeenthPos = ActiveHarkatAshia->Img->pos();
        Ticks(16);
        thirtyThirdPos = ActiveHarkatAshia->Img->pos();
        Ticks(14);
        before48 = int(Pictures().size());
        Ticks(1); // the 48th picture fills the area, and all vanish together
        after48 = int(Pictures().size());
        QCOMPARE(ActiveHarkatAshia->LapCounter, 1);
        Ticks(1);
        QCOMPARE(Pictures().size(), 1);
        FinishByClock();
    });
    QVERIFY(FDisplay->ShowHarkatAshia(3, 2, 30, 60));
    QCOMPARE(interval, 33);
    QCOMPARE(firstName, QStringLiteral("Img1_1"));
    QCOMPARE(firstPos, QPoint(area.x() + 960, area.y() + 64));
    QCOMPARE(sixteenthName, QStringLiteral("Img16_1"));
    QCOMPARE(sixteenthPos, QPoint(area.x(), area.y() + 64));
    QCOMPARE(seventeenthName, QStringLiteral("Img1_2"));
    QCOMPARE(seventeenthPos, QPoint(area.x() + 960, area.y() + 323));
    QCOMPARE(thirtyThirdPos, QPoint(area.x() + 960, area.y() + 583));
    QCOMPARE(before48, 47);
    QCOMPARE(after48, 0);
    QCOMPARE(Pictures().size(), 0); // released with the exercise
}

void TestSurface::movingObjectsEndByLaps() {
    int clockTicks = -1;
    Autopilot pilot([&](int) {
        Ticks(15);
        QVERIFY(!ActiveHarkatAshia->Finished);
        Ticks(1);
        clockTicks = FDisplay->SecTimer();
    });
    // One row, one filling: the exercise ends after sixteen pictures, before its time.
    QVERIFY(FDisplay->ShowHarkatAshia(1, 1, 10, 60));
    QCOMPARE(clockTicks, 0);
    QVERIFY(!FDisplay->TimerZaman->Enabled());
    QCOMPARE(Pictures().size(), 0);
}

void TestSurface::missingPicture() {
    const QString pics = MediaPath(QStringLiteral("media\\pic64"));
    QVERIFY(QDir().rename(pics, pics + QStringLiteral(".away")));
    FDisplay->ClearPictures();
    QFile::remove(ErrorLogPath());
    int shown = -1;
    Autopilot pilot([&](int) {
        Ticks(40);
        shown = int(Pictures().size());
        FinishByClock();
    });
    const bool ran = FDisplay->ShowHarkatAshia(3, 1000, 30, 60);
    QVERIFY(QDir().rename(pics + QStringLiteral(".away"), pics));
    FDisplay->ClearPictures();
    QVERIFY(ran);
    QCOMPARE(shown, 0);
    QFile log(ErrorLogPath());
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    QStringList files;
    for (const QString &l : lines)
        files << l.section(QStringLiteral("cannot load "), 1);
    // Once per picture and run, however often it was drawn.
    QCOMPARE(QSet<QString>(files.begin(), files.end()).size(), files.size());
    QVERIFY(files.size() <= 26);
}

void TestSurface::wordGroups() {
    WriteAllTexts(QByteArray("\xEF\xBB\xBF") +
                  QStringLiteral("یک دو سه چهار پنج شش هفت هشت").toUtf8());
    QStringList groups;
    QString speed;
    int interval = 0;
    QRect geometry;
    Autopilot pilot([&](int) {
        interval = FDisplay->TimerBall->Interval();
        speed = FDisplay->LblWPN->text();
        QVERIFY(!FDisplay->LabelText->isVisible());
        for (int i = 0; i < 3; ++i) {
            FDisplay->TimerBallTimer();
            groups << FDisplay->LabelText->text();
        }
        geometry = FDisplay->LabelText->geometry();
        FinishByClock();
    });
    QVERIFY(FDisplay->ShowMaksCheshmi(300, 3, 60));
    QCOMPARE(interval, 600);
    QCOMPARE(speed, QStringLiteral("300 WPM"));
    // Words of two letters (یک، دو، سه، شش) ride along uncounted; groups wrap.
    QCOMPARE(groups, (QStringList{QStringLiteral(" یک دو سه چهار پنج شش هفت"),
                                  QStringLiteral(" هشت یک دو سه چهار پنج"),
                                  QStringLiteral(" شش هفت هشت یک دو سه چهار")}));
    QCOMPARE(geometry, QRect(area.x() + 10, area.y() + 361, 1004, 46));
    QVERIFY(!FDisplay->LabelText->isVisible());
    // The speed stays shown until the next exercise or the close.
    QCOMPARE(FDisplay->LblWPN->text(), QStringLiteral("300 WPM"));
}

void TestSurface::movingLetters() {
    QStringList words;
    for (int i = 0; i < 60; ++i)
        words << QStringLiteral("واژه%1").arg(i);
    WriteAllTexts(words.join(u' ').toUtf8());
    QString firstLine, restarted, before;
    int interval = 0, overflowAt = -1;
    Autopilot pilot([&](int) {
        interval = FDisplay->TimerBall->Interval();
        FDisplay->TimerBallTimer();
        firstLine = FDisplay->LabelText->text();
        for (int i = 1; i < 60 && overflowAt < 0; ++i) {
            before = ActiveHoroofDarHarkat->LineString;
            FDisplay->TimerBallTimer();
            if (!ActiveHoroofDarHarkat->LineString.startsWith(u' ')) {
                overflowAt = i;
                restarted = FDisplay->LabelText->text();
            }
        }
        FinishByClock();
    });
    QVERIFY(FDisplay->ShowHoroofDarHarkat(700, 60));
    QCOMPARE(interval, 85);
    QCOMPARE(firstLine, QStringLiteral(" واژه0"));
    QVERIFY(overflowAt > 0);
    // The word that did not fit starts the new line.
    QCOMPARE(restarted, words[overflowAt]);
    const QFontMetrics fm(FDisplay->LabelText->font());
    QVERIFY(fm.horizontalAdvance(before) < 1004);
    QVERIFY(fm.horizontalAdvance(before + u' ' + words[overflowAt]) >= 1004);
    QCOMPARE(FDisplay->LabelText->width(), 1004);
}

void TestSurface::rows() {
    WriteAllTexts(
        QStringLiteral("سطر اول تمرین برای خواندن گروه کلمه‌ها")
            .toUtf8());
    QList<int> tops;
    int interval = 0;
    Autopilot pilot([&](int) {
        interval = FDisplay->TimerBall->Interval();
        for (int i = 0; i < 4; ++i) {
            FDisplay->TimerBallTimer();
            tops << FDisplay->LabelText->y() - area.y();
        }
        FinishByClock();
    });
    QVERIFY(FDisplay->ShowSatr12Kaleme(600, 10, 3, 120));
    QCOMPARE(interval, 1000);
    QCOMPARE(tops, (QList<int>{286, 336, 386, 286}));
}

void TestSurface::emptyText() {
    WriteAllTexts(QByteArray(" \r\n\t \r\n"));
    QString shown = QStringLiteral("x");
    Autopilot pilot([&](int) {
        Ticks(5);
        shown = FDisplay->LabelText->text();
        FinishByClock();
    });
    QVERIFY(FDisplay->ShowMaksCheshmi(400, 3, 60));
    QCOMPARE(shown, QString());
    QCOMPARE(FDisplay->LblTime->text(), QStringLiteral("00:01:00"));
}

void TestSurface::windows1256Text() {
    // "کتاب خوب" in Windows-1256, without a byte-order mark.
    WriteAllTexts(QByteArray("\x98\xCA\xC7\xC8 \xCE\xE6\xC8"));
    QString shown;
    Autopilot pilot([&](int) {
        Ticks(1);
        shown = FDisplay->LabelText->text();
        FinishByClock();
    });
    QVERIFY(FDisplay->ShowMaksCheshmi(300, 2, 60));
    QCOMPARE(shown, QStringLiteral(" کتاب خوب"));
}

void TestSurface::missingText() {
    for (int i = 1; i <= 28; ++i)
        QFile::remove(MediaPath(QStringLiteral("media\\text\\Text%1.txt").arg(i)));
    ModalSeen seen;
    AnswerModal(QStringLiteral("OK"), &seen);
    QVERIFY(!FDisplay->ShowHoroofDarHarkat(300, 60));
    QVERIFY(seen.Opened);
    QCOMPARE(seen.Title, QStringLiteral("   خطا"));
    QVERIFY(!ActiveHoroofDarHarkat);
    QVERIFY(!FDisplay->Busy());
    WriteAllTexts(QStringLiteral("دوباره متن هست").toUtf8());
}

void TestSurface::instructionTexts_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    const QChar cr(13);
    for (int k = 0; k < 4; ++k)
        QTest::addRow("star %d", k) << k << QStringLiteral("تصویر را با چشمانتان دنبال کنید.");
    QTest::newRow("central point")
        << 4 << QStringLiteral("همانطور که به مرکز صفحه توجه می کنید اعداد و کلمات را بخوانید.");
    QTest::newRow("pictures") << 5
                              << QStringLiteral("همانطور که تصاویر در صفحه نمایش داده می شوند،") +
                                     cr + QStringLiteral(" آنها را دنبال کنید.");
    QTest::newRow("word groups") << 6
                                 << QStringLiteral(
                                        "به مرکز کلمات نگاه کنید و سعی کنید آنها را بخوانید.");
    QTest::newRow("moving letters")
        << 7
        << QStringLiteral("همانطور که کلمات در صفحه نمایش داده می شوند،") + cr +
               QStringLiteral(" آنها را دنبال کنید.");
    QTest::newRow("rows") << 8
                          << QStringLiteral("همانطور که سطرها به نمایش درمی آیند،") + cr +
                                 QStringLiteral(" آنها را دنبال کنید.");
    QTest::newRow("unknown keeps the last")
        << 9
        << QStringLiteral("همانطور که سطرها به نمایش درمی آیند،") + cr +
               QStringLiteral(" آنها را دنبال کنید.");
}

void TestSurface::instructionTexts() {
    QFETCH(int, kind);
    QFETCH(QString, text);
    ExerciseKind = std::uint8_t(kind);
    QString shown;
    WhenModal([&](QWidget *w) {
        shown = FWait->LblHelp->text();
        QTest::keyClick(w, Qt::Key_A);
    });
    QCOMPARE(FWait->ShowModal(), int(mrOk));
    QCOMPARE(shown, text);
}

void TestSurface::countdown() {
    QStringList digits;
    bool openAfterFour = false, closedAfterFive = false;
    WhenModal([&](QWidget *) {
        digits << FWait->sLabelFXSec->text();
        for (int i = 0; i < 5; ++i) {
            FWait->Timer1Timer();
            digits << FWait->sLabelFXSec->text();
            QCoreApplication::processEvents();
            if (i == 3)
                openAfterFour = FWait->isVisible();
        }
        closedAfterFive = !FWait->isVisible();
    });
    QCOMPARE(FWait->ShowModal(), int(mrOk));
    QCOMPARE(digits, (QStringList{"5", "4", "3", "2", "1", "0"}));
    QVERIFY(openAfterFour);
    QVERIFY(closedAfterFive);
    QVERIFY(!FWait->Timer1->Enabled());
    // Every showing starts again at 5.
    QString again;
    WhenModal([&](QWidget *w) {
        again = FWait->sLabelFXSec->text();
        QTest::keyClick(w, Qt::Key_Return);
    });
    QCOMPARE(FWait->ShowModal(), int(mrOk));
    QCOMPARE(again, QStringLiteral("5"));
}

void TestSurface::escOnInstructionOnlyEndsCountdown() {
    bool started = false;
    WhenModal([&](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); });
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        if (FDisplay->Waiting()) {
            poll.stop();
            started = FDisplay->isVisible();
            FinishByClock();
        }
    });
    poll.start(1);
    QVERIFY(FDisplay->ShowStar1(1000, 1000, 50));
    QVERIFY(started);
}

void TestSurface::levelRunsEightExercises() {
    FDisplay->Close();
    FTaghviatDid->Show();
    QList<int> intervals;
    QList<int> kinds;
    Autopilot pilot([&](int) {
        intervals << FDisplay->TimerBall->Interval();
        kinds << ExerciseKind;
        Ticks(3);
        FinishByClock();
    });
    QVERIFY(FTaghviatDid->RunLevel(500));
    QCOMPARE(pilot.Instructions, 8);
    QCOMPARE(kinds, (QList<int>{0, 1, 2, 3, 0, 1, 2, 3}));
    QCOMPARE(intervals, QList<int>(8, 500));
    QVERIFY(!FDisplay->isVisible());
    QVERIFY(FTaghviatDid->isVisible());
    FTaghviatDid->Close();
}

void TestSurface::escLeavesLevel() {
    FDisplay->Close();
    FTaghviatDid->Show();
    Autopilot pilot([&](int) {
        Ticks(2);
        Clock(10);
        QTest::keyClick(FDisplay, Qt::Key_Escape);
    });
    QVERIFY(!FTaghviatDid->RunLevel(1000));
    QCOMPARE(pilot.Instructions, 1);
    QCOMPARE(pilot.Exercises, 1);
    QVERIFY(!FDisplay->isVisible());
    QVERIFY(FTaghviatDid->isVisible());
    QVERIFY(!ActiveStar1);
    QCOMPARE(FDisplay->LblTime->text(), QStringLiteral("00:00:00"));
    QVERIFY(!FDisplay->TimerBall->Enabled() && !FDisplay->TimerZaman->Enabled());
    // Esc on the levels window closes only it.
    QTest::keyClick(FTaghviatDid, Qt::Key_Escape);
    QVERIFY(!FTaghviatDid->isVisible());
}

void TestSurface::noSecondSequence() {
    FDisplay->Close();
    FTaghviatDid->Show();
    bool refused = false;
    Autopilot pilot([&](int i) {
        if (i == 0) {
            refused = !FTaghviatDid->RunLevel(250);
            QTest::mouseClick(FTaghviatDid->sBitBtn2, Qt::LeftButton);
            QCOMPARE(FDisplay->TimerBall->Interval(), 1000);
        }
        FinishByClock();
    });
    QVERIFY(FTaghviatDid->RunLevel(1000));
    QVERIFY(refused);
    QCOMPARE(pilot.Exercises, 8);
    FTaghviatDid->Close();
}

QTEST_MAIN(TestSurface)
#include "tst_surface.moc"
