#pragma once

#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

namespace bench {

// User and system time of this process so far.
inline double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& tv) { return tv.tv_sec + tv.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs the event loop for the given seconds of nothing happening and gives
// the share of one core the process used meanwhile, in percent.
inline double idleCpuPercent(int seconds) {
    const double before = processCpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    return (processCpuSeconds() - before) / seconds * 100.0;
}

} // namespace bench
