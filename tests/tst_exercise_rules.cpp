// Exercise geometry, stepping, text decoding and word groups.

#include "TestSupport.h"
#include "common/TextFiles.h"
#include "display/ExerciseRules.h"

#include <QTest>

class TestExerciseRules : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTestEnvironment(); }
    void areaOrigin_data();
    void areaOrigin();
    void starOrder_data();
    void starOrder();
    void starLaps_data();
    void starLaps();
    void starNodes_data();
    void starNodes();
    void centralPoint_data();
    void centralPoint();
    void pictures_data();
    void pictures();
    void rowTops_data();
    void rowTops();
    void wordList_data();
    void wordList();
    void wordGroups_data();
    void wordGroups();
    void decode_data();
    void decode();
};

void TestExerciseRules::areaOrigin_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("1024x768") << QSize(1024, 768) << QPoint(0, 0);
    QTest::newRow("1920x1080") << QSize(1920, 1080) << QPoint(448, 156);
    QTest::newRow("narrow") << QSize(800, 600) << QPoint(-112, -84);
    QTest::newRow("odd sizes truncate") << QSize(1025, 769) << QPoint(0, 0);
}

void TestExerciseRules::areaOrigin() {
    QFETCH(QSize, screen);
    QFETCH(QPoint, origin);
    QCOMPARE(AreaOrigin(screen), origin);
}

void TestExerciseRules::starOrder_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("star") << 0 << QList<int>{1, 2, 3, 4, 5, 1, 5, 4, 3, 2, 1,
                                             2, 3, 4, 5, 1, 5, 4, 3, 2, 1, 2};
    QTest::newRow("hourglass") << 1 << QList<int>{1, 2, 3, 4, 1, 4, 3, 2, 1, 2, 3, 4, 1, 4};
    QList<int> sweep;
    for (int i = 1; i <= 14; ++i)
        sweep << i;
    for (int i = 13; i >= 1; --i)
        sweep << i;
    for (int i = 2; i <= 14; ++i)
        sweep << i;
    sweep << 13;
    QTest::newRow("rows") << 2 << sweep;
    QTest::newRow("columns") << 3 << sweep;
}

void TestExerciseRules::starOrder() {
    QFETCH(int, kind);
    QFETCH(QList<int>, order);
    TPathStepper s;
    s.N = StarNodeCount(kind);
    s.Turn = StarTurnValue(kind);
    QList<int> got;
    for (int i = 0; i < order.size(); ++i) {
        s.Step();
        got << s.NodeIndex();
    }
    QCOMPARE(got, order);
}

void TestExerciseRules::starLaps_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("lapTicks"); // ticks after which a lap is counted
    QTest::newRow("star") << 0 << QList<int>{11, 21, 31};
    QTest::newRow("hourglass") << 1 << QList<int>{9, 17, 25};
    QTest::newRow("rows") << 2 << QList<int>{27, 53};
    QTest::newRow("columns") << 3 << QList<int>{27, 53};
}

void TestExerciseRules::starLaps() {
    QFETCH(int, kind);
    QFETCH(QList<int>, lapTicks);
    TPathStepper s;
    s.N = StarNodeCount(kind);
    s.Turn = StarTurnValue(kind);
    s.LapCounter = 2;
    QList<int> got;
    for (int tick = 1; tick <= lapTicks.last(); ++tick) {
        const int before = s.LapCounter;
        s.Step();
        if (s.LapCounter != before)
            got << tick;
    }
    QCOMPARE(got, lapTicks);
    // Nothing stops at zero: the count goes on below it.
    QCOMPARE(s.LapCounter, 2 - lapTicks.size());
}

void TestExerciseRules::starNodes_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("node");
    QTest::addColumn<QPoint>("pos");
    const QSize s1(1024, 768), s2(1920, 1080);
    QTest::newRow("star 1, small screen") << 0 << s1 << 1 << QPoint(1, 268);
    QTest::newRow("star 2, small screen") << 0 << s1 << 2 << QPoint(960, 268);
    QTest::newRow("star 3") << 0 << s1 << 3 << QPoint(208, 647);
    QTest::newRow("star 4") << 0 << s1 << 4 << QPoint(480, 1);
    QTest::newRow("star 5") << 0 << s1 << 5 << QPoint(752, 647);
    QTest::newRow("star 2, full HD") << 0 << s2 << 2 << QPoint(448 + 960, 156 + 268);
    QTest::newRow("hourglass 4") << 1 << s1 << 4 << QPoint(950, 637);
    QTest::newRow("hourglass 4, full HD") << 1 << s2 << 4 << QPoint(448 + 950, 156 + 637);
    QTest::newRow("rows 1") << 2 << s1 << 1 << QPoint(950, 1);
    QTest::newRow("rows 14") << 2 << s1 << 14 << QPoint(1, 631);
    QTest::newRow("columns 13") << 3 << s1 << 13 << QPoint(877, 1);
    QTest::newRow("columns 14") << 3 << s1 << 14 << QPoint(877, 637);
    QTest::newRow("columns 14, full HD") << 3 << s2 << 14 << QPoint(448 + 877, 156 + 637);
}

