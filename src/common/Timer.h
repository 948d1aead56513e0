#pragma once
// A timer in the manner the windows were designed around: enabled or not,
// an interval that may change while it runs, one handler. Enabling starts a
// full interval afresh.
//
// With ManualTicks set (tests) no real timer ever runs: Enabled is kept, and
// the test calls the handlers itself.

#include <QObject>
#include <QTimer>

class TTimer : public QObject {
    Q_OBJECT
public:
    explicit TTimer(QObject *parent, const QString &name, int interval = 1000);

    bool Enabled() const { return enabled; }
    void SetEnabled(bool on);
    int Interval() const { return interval; }
    void SetInterval(int ms);

    static bool ManualTicks;

signals:
    void Timer();

private:
    void Restart();
    QTimer timer;
    bool enabled = false;
    int interval;
};
