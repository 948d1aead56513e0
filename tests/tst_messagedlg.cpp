// The Persian message dialog, answered through the real dialog.

#include "TestSupport.h"
#include "common/PersianMessageDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>

Q_DECLARE_METATYPE(TMsgDlgType)

class TestMessageDlg : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        InitTestEnvironment();
        QApplication::setApplicationDisplayName(QStringLiteral("تیزبین"));
    }
    void answers_data();
    void answers();
    void layout();
};

void TestMessageDlg::answers_data() {
    QTest::addColumn<TMsgDlgType>("kind");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("action"); // a button name, or "key:Esc", "key:Enter", "close"
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("captions"); // Name=Caption, right to left

    const QString ok = QString::fromUtf8("OK=\u062A\u0627\u064A\u064A\u062F");
    const QString yes = QString::fromUtf8("Yes=\u0628\u0644\u064A");
    const QString no = QString::fromUtf8("No=\u062E\u064A\u0631");
    const QString cancel = QStringLiteral("Cancel=انصراف");
    const QString retry = QStringLiteral("Retry=تلاش مجدد");
    const QString info = QStringLiteral("   اطلاع");
    const QString confirm = QString::fromUtf8("   \u062A\u0627\u06CC\u06CC\u062F");

    QTest::newRow("information OK")
        << TMsgDlgType::mtInformation << int(mbOK) << "OK" << 1 << info << QStringList{ok};
    QTest::newRow("information Enter")
        << TMsgDlgType::mtInformation << int(mbOK) << "key:Enter" << 1 << info << QStringList{ok};
    QTest::newRow("confirmation Yes") << TMsgDlgType::mtConfirmation << int(mbYes | mbNo) << "Yes"
                                      << 6 << confirm << QStringList{yes, no};
    QTest::newRow("confirmation No") << TMsgDlgType::mtConfirmation << int(mbYes | mbNo) << "No"
                                     << 7 << confirm << QStringList{yes, no};
    QTest::newRow("confirmation Esc is No") << TMsgDlgType::mtConfirmation << int(mbYes | mbNo)
                                            << "key:Esc" << 7 << confirm << QStringList{yes, no};
    QTest::newRow("confirmation Enter is Yes")
        << TMsgDlgType::mtConfirmation << int(mbYes | mbNo) << "key:Enter" << 6 << confirm
        << QStringList{yes, no};
    QTest::newRow("close box is Cancel") << TMsgDlgType::mtConfirmation << int(mbYes | mbNo)
                                         << "close" << 2 << confirm << QStringList{yes, no};
    QTest::newRow("warning Esc is Cancel")
        << TMsgDlgType::mtWarning << int(mbOK | mbCancel) << "key:Esc" << 2
        << QStringLiteral("   اخطار") << QStringList{ok, cancel};
    QTest::newRow("error Retry") << TMsgDlgType::mtError << int(mbRetry | mbCancel) << "Retry" << 4
                                 << QStringLiteral("   خطا") << QStringList{cancel, retry};
    QTest::newRow("custom keeps the application title")
        << TMsgDlgType::mtCustom << int(mbOK) << "OK" << 1 << QStringLiteral("تیزبین")
        << QStringList{ok};
}

void TestMessageDlg::answers() {
    QFETCH(TMsgDlgType, kind);
    QFETCH(int, buttons);
    QFETCH(QString, action);
    QFETCH(int, result);
    QFETCH(QString, title);
    QFETCH(QStringList, captions);

    QString seenTitle;
    QStringList seenButtons;
    WhenModal([&](QWidget *w) {
        seenTitle = w->windowTitle();
        // Right to left: sort the buttons by their right edge, rightmost first.
        auto list = w->findChildren<QAbstractButton *>();
        std::sort(list.begin(), list.end(), [](QAbstractButton *a, QAbstractButton *b) {
            return a->geometry().right() > b->geometry().right();
        });
        for (auto *b : list)
            seenButtons << b->objectName() + u'=' + b->text();
        if (action == "close")
            w->close();
        else if (action == "key:Esc")
            QTest::keyClick(w, Qt::Key_Escape);
        else if (action == "key:Enter")
            QTest::keyClick(w, Qt::Key_Return);
        else
            QTest::mouseClick(w->findChild<QAbstractButton *>(action), Qt::LeftButton);
    });
    const int got = PersianMessageDlg(QStringLiteral("پیام"), TMsgDlgButtons(buttons), kind);
    QCOMPARE(got, result);
    QCOMPARE(seenTitle, title);
    QCOMPARE(seenButtons, captions);
}

void TestMessageDlg::layout() {
    const QString msg = QStringLiteral("سطر اول پیام\nسطر دوم");
    Qt::LayoutDirection direction = Qt::LeftToRight;
    QString text;
    bool wraps = true, fits = false, twoLines = false, centred = false;
    int left = -1, buttonHeight = 0;
    WhenModal([&](QWidget *w) {
        direction = w->layoutDirection();
        if (auto *label = w->findChild<QLabel *>(QStringLiteral("Message"))) {
            text = label->text();
            wraps = label->wordWrap();
            left = label->x();
            centred = label->alignment() & Qt::AlignHCenter;
            fits = label->width() >= label->sizeHint().width() &&
                   label->height() >= label->sizeHint().height();
            twoLines = label->sizeHint().height() > label->fontMetrics().height() * 3 / 2;
        }
        auto *yes = w->findChild<QAbstractButton *>(QStringLiteral("Yes"));
        buttonHeight = yes->height();
        QTest::mouseClick(yes, Qt::LeftButton);
    });
    QCOMPARE(PersianMessageDlg(msg, mbYes | mbNo, TMsgDlgType::mtConfirmation), 6);
    QCOMPARE(direction, Qt::RightToLeft);
    QCOMPARE(text, msg);
    QVERIFY(!wraps);
    QCOMPARE(left, 45);
    QVERIFY(centred);
    QVERIFY(fits);
    QVERIFY(twoLines);
    QCOMPARE(buttonHeight, 30);
}

QTEST_MAIN(TestMessageDlg)
#include "tst_messagedlg.moc"