void TestExerciseRules::starNodes() {
    QFETCH(int, kind);
    QFETCH(QSize, screen);
    QFETCH(int, node);
    QFETCH(QPoint, pos);
    const auto nodes = StarNodePositions(kind, AreaOrigin(screen), QSize(64, 64), 57);
    QCOMPARE(nodes.size(), StarNodeCount(kind));
    QCOMPARE(nodes[node - 1], pos);
}

void TestExerciseRules::centralPoint_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QList<int>>("expected"); // X1 Y1 X2 Y2
    // Labels of 60 x 50 in the area at (0, 0): centred at (482, 359).
    QTest::newRow("kind 1 entry 1") << 1 << 1 << QList<int>{422, 359, 542, 359};
    QTest::newRow("kind 1 entry 7") << 1 << 7 << QList<int>{422 - 420, 359, 542 + 420, 359};
    QTest::newRow("kind 1 entry 8") << 1 << 8 << QList<int>{482, 309, 482, 409};
    QTest::newRow("kind 1 entry 14") << 1 << 14 << QList<int>{482, 309 - 240, 482, 409 + 240};
    QTest::newRow("kind 2 entry 1") << 2 << 1 << QList<int>{422, 409, 542, 309};
    QTest::newRow("kind 2 entry 2") << 2 << 2 << QList<int>{352, 449, 612, 269};
    QTest::newRow("kind 2 entry 8") << 2 << 8 << QList<int>{422, 309, 542, 409};
    QTest::newRow("kind 2 entry 14")
        << 2 << 14 << QList<int>{422 - 420, 309 - 240, 542 + 420, 409 + 240};
    QTest::newRow("other kind") << 3 << 5 << QList<int>{0, 0, 0, 0};
}

void TestExerciseRules::centralPoint() {
    QFETCH(int, type);
    QFETCH(int, entry);
    QFETCH(QList<int>, expected);
    const auto e = CentralPointPositions(type, QPoint(0, 0), QSize(60, 50), QSize(60, 50));
    QCOMPARE(e.size(), 14);
    const QList<int> got{e[entry - 1][0], e[entry - 1][1], e[entry - 1][2], e[entry - 1][3]};
    QCOMPARE(got, expected);
}

void TestExerciseRules::pictures_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("perLine");
    QTest::addColumn<int>("firstLeft");
    QTest::addColumn<int>("lastLeft");
    QTest::newRow("64") << 64 << 16 << 960 << 0;
    QTest::newRow("50") << 50 << 20 << 1024 - 12 - 50 << 12;
}

void TestExerciseRules::pictures() {
    QFETCH(int, width);
    QFETCH(int, perLine);
    QFETCH(int, firstLeft);
    QFETCH(int, lastLeft);
    QCOMPARE(PicturesPerLine(width), perLine);
    QCOMPARE(PictureLeft(QPoint(0, 0), width, 1), firstLeft);
    QCOMPARE(PictureLeft(QPoint(0, 0), width, perLine), lastLeft);
    QCOMPARE(PictureLeft(QPoint(448, 156), width, 1), 448 + firstLeft);
    QCOMPARE(PictureTop(QPoint(0, 156), 64, 57, 1), 156 + 64);
    QCOMPARE(PictureTop(QPoint(0, 156), 64, 57, 2), 156 + 323);
    QCOMPARE(PictureTop(QPoint(0, 156), 64, 57, 3), 156 + 583);
    QCOMPARE(PictureTop(QPoint(0, 156), 64, 57, 4), -1);
}

void TestExerciseRules::rowTops_data() {
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QList<int>>("tops");
    QTest::newRow("one row") << 1 << QList<int>{336};
    QTest::newRow("two rows") << 2 << QList<int>{311, 361};
    QTest::newRow("three rows") << 3 << QList<int>{286, 336, 386};
}

void TestExerciseRules::rowTops() {
    QFETCH(int, lineCount);
    QFETCH(QList<int>, tops);
    QList<int> got;
    for (int i = 1; i <= lineCount; ++i)
        got << RowTop(QPoint(0, 0), 46, lineCount, i);
    QCOMPARE(got, tops);
}

