// The main window online over a pseudo-terminal behind a link (an extra
// port), in real time: the device is pulled (link gone, far end closed) and,
// once the window waits, plugged in again behind the same link; measured from
// the new link to the terminal online again (goal: below 1 s).
#include "app/AppWindows.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "bench/WidgetBenchMain.h"
#include "ports/DeviceWatch.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/Pty.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <unistd.h>

namespace {

bool runUntil(const std::function<bool()>& cond, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!cond() && timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(500);
    }
    return cond();
}

void BM_ReturnToOnline(benchmark::State& state) {
    QTemporaryDir dir;
    QDir::setCurrent(dir.path()); // settings and logs stay out of the caller's folder
    const std::string link = dir.filePath(QStringLiteral("receiver")).toStdString();
    auto pty = std::make_unique<Pty>();
    if (::symlink(pty->slavePath().c_str(), link.c_str()) != 0) {
        state.SkipWithError("no link");
        return;
    }
    qputenv("QUELVOX_EXTRA_PORTS", QByteArray::fromStdString(link));
    int port = 0;
    for (const auto& entry : PortList::scan())
        if (entry.devicePath == QString::fromStdString(link))
            port = entry.name.mid(3).toInt();
    Settings settings;
    settings.PortNumber = static_cast<uint8_t>(port);
    settings.write(QString::fromLatin1(Settings::FileName));

    FakeDialogs dialogs;
    VirtualClock clock;
    AppWindows windows(dialogs, clock);
    TForm1& form = windows.mainWindow();
    form.show();
    form.OnLine1Click();
    for (auto _ : state) {
        ::unlink(link.c_str());
        pty->closeMaster();
        const bool waiting = runUntil(
            [&] { return !form.transfers().terminalOnline() && !form.transfers().termThread(); },
            5000);
        // Until the watch has seen the device gone and passed it on.
        runUntil([] { return false; }, DeviceWatch::PollMs + DeviceWatch::MinGapMs * 2);
        pty = std::make_unique<Pty>();
        QElapsedTimer since;
        since.start();
        ::symlink(pty->slavePath().c_str(), link.c_str());
        if (!waiting || !runUntil([&] { return form.transfers().terminalOnline(); }, 5000)) {
            state.SkipWithError("the terminal did not come back");
            break;
        }
        state.SetIterationTime(since.nsecsElapsed() / 1e9);
    }
    form.OffLine1Click();
    runUntil([&] { return !form.transfers().termThread(); }, 5000);
    qunsetenv("QUELVOX_EXTRA_PORTS");
}
BENCHMARK(BM_ReturnToOnline)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWidgets(argc, argv);
}
