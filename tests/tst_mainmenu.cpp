// The main menu, the about and contact windows, start-up and the
// application-wide handler.

#include "TestSupport.h"
#include "app/Application.h"
#include "app/FContactUs_.h"
#include "app/FMain_.h"
#include "app/Forms.h"
#include "app/UAbout.h"
#include "common/ErrorLog.h"
#include "common/Paths.h"
#include "data/DataModule1_.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestMainMenu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void controls_data();
    void controls();
    void tabOrder();
    void window();
    void infoWindows_data();
    void infoWindows();
    void initDbFromAnotherDirectory();
    void escapeEndsTheProgram();
    void exceptionInHandlerIsLogged();

private:
    QTemporaryDir dir;
};

void TestMainMenu::initTestCase() {
    InitTestEnvironment();
    InitAppPath(MakeDataFolder(dir, true));
    DataModule1 = new TDataModule1();
    CreateForms();
    static_cast<TApplication *>(qApp)->OnException = [](const QString &m) {
        FMain->ApplicationEvents1Exception(m);
    };
}

void TestMainMenu::cleanupTestCase() {
    DataModule1->Disconnect();
}

void TestMainMenu::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QSize>("size");
    const QSize huge(170, 70), icon(57, 49);
    const struct {
        const char *n;
        QString c;
    } big[] = {
        {"sBitBtnExit", QStringLiteral("تــندخــوانی چــــیست؟")},
        {"sBitBtn1", QStringLiteral("راهنمای استفاده از نرم افزار")},
        {"sBitBtn2", QStringLiteral("آموزش تندخوانی")},
        {"sBitBtn3", QStringLiteral("تست درک مطلب")},
        {"sBitBtn5", QStringLiteral("تمرین تندخوانی")},
        {"sBitBtn6", QStringLiteral("تمرینات تقویت دید")},
        {"sBitBtn8", QStringLiteral("تسلط غلط یابی")},
        {"sBitBtn9", QStringLiteral("جدول سودوکو")},
        {"sBitBtn10", QStringLiteral("جـعـبه مـحاسبات اعداد")},
        {"sBitBtn12", QStringLiteral("تفاوت زمـانی سـاعت ها")},
        {"sBitBtn14", QStringLiteral("100 نکته برای مــطالعه موفق")},
        {"sBitBtn15", QStringLiteral("خلاصه کتب")},
        {"sBitBtn4", QStringLiteral("جعبه یادگیری لایتنر")},
    };
    for (const auto &b : big)
        QTest::newRow(b.n) << QString::fromLatin1(b.n) << b.c << QString() << huge;
    QTest::newRow("sSpeedButton2")
        << "sSpeedButton2" << QString() << QStringLiteral("درباره ما") << icon;
    QTest::newRow("sSpeedButton1")
        << "sSpeedButton1" << QString() << QStringLiteral("اطلاعات تماس") << icon;
    QTest::newRow("sSpeedButton4")
        << "sSpeedButton4" << QString() << QStringLiteral("خروج از برنامه") << icon;
}

void TestMainMenu::controls() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, tip);
    QFETCH(QSize, size);
    auto *b = FMain->Find<QPushButton>(name);
    QVERIFY(b);
    QCOMPARE(b->text(), caption);
    QCOMPARE(b->toolTip(), tip);
    QCOMPARE(b->size(), size);
    QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
    if (size.width() == 170)
        QCOMPARE(b->property("skinSection").toString(), QStringLiteral("BUTTON_HUGE"));
    // Inside the window and clear of every other control.
    QVERIFY(FMain->rect().contains(b->geometry()));
    for (auto *other : FMain->findChildren<QPushButton *>())
        if (other != b)
            QVERIFY2(!other->geometry().intersects(b->geometry()), qPrintable(other->objectName()));
}

void TestMainMenu::tabOrder() {
    const QStringList expected{"sBitBtnExit", "sBitBtn1",  "sBitBtn2", "sBitBtn3",  "sBitBtn5",
                               "sBitBtn6",    "sBitBtn8",  "sBitBtn9", "sBitBtn10", "sBitBtn12",
                               "sBitBtn14",   "sBitBtn15", "sBitBtn4"};
    QWidget *w = FMain->Find<QWidget>(expected.first());
    QStringList got{w->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus)
            w = w->nextInFocusChain();
        got << w->objectName();
    }
    QCOMPARE(got, expected);
}

