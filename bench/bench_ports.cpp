// The device watch in real time (an extra path stands for the device, as a
// pseudo-terminal of the stand-in receiver would):
//  - from the device's appearance to the refreshed port list that holds it
//    (goal: below 1 s);
//  - CPU share of watching while nothing comes or goes (goal: below 0.1 % of
//    a core), once polling and once with udev events where a udev daemon runs.
#include "bench/CpuTime.h"
#include "ports/DeviceWatch.h"
#include "serial/PortList.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

bool listed(const QString& path) {
    for (const SerialPortEntry& port : PortList::scan())
        if (port.devicePath == path)
            return true;
    return false;
}

void BM_AppearanceToPortList(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("receiver");
    qputenv("QUELVOX_EXTRA_PORTS", path.toLocal8Bit());
    DeviceWatch watch({path});
    watch.start();
    for (auto _ : state) {
        QFile::remove(path);
        QEventLoop settle; // the removal is seen and passed on first
        QTimer::singleShot(DeviceWatch::PollMs + DeviceWatch::MinGapMs * 2, &settle,
                           &QEventLoop::quit);
        settle.exec();
        PortList::scan();

        QEventLoop loop;
        QElapsedTimer since;
        bool seen = false;
        auto connection = QObject::connect(&watch, &DeviceWatch::changed, [&] {
            if ((seen = listed(path)))
                loop.quit();
        });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        since.start();
        QFile(path).open(QIODevice::WriteOnly);
        loop.exec();
        QObject::disconnect(connection);
        if (!seen) {
            state.SkipWithError("the port never appeared");
            break;
        }
        state.SetIterationTime(since.nsecsElapsed() / 1e9);
    }
    qunsetenv("QUELVOX_EXTRA_PORTS");
}
BENCHMARK(BM_AppearanceToPortList)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_IdleWatchCpu(benchmark::State& state) {
    const bool useUdev = state.range(0) != 0;
    QTemporaryDir dir;
    DeviceWatch watch({dir.filePath("receiver")});
    watch.start(useUdev);
    if (useUdev && !watch.watchesUdev()) {
        state.SkipWithError("no udev daemon here");
        return;
    }
    double percent = 0;
    for (auto _ : state)
        percent = bench::idleCpuPercent(10);
    state.counters["cpu_percent_of_a_core"] = percent;
}
BENCHMARK(BM_IdleWatchCpu)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
