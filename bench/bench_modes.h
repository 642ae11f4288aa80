#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

#include <sys/resource.h>

// The two ways both start-up benchmarks run: without arguments the process
// ends after the first frame that paints the watched widget; with
// "idle <seconds>" it stays up that long and then ends, so that its CPU time
// can be read.
namespace bench {

// Ends the process on the spot: what is measured is the start-up, not the
// teardown (which, for a bare window, loads a font configuration it never
// used). Under callgrind the count stops here too.
[[noreturn]] inline void endNow()
{
    std::fflush(stdout);
    std::_Exit(0);
}

// Ends the process once the frame that first paints the watched widget is
// done: the paint event comes first, the flush of the frame follows before
// control is back in the event loop.
class EndAfterFirstPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(
                qApp, [] { endNow(); }, Qt::QueuedConnection);
        return false;
    }
};

// Seconds to stay idle, or 0 for the start-up mode.
inline int idleSeconds(const QStringList& arguments)
{
    const int at = int(arguments.indexOf(QStringLiteral("idle")));
    return at >= 1 && at + 1 < arguments.size() ? arguments.at(at + 1).toInt() : 0;
}

// The scheduler's own count of the time on a CPU, to the nanosecond; the
// rusage times can be sampled at the clock tick, too coarse for a process
// that runs some 20 us at a time.
inline double cpuMilliseconds()
{
    if (std::FILE* file = std::fopen("/proc/self/schedstat", "r")) {
        unsigned long long ns = 0;
        const int read = std::fscanf(file, "%llu", &ns);
        std::fclose(file);
        if (read == 1)
            return double(ns) / 1e6;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Ends the process after the first frame that paints `watched`; in the idle mode,
// settles for a second, then prints the CPU time of the next `idle` seconds
// and ends.
inline void endWhenMeasured(QWidget* watched, int idle)
{
    if (idle <= 0) {
        watched->installEventFilter(new EndAfterFirstPaint(qApp));
        return;
    }
    QTimer::singleShot(1000, qApp, [idle] {
        const double before = cpuMilliseconds();
        QTimer::singleShot(idle * 1000, qApp, [before] {
            std::printf("idle_cpu_ms %.1f\n", cpuMilliseconds() - before);
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    });
}

} // namespace bench
