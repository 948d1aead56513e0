#include "Timer.h"

bool TTimer::ManualTicks = false;

TTimer::TTimer(QObject *parent, const QString &name, int ms) : QObject(parent), interval(ms) {
    setObjectName(name);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, &TTimer::Timer);
}

void TTimer::Restart() {
    timer.stop();
    if (enabled && interval > 0 && !ManualTicks)
        timer.start(interval);
}

void TTimer::SetEnabled(bool on) {
    if (enabled == on)
        return;
    enabled = on;
    Restart();
}

void TTimer::SetInterval(int ms) {
    if (interval == ms)
        return;
    interval = ms;
    Restart();
}
