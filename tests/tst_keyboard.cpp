// Persian letters from a Latin keyboard layout in right-to-left text boxes.

#include "TestSupport.h"
#include "common/Form.h"
#include "common/PersianKeyboard.h"

#include <QComboBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void typing_data();
    void typing();
    void toggleAndBadge();

private:
    TForm *form = nullptr;
};

void TestKeyboard::initTestCase() {
    InitTestEnvironment();
    QApplication::setLayoutDirection(Qt::RightToLeft);
    TPersianKeyboard::Install();
    form = new TForm();
    form->resize(400, 300);
    auto *rtl = new QLineEdit(form);
    rtl->setObjectName(QStringLiteral("rtl"));
    auto *ltr = new QLineEdit(form);
    ltr->setObjectName(QStringLiteral("ltr"));
    ltr->setLayoutDirection(Qt::LeftToRight);
    auto *digits = new QLineEdit(form);
    digits->setObjectName(QStringLiteral("digits"));
    digits->setValidator(new QIntValidator(0, 9999, digits));
    auto *memo = new QTextEdit(form);
    memo->setObjectName(QStringLiteral("memo"));
    auto *combo = new QComboBox(form);
    combo->setObjectName(QStringLiteral("combo"));
    combo->setEditable(true);
    auto *spin = new QSpinBox(form);
    spin->setObjectName(QStringLiteral("spin"));
    spin->setRange(0, 999);
    form->show();
    form->activateWindow();
}

void TestKeyboard::typing_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");    // Latin keys, sent as a Latin layout sends them
    QTest::addColumn<QString>("persian"); // typed as a Persian layout sends them, or empty
    QTest::addColumn<QString>("expected");
    QTest::newRow("word") << "rtl"
                          << "sghl" << QString() << QStringLiteral("سلام");
    QTest::newRow("gaf keh and waw") << "rtl"
                                     << "'g,d" << QString() << QStringLiteral("گلوی");
    QTest::newRow("shifted letters") << "rtl"
                                     << "Hf" << QString() << QStringLiteral("آب");
    QTest::newRow("non-joiner") << "rtl"
                                << ";jhfBih" << QString() << QString::fromUtf8("کتاب\u200Cها");
    QTest::newRow("digits become Persian") << "rtl"
                                           << "12" << QString() << QStringLiteral("۱۲");
    QTest::newRow("editable combo box") << "combo"
                                        << "sghl" << QString() << QStringLiteral("سلام");
    QTest::newRow("memo") << "memo"
                          << "fhvhk" << QString() << QStringLiteral("باران");
    QTest::newRow("already Persian")
        << "rtl" << QString() << QStringLiteral("دریا") << QStringLiteral("دریا");
    QTest::newRow("left-to-right box") << "ltr"
                                       << "mail" << QString() << QStringLiteral("mail");
    QTest::newRow("digit-only box") << "digits"
                                    << "123" << QString() << QStringLiteral("123");
    QTest::newRow("spin box") << "spin"
                              << "42" << QString() << QStringLiteral("42");
}

void TestKeyboard::typing() {
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QString, persian);
    QFETCH(QString, expected);
    QWidget *w = form->findChild<QWidget *>(box);
    QVERIFY(w);
    QWidget *target = w;
    if (auto *spin = qobject_cast<QSpinBox *>(w))
        spin->clear();
    target->setFocus();
    QApplication::setActiveWindow(form);
    QCOMPARE(QApplication::focusWidget(), target);
    if (!keys.isEmpty())
        QTest::keyClicks(target, keys);
    else
        TypeText(target, persian);
    QString got;
    if (auto *spin = qobject_cast<QSpinBox *>(w))
        got = spin->findChild<QLineEdit *>()->text();
    else if (auto *combo = qobject_cast<QComboBox *>(w))
        got = combo->currentText();
    else if (auto *e = qobject_cast<QLineEdit *>(target))
        got = e->text();
    else if (auto *m = qobject_cast<QTextEdit *>(target))
        got = m->toPlainText();
    QCOMPARE(got, expected);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        e->clear();
    if (auto *c = qobject_cast<QComboBox *>(w))
        c->setEditText(QString());
    if (auto *m = qobject_cast<QTextEdit *>(w))
        m->clear();
}

void TestKeyboard::toggleAndBadge() {
    auto *rtl = form->findChild<QLineEdit *>(QStringLiteral("rtl"));
    rtl->clear();
    rtl->setFocus();
    QApplication::setActiveWindow(form);
    auto *badge = form->findChild<QLabel *>(QStringLiteral("KeyboardBadge"));
    QVERIFY(badge);
    QVERIFY(badge->isVisible());
    QCOMPARE(badge->text(), QStringLiteral("فا"));
    QTest::keyClick(rtl, Qt::Key_Space, Qt::ControlModifier);
    QVERIFY(!TPersianKeyboard::Instance()->Enabled());
    QCOMPARE(badge->text(), QStringLiteral("EN"));
    QTest::keyClicks(rtl, QStringLiteral("ab"));
    QCOMPARE(rtl->text(), QStringLiteral("ab"));
    QTest::keyClick(rtl, Qt::Key_Space, Qt::ControlModifier);
    QVERIFY(TPersianKeyboard::Instance()->Enabled());
    QCOMPARE(badge->text(), QStringLiteral("فا"));
    QTest::keyClicks(rtl, QStringLiteral("a"));
    QCOMPARE(rtl->text(), QStringLiteral("abش"));
    // Not shown where the mapping does not apply.
    form->findChild<QLineEdit *>(QStringLiteral("digits"))->setFocus();
    QVERIFY(!badge->isVisible());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