void TestMainMenu::window() {
    QCOMPARE(FMain->windowTitle(), QStringLiteral("صفحه اصلی"));
    QCOMPARE(FMain->size(), QSize(688, 556));
    QCOMPARE(FMain->layoutDirection(), Qt::RightToLeft);
    QVERIFY(FMain->KeyPreview);
    QVERIFY(!(FMain->windowFlags() & Qt::WindowMaximizeButtonHint));
    auto *picture = FMain->Find<QLabel>(QStringLiteral("Image1"));
    QCOMPARE(picture->geometry().size(), QSize(215, 202));
    QVERIFY(picture->x() < 20 && picture->y() < 20);
    QVERIFY(!picture->pixmap().isNull());
}

void TestMainMenu::infoWindows_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("heading");
    QTest::newRow("about") << "sSpeedButton2"
                           << "AboutForm" << QSize(470, 530) << QStringLiteral("معرفی برنامه");
    QTest::newRow("contact") << "sSpeedButton1"
                             << "FContactUs" << QSize(433, 220) << QStringLiteral("تماس با ما");
}

void TestMainMenu::infoWindows() {
    QFETCH(QString, button);
    QFETCH(QString, window);
    QFETCH(QSize, size);
    QFETCH(QString, heading);
    TForm *form =
        window == "AboutForm" ? static_cast<TForm *>(AboutForm) : static_cast<TForm *>(FContactUs);
    QCOMPARE(form->objectName(), window);
    FMain->Show();
    QTest::mouseClick(FMain->Find<QPushButton>(button), Qt::LeftButton);
    QVERIFY(form->isVisible());
    QVERIFY(!form->IsModalShowing());
    QCOMPARE(form->size(), size);
    QCOMPARE(form->windowTitle(), QString());
    QCOMPARE(form->Find<QLabel>(QStringLiteral("sLabelFX1"))->text(), heading);
    // Any key closes it; the instance stays for the next showing.
    QTest::keyClick(form, Qt::Key_A);
    QVERIFY(!form->isVisible());
    QTest::mouseClick(FMain->Find<QPushButton>(button), Qt::LeftButton);
    QVERIFY(form->isVisible());
    QTest::keyClick(form, Qt::Key_Escape);
    QVERIFY(!form->isVisible());
    QVERIFY(FMain->isVisible());
}

void TestMainMenu::initDbFromAnotherDirectory() {
    QDir::setCurrent(QDir::rootPath());
    FMain->InitDB();
    QVERIFY(!FMain->DatabaseFailed());
    QVERIFY(DataModule1->ADOConnection1.Connected());
    QCOMPARE(QDir::currentPath() + u'/', AppPath);
    for (TDbTable *t : DataModule1->Tables())
        QVERIFY(t->Active());
    // The media the windows read resolve too, whatever their case.
    QVERIFY(QFile::exists(MediaPath(QStringLiteral("media\\text\\Text1.txt"))));
    QVERIFY(QFile::exists(MediaPath(QStringLiteral("media\\sound\\tik.wav"))));
}

void TestMainMenu::escapeEndsTheProgram() {
    FMain->Show();
    QTimer::singleShot(0, FMain, [] { QTest::keyClick(FMain, Qt::Key_Escape); });
    // Should the menu not end the loop, the test fails rather than hangs.
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!FMain->isVisible());
}

void TestMainMenu::exceptionInHandlerIsLogged() {
    QFile::remove(ErrorLogPath());
    auto *b = new QPushButton(FMain);
    connect(b, &QPushButton::clicked, [] { throw std::runtime_error("kaboom in a handler"); });
    bool after = false;
    connect(b, &QPushButton::clicked, [&] { after = true; });
    FMain->Show();
    QTest::mouseClick(b, Qt::LeftButton);
    // No window opened, the program goes on, the failure is in the log.
    QVERIFY(!QApplication::activeModalWidget());
    QFile log(ErrorLogPath());
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    QVERIFY(text.contains(QStringLiteral("kaboom in a handler")));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT"))));
    QTest::mouseClick(FMain->Find<QPushButton>(QStringLiteral("sSpeedButton2")), Qt::LeftButton);
    QVERIFY(AboutForm->isVisible());
    AboutForm->Close();
    delete b;
    Q_UNUSED(after)
}

int main(int argc, char **argv) {
    TApplication app(argc, argv);
    QApplication::setLayoutDirection(Qt::RightToLeft);
    QApplication::setQuitOnLastWindowClosed(false);
    TestMainMenu t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_mainmenu.moc"
