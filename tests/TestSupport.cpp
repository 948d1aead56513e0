#include "TestSupport.h"

#include "common/Paths.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

int RunMkData(const QStringList &args, QString *output) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(TIZBIN_MKDATA), args);
    p.waitForFinished(120000);
    if (output)
        *output = QString::fromUtf8(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QString MakeDataFolder(const QTemporaryDir &dir, bool withMedia) {
    QStringList args;
    if (!withMedia)
        args << QStringLiteral("--db-only");
    args << QStringLiteral(TIZBIN_CONTENT_DIR) << dir.path();
    QString out;
    const int rc = RunMkData(args, &out);
    if (rc != 0)
        qFatal("tizbin-mkdata failed (%d): %s", rc, qPrintable(out));
    return dir.path() + u'/';
}

namespace {
QObject *Watchers() {
    static QObject *parent = new QObject(qApp);
    return parent;
}
} // namespace

void CancelModalWatchers() {
    for (QTimer *t : Watchers()->findChildren<QTimer *>())
        delete t;
}

void WhenModal(std::function<void(QWidget *)> action) {
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto *timer = new QTimer(Watchers());
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, qApp, [=]() {
        QWidget *now = QApplication::activeModalWidget();
        if (now && now != before.data() && now->isVisible()) {
            timer->stop();
            timer->setParent(nullptr); // no longer a pending watcher
            timer->deleteLater();
            action(now);
        } else if (++*tries > 2000) {
            timer->stop();
            timer->deleteLater();
            qWarning("no modal window opened");
        }
    });
    timer->start(5);
}

namespace {
void Record(QWidget *w, ModalSeen *seen) {
    if (!seen)
        return;
    seen->Opened = true;
    seen->Title = w->windowTitle();
    if (auto *m = w->findChild<QLabel *>(QStringLiteral("Message")))
        seen->Message = m->text();
    seen->Buttons.clear();
    for (auto *b : w->findChildren<QAbstractButton *>())
        seen->Buttons << b->objectName() + u'=' + b->text();
}
} // namespace

void AnswerModal(const QString &buttonName, ModalSeen *seen) {
    WhenModal([=](QWidget *w) {
        Record(w, seen);
        auto *b = w->findChild<QAbstractButton *>(buttonName);
        if (!b) {
            qWarning("modal window has no button %s", qPrintable(buttonName));
            w->close();
            return;
        }
        QTest::mouseClick(b, Qt::LeftButton);
    });
}

void AnswerModalKey(int key, ModalSeen *seen) {
    WhenModal([=](QWidget *w) {
        Record(w, seen);
        QWidget *target = QApplication::focusWidget();
        if (!target || target->window() != w)
            target = w;
        QTest::keyClick(target, Qt::Key(key));
    });
}

void InitTestEnvironment() {
    QStandardPaths::setTestModeEnabled(true);
    qputenv("TIZBIN_MUTE", "1");
}

void TypeText(QWidget *widget, const QString &text) {
    for (const QChar ch : text) {
        const int key = ch == u' '           ? int(Qt::Key_Space)
                        : ch.unicode() < 128 ? int(ch.toUpper().unicode())
                                             : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

void WriteAllTexts(const QByteArray &bytes) {
    QDir().mkpath(MediaPath(QStringLiteral("media")) + QStringLiteral("/text"));
    for (int i = 1; i <= 28; ++i) {
        QFile f(MediaPath(QStringLiteral("media\\text\\Text%1.txt").arg(i)));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(f.fileName()));
        f.write(bytes);
    }
}
