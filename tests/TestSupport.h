#pragma once
// What the test programs share: a real data folder in a temporary directory,
// built by the same tool that builds the delivered one, and answering the
// modal window that a handler is about to open.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

class QWidget;

// Builds a data folder (database only, or with media) below dir; fails the
// test on error. Returns the folder with a trailing separator.
QString MakeDataFolder(const QTemporaryDir &dir, bool withMedia = false);

// Runs the data-folder tool with the given arguments; returns its exit code.
int RunMkData(const QStringList &args, QString *output = nullptr);

// When the next modal window opens (one that is not open now), calls action
// with it. Call before the code that opens it.
void WhenModal(std::function<void(QWidget *)> action);
// Forgets every watcher of WhenModal whose window never opened.
void CancelModalWatchers();
// Presses the button named name on the modal window that opens next, and
// records the window's title and the texts of its buttons and message.
struct ModalSeen {
    QString Title;
    QString Message;
    QStringList Buttons; // "Name=Caption" in child order
    bool Opened = false;
};
void AnswerModal(const QString &buttonName, ModalSeen *seen = nullptr);
// Sends a key to the modal window that opens next.
void AnswerModalKey(int key, ModalSeen *seen = nullptr);

// Every test program calls this first.
void InitTestEnvironment();

// Types text into a widget key by key, as a keyboard whose layout already
// gives these characters would (works for Persian letters too).
void TypeText(QWidget *widget, const QString &text);

// Replaces all 28 exercise texts of the data folder at AppPath with bytes.
void WriteAllTexts(const QByteArray &bytes);
