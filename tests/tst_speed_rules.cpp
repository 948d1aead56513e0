// Reading speed and the passage of a reading.

#include "TestSupport.h"
#include "speed/SpeedRules.h"

#include <QTest>

class TestSpeedRules : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTestEnvironment(); }
    void speed_data();
    void speed();
    void passage_data();
    void passage();
};

void TestSpeedRules::speed_data() {
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("wpm");
    QTest::newRow("180 in 60 s") << 180 << 60 << 180;
    QTest::newRow("150 in 16 s: half to even") << 150 << 16 << 562;
    QTest::newRow("199 in 7 s") << 199 << 7 << 1706;
    QTest::newRow("half up to even") << 35 << 120 << 18; // 17.5
    QTest::newRow("no whole second") << 170 << 0 << 0;
    QTest::newRow("no words") << 0 << 12 << 0;
}

void TestSpeedRules::speed() {
    QFETCH(int, words);
    QFETCH(int, seconds);
    QFETCH(int, wpm);
    QCOMPARE(ReadingSpeed(words, seconds), wpm);
}

void TestSpeedRules::passage_data() {
    QTest::addColumn<int>("available");
    QTest::addColumn<int>("wanted");
    QTest::addColumn<int>("taken");
    QTest::newRow("long text") << 300 << 150 << 150;
    QTest::newRow("upper bound") << 300 << 199 << 199;
    QTest::newRow("short text: all of it") << 120 << 180 << 120;
    QTest::newRow("empty text") << 0 << 160 << 0;
}

void TestSpeedRules::passage() {
    QFETCH(int, available);
    QFETCH(int, wanted);
    QFETCH(int, taken);
    QStringList words;
    for (int i = 0; i < available; ++i)
        words << QStringLiteral("واژه%1").arg(i);
    const QString p = ReadingPassage(words, wanted);
    QCOMPARE(p.count(u' '), taken);
    QVERIFY(taken == 0 || p.endsWith(u' '));
    QVERIFY(!p.contains(u'\n'));
    if (taken > 0) {
        QVERIFY(p.startsWith(words.first() + u' '));
        QVERIFY(p.endsWith(words[taken - 1] + u' '));
    }
}

QTEST_GUILESS_MAIN(TestSpeedRules)
#include "tst_speed_rules.moc"
