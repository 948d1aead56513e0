#pragma once
// The application object. An exception cannot travel through Qt's event
// loop, so the one place that catches what escapes any handler is notify():
// it writes the failure to the log and the program goes on.

#include <QApplication>

#include <functional>

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // Called with the message of every exception a handler let escape.
    std::function<void(const QString &)> OnException;
};

// The program body: start-up, login, message loop. Returns the exit code.
int RunProgram(int argc, char **argv);
