// How steadily the exercise ticks arrive, and what the wait between them
// costs, for the two fastest exercises: moving pictures at 30 per second and
// word groups at 1200 words per minute, each for 20 seconds. Each runs once
// with the surface's own wait (a nested event loop that sleeps until the
// next event) and once with a wait written as a busy loop (process events,
// test the flag, repeat), for comparison.
//
//   QT_QPA_PLATFORM=offscreen build/tizbin-bench-wait [seconds]

#include "common/Paths.h"
#include "common/TextFiles.h"
#include "common/Timer.h"
#include "display/FDisplay_.h"
#include "display/FWait_.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

double CpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

struct Result {
    QString Name;
    int Nominal = 0;
    qint64 Delivered = 0;
    qint64 Due = 0;
    double MedianMs = 0, P99Ms = 0, WorstMs = 0;
    double CpuPerSecond = 0;
};

// Records the moment of every ball tick.
class TickRecorder : public QObject {
public:
    QElapsedTimer Clock;
    QVector<qint64> Ticks;
    TickRecorder() {
        connect(FDisplay->TimerBall, &TTimer::Timer, this,
                [this] { Ticks << Clock.nsecsElapsed(); });
    }
};

Result Measure(const QString &name, const std::function<void()> &run) {
    TickRecorder rec;
    rec.Clock.start();
    const double cpu0 = CpuSeconds();
    run();
    const double cpu = CpuSeconds() - cpu0;
    const double wall = double(rec.Clock.nsecsElapsed()) / 1e9;

    Result r;
    r.Name = name;
    r.Nominal = FDisplay->TimerBall->Interval();
    r.Delivered = rec.Ticks.size();
    r.Due = qint64(wall * 1000.0 / r.Nominal);
    QVector<double> dev;
    for (int i = 1; i < rec.Ticks.size(); ++i)
        dev << std::abs(double(rec.Ticks[i] - rec.Ticks[i - 1]) / 1e6 - r.Nominal);
    std::sort(dev.begin(), dev.end());
    if (!dev.isEmpty()) {
        r.MedianMs = dev[dev.size() / 2];
        r.P99Ms = dev[std::min<qsizetype>(dev.size() - 1, qsizetype(dev.size() * 0.99))];
        r.WorstMs = dev.last();
    }
    r.CpuPerSecond = wall > 0 ? cpu / wall : 0;
    std::printf("%-28s interval=%dms ticks=%lld/%lld median_dev=%.2fms p99_dev=%.2fms "
                "worst_dev=%.2fms cpu=%.3fs/s\n",
                qPrintable(r.Name), r.Nominal, r.Delivered, r.Due, r.MedianMs, r.P99Ms, r.WorstMs,
                r.CpuPerSecond);
    std::fflush(stdout);
    return r;
}

// The instruction screen is answered at once: it is not what is measured.
void SkipInstructions() {
    auto *t = new QTimer(qApp);
    QObject::connect(t, &QTimer::timeout, [t] {
        if (FWait->isVisible()) {
            FWait->SetModalResult(mrOk);
            t->deleteLater();
        }
    });
    t->start(1);
}

// The same exercise, waited for by spinning on the event queue.
template <class T> void BusyWait(T *&active, T *object, const std::function<void(T *)> &start) {
    active = object;
    start(active);
    while (!active->Finished)
        QCoreApplication::processEvents();
    delete active;
    active = nullptr;
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TIZBIN_MUTE", "1");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 20;

    QTemporaryDir data;
    if (QProcess::execute(QStringLiteral(TIZBIN_MKDATA),
                          {QStringLiteral(TIZBIN_CONTENT_DIR), data.path()}) != 0)
        return 1;
    InitAppPath(data.path());
    FDisplay = new TFDisplay();
    FWait = new TFWait();
    FDisplay->Show();

    QVector<Result> ours, busy;
    SkipInstructions();
    ours << Measure(QStringLiteral("pictures 30/s, event wait"),
                    [&] { FDisplay->ShowHarkatAshia(3, 1000000, 30, seconds); });
    busy << Measure(QStringLiteral("pictures 30/s, busy wait"), [&] {
        BusyWait<THarkatAshia>(ActiveHarkatAshia, new THarkatAshia(3),
                               [&](THarkatAshia *e) { e->DoAct(1000000, 30, seconds); });
    });
    SkipInstructions();
    ours << Measure(QStringLiteral("words 1200/min, event wait"),
                    [&] { FDisplay->ShowMaksCheshmi(1200, 1, seconds); });
    FDisplay->MemoMaksChesm->setPlainText(ReadTextFile(FDisplay->GetRandomTextFilePath()));
    busy << Measure(QStringLiteral("words 1200/min, busy wait"), [&] {
        BusyWait<TMaksCheshmi>(ActiveMaksCheshmi, new TMaksCheshmi(FDisplay->MemoMaksChesm),
                               [&](TMaksCheshmi *e) { e->DoAct(1200, 1, seconds); });
    });

    double oursCpu = 0, busyCpu = 0, worstP99 = 0;
    qint64 lost = 0;
    for (const Result &r : ours) {
        oursCpu += r.CpuPerSecond;
        worstP99 = std::max(worstP99, r.P99Ms);
        lost += std::max<qint64>(0, r.Due - r.Delivered);
    }
    for (const Result &r : busy)
        busyCpu += r.CpuPerSecond;
    std::printf("summary: busy_cpu_ratio=%.1f worst_p99_ms=%.2f lost_ticks=%lld\n",
                oursCpu > 0 ? busyCpu / oursCpu : 0.0, worstP99, lost);
    return 0;
}
