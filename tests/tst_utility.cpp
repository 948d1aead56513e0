// Clock digits, the Persian calendar date and media paths.

#include "TestSupport.h"
#include "common/Paths.h"
#include "common/UtilityFuncs.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <climits>

class TestUtility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTestEnvironment(); }

    void persianDate_data();
    void persianDate();
    void persianDateToday();
    void zeroPad_data();
    void zeroPad();
    void clockText();
    void resolvePath_data();
    void resolvePath();
    void randomRange();
};

void TestUtility::persianDate_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");
    // The dates every stored result has been checked against.
    QTest::newRow("new year 1395") << QDate(2016, 3, 20) << "95/01/01";
    QTest::newRow("last day 1395") << QDate(2017, 3, 20) << "95/12/30";
    QTest::newRow("new year 1396") << QDate(2017, 3, 21) << "96/01/01";
    QTest::newRow("new year 1403") << QDate(2024, 3, 20) << "03/01/01";
    QTest::newRow("1 Jan 2015") << QDate(2015, 1, 1) << "93/10/11";
    QTest::newRow("1 Feb 2014") << QDate(2014, 2, 1) << "92/11/12";
    // Both leap tests hold: the March correction adds the day.
    QTest::newRow("1992 29 Feb") << QDate(1992, 2, 29) << "70/12/10";
    QTest::newRow("1992 1 Mar") << QDate(1992, 3, 1) << "70/12/11";
    // Month boundaries in a common year (2015: neither calendar leaps).
    QTest::newRow("2015 Jan 20") << QDate(2015, 1, 20) << "93/10/30";
    QTest::newRow("2015 Jan 21") << QDate(2015, 1, 21) << "93/11/01";
    QTest::newRow("2015 Mar 20") << QDate(2015, 3, 20) << "93/12/29";
    QTest::newRow("2015 Mar 21") << QDate(2015, 3, 21) << "94/01/01";
    QTest::newRow("2015 Sep 22") << QDate(2015, 9, 22) << "94/06/31";
    QTest::newRow("2015 Sep 23") << QDate(2015, 9, 23) << "94/07/01";
    QTest::newRow("2015 Dec 21") << QDate(2015, 12, 21) << "94/09/30";
    QTest::newRow("2015 Dec 22") << QDate(2015, 12, 22) << "94/10/01";
    QTest::newRow("2015 Dec 31") << QDate(2015, 12, 31) << "94/10/10";
    // A Gregorian leap year (2016): boundaries from March on move a day.
    QTest::newRow("2016 Feb 29") << QDate(2016, 2, 29) << "94/12/10";
    QTest::newRow("2016 Mar 19") << QDate(2016, 3, 19) << "94/12/29";
    QTest::newRow("2016 Apr 19") << QDate(2016, 4, 19) << "95/01/31";
    QTest::newRow("2016 Apr 20") << QDate(2016, 4, 20) << "95/02/01";
    QTest::newRow("2016 Dec 20") << QDate(2016, 12, 20) << "95/09/30";
    QTest::newRow("2016 Dec 21") << QDate(2016, 12, 21) << "95/10/01";
    // A Persian leap year ending in a common Gregorian one (2017).
    QTest::newRow("2017 Jan 19") << QDate(2017, 1, 19) << "95/10/30";
    QTest::newRow("2017 Jan 20") << QDate(2017, 1, 20) << "95/11/01";
    QTest::newRow("2017 Feb 18") << QDate(2017, 2, 18) << "95/11/30";
    QTest::newRow("2017 Feb 19") << QDate(2017, 2, 19) << "95/12/01";
    QTest::newRow("2017 Mar 1") << QDate(2017, 3, 1) << "95/12/11";
    // The fixed 33-year rule, not the astronomical calendar.
    QTest::newRow("2029 Mar 20") << QDate(2029, 3, 20) << "07/12/29";
    QTest::newRow("2029 Mar 21") << QDate(2029, 3, 21) << "08/01/01";
}

void TestUtility::persianDate() {
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    QCOMPARE(GetPersianDate(date), expected);
}

void TestUtility::persianDateToday() {
    QCOMPARE(GetPersianDate(), GetPersianDate(QDate::currentDate()));
    const QRegularExpression shape(
        QStringLiteral("^\\d\\d/(0[1-9]|1[0-2])/(0[1-9]|[12]\\d|3[01])$"));
    // Every day of a year gives a well-formed text.
    for (QDate d(2023, 1, 1); d.year() == 2024 || d.year() == 2023; d = d.addDays(1))
        QVERIFY2(shape.match(GetPersianDate(d)).hasMatch(), qPrintable(d.toString()));
}

void TestUtility::zeroPad_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("expected");
    QTest::newRow("pads") << 5 << 2 << "05";
    QTest::newRow("never cuts") << 123 << 2 << "123";
    QTest::newRow("zero") << 0 << 2 << "00";
    QTest::newRow("exact") << 42 << 2 << "42";
    QTest::newRow("sign first") << -5 << 3 << "-005";
    QTest::newRow("no digits asked") << 7 << 0 << "7";
    QTest::newRow("smallest int") << INT_MIN << 2 << "-2147483648";
}

void TestUtility::zeroPad() {
    QFETCH(int, value);
    QFETCH(int, digits);
    QFETCH(QString, expected);
    QCOMPARE(ZeroPad(value, digits), expected);
}

void TestUtility::clockText() {
    QCOMPARE(ClockText(0), QStringLiteral("00:00:00"));
    QCOMPARE(ClockText(65), QStringLiteral("00:01:05"));
    QCOMPARE(ClockText(3600 + 50), QStringLiteral("01:00:50"));
    QCOMPARE(ClockText(65, QStringLiteral(" : ")), QStringLiteral("00 : 01 : 05"));
}

void TestUtility::resolvePath_data() {
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("expected"); // relative to the fixture
    QTest::newRow("database as written") << "Media\\Acc.bnk"
                                         << "Media/Acc.bnk";
    QTest::newRow("lower-case folder") << "media\\text\\Text1.txt"
                                       << "Media/text/Text1.txt";
    QTest::newRow("forward slashes") << "media/pic64/1.png"
                                     << "Media/pic64/1.png";
    QTest::newRow("file case") << "MEDIA\\SOUND\\TIK.WAV"
                               << "Media/sound/tik.wav";
    QTest::newRow("missing kept") << "media\\text\\Text99.txt"
                                  << "Media/text/Text99.txt";
    QTest::newRow("missing folder") << "nothing\\here.txt"
                                    << "nothing/here.txt";
}

void TestUtility::resolvePath() {
    QFETCH(QString, relative);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    for (const char *f :
         {"Media/Acc.bnk", "Media/text/Text1.txt", "Media/pic64/1.png", "Media/sound/tik.wav"}) {
        const QString path = dir.path() + u'/' + QLatin1String(f);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QCOMPARE(ResolvePath(dir.path() + u'/', relative), dir.path() + u'/' + expected);
}

void TestUtility::randomRange() {
    RandSeed(1);
    bool seen[10] = {};
    for (int i = 0; i < 1000; ++i) {
        const int r = Random(10);
        QVERIFY(r >= 0 && r < 10);
        seen[r] = true;
    }
    for (bool s : seen)
        QVERIFY(s);
    QCOMPARE(Random(1), 0);
}

QTEST_GUILESS_MAIN(TestUtility)
#include "tst_utility.moc"