void TestExerciseRules::wordList_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("two commas") << "a,,b" << QStringList{"a", "", "b"};
    QTest::newRow("trailing comma") << "a," << QStringList{"a", ""};
    QTest::newRow("comma then blank") << "a, " << QStringList{"a"};
    QTest::newRow("blanks around") << "  \t a b \r\n" << QStringList{"a", "b"};
    QTest::newRow("only blanks") << " \r\n\t " << QStringList();
    QTest::newRow("quoted title") << QStringLiteral("کتاب \"شازده کوچولو\" را")
                                  << QStringList{QStringLiteral("کتاب"),
                                                 QStringLiteral("شازده کوچولو"),
                                                 QStringLiteral("را")};
    QTest::newRow("doubled quote inside") << "\"a \"\"b\"\" c\" d" << QStringList{"a \"b\" c", "d"};
    QTest::newRow("unclosed quote") << "x \"a b" << QStringList{"x", "a b"};
    QTest::newRow("guillemets are plain")
        << QStringLiteral("«یک دو»") << QStringList{QStringLiteral("«یک"), QStringLiteral("دو»")};
    QTest::newRow("non-joiner and Persian comma stay")
        << QString::fromUtf8("می\u200Cشود، کتاب\u200Cها")
        << QStringList{QString::fromUtf8("می\u200Cشود،"), QString::fromUtf8("کتاب\u200Cها")};
    QTest::newRow("comma without space")
        << QStringLiteral("سیب,گلابی")
        << QStringList{QStringLiteral("سیب"), QStringLiteral("گلابی")};
    QTest::newRow("no-break space joins")
        << QString::fromUtf8("a\u00A0b c") << QStringList{QString::fromUtf8("a\u00A0b"), "c"};
}

void TestExerciseRules::wordList() {
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    QCOMPARE(WordList(text), words);
}

void TestExerciseRules::wordGroups_data() {
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<int>("size");
    QTest::addColumn<QStringList>("groups");
    const QStringList lengths{"a", "bb", "cccc", "dddd", "ee", "fff", "gg"};
    QTest::newRow("short words ride along")
        << lengths << 3 << QStringList{" a bb cccc dddd ee fff", " gg a bb cccc dddd ee fff"};
    QTest::newRow("one word each")
        << QStringList{"xyz", "uvw"} << 1 << QStringList{" xyz", " uvw", " xyz"};
    QTest::newRow("runs over the end")
        << QStringList{"aaa", "bbb", "ccc"} << 2 << QStringList{" aaa bbb", " ccc aaa", " bbb ccc"};
    QTest::newRow("no long word: every word counts")
        << QStringList{"a", "bb", "c"} << 2 << QStringList{" a bb", " c a"};
    QTest::newRow("empty list") << QStringList() << 3 << QStringList{"", ""};
}

void TestExerciseRules::wordGroups() {
    QFETCH(QStringList, list);
    QFETCH(int, size);
    QFETCH(QStringList, groups);
    int counter = 0;
    QStringList got;
    for (int i = 0; i < groups.size(); ++i)
        got << TakeWordGroup(list, counter, size);
    QCOMPARE(got, groups);
    if (list == QStringList{"a", "bb", "cccc", "dddd", "ee", "fff", "gg"}) {
        int c = 0;
        TakeWordGroup(list, c, size);
        QCOMPARE(c, 6); // the second group starts at word 7
    }
    QCOMPARE(WordTime(300), 200);
    QCOMPARE(WordTime(700), 85);
    QCOMPARE(WordTime(0), 60000);
}

void TestExerciseRules::decode_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QString persian = QStringLiteral("کتاب‌های خوب، پژوهش");
    QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF") + persian.toUtf8() << persian;
    QTest::newRow("utf-8 without mark") << persian.toUtf8() << persian;
    QByteArray le("\xFF\xFE");
    for (QChar c : persian)
        le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    QTest::newRow("utf-16 LE with mark") << le << persian;
    // The same words in Windows-1256: ک 0x98, ت 0xCA, ا 0xC7, ب 0xC8, ZWNJ 0x9D, ه 0xE5,
    // ی 0xED (Arabic yeh in this code page), خ 0xCE, و 0xE6, ، 0xA1, پ 0x81, ش 0xD4.
    QTest::newRow("windows-1256 without mark")
        << QByteArray("\x98\xCA\xC7\xC8\x9D\xE5\xC7\xED \xCE\xE6\xC8\xA1 \x81\xCE\xE6\xE5\xD4")
        << QString::fromUtf8("کتاب\u200Cها\u064A خوب، پخوهش");
    QTest::newRow("ascii") << QByteArray("plain, text") << QStringLiteral("plain, text");
}

void TestExerciseRules::decode() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeText(bytes), text);
}

QTEST_GUILESS_MAIN(TestExerciseRules)
#include "tst_exercise_rules.moc"
