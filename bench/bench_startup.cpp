// Program start to the first shown main window (offscreen): every window
// created in start-up order, the settings file read, ports scanned, the
// language applied, the main window shown and painted once; a language
// switch; and the port menu across hot-plug: from a device's appearance to
// the menu item that shows it (goal: below 1 s), and the CPU share of the shown
// window while no device comes or goes (goal: below 0.1 % of a core).
#include "app/AppWindows.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "bench/CpuTime.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <iterator>
#include <memory>

namespace {

class SilentDialogs : public UserDialogs {
public:
    void message(QWidget*, const QString&, const QString&, Icon) override {}
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QStringList openFileNames(QWidget*, const QString&, const QString&, bool) override {
        return {};
    }
    bool printDialog(QWidget*, QPrinter&) override { return false; }
    bool fontDialog(QWidget*, QFont&) override { return false; }
    int choice(QWidget*, const QString&, const QString&, const QStringList&, int escape) override {
        return escape;
    }
    bool number(QWidget*, const QString&, const QString&, int, int, int&) override { return false; }
    int execDialog(QDialog&) override { return 0; }
};

SilentDialogs dialogs;
VirtualClock benchClock;

std::unique_ptr<AppWindows> startAndShow() {
    auto windows = std::make_unique<AppWindows>(dialogs, benchClock);
    windows->mainWindow().showMaximized();
    windows->mainWindow().grab(); // one full paint
    QCoreApplication::processEvents();
    return windows;
}

void BM_StartupToFirstShownWindow(benchmark::State& state) {
    for (auto _ : state) {
        auto windows = startAndShow();
        state.PauseTiming();
        windows.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToFirstShownWindow)->Unit(benchmark::kMillisecond);

// One choice from the language menu: the texts of every window, the message
// slots, Qt's translations, the help file and the port report, then the
// repaint of the main window.
void BM_LanguageSwitch(benchmark::State& state) {
    auto windows = startAndShow();
    void (TForm1::*const commands[])() = {&TForm1::Englisch1Click, &TForm1::Franzsisch1Click,
                                          &TForm1::Deutsch1Click};
    std::size_t next = 0;
    for (auto _ : state) {
        (windows->mainWindow().*commands[next++ % std::size(commands)])();
        windows->mainWindow().grab();
    }
}
BENCHMARK(BM_LanguageSwitch)->Unit(benchmark::kMillisecond);

// The main window's port menu holds an item that shows this path.
bool inPortMenu(TForm1& form, const QString& path) {
    for (const QAction* item : form.findChildren<QAction*>())
        if (item->isVisible() && item->text().startsWith(QStringLiteral("&COM")) &&
            item->toolTip() == path)
            return true;
    return false;
}

// Runs the event loop until cond holds or ms pass; returns cond().
bool runUntil(const std::function<bool()>& cond, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!cond() && timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return cond();
}

// A pseudo-terminal of the stand-in receiver, as a path of QUELVOX_EXTRA_PORTS,
// comes and goes; its appearance is timed.
void BM_AppearanceToPortMenu(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("receiver"));
    qputenv("QUELVOX_EXTRA_PORTS", path.toLocal8Bit());
    auto windows = startAndShow();
    TForm1& form = windows->mainWindow();
    for (auto _ : state) {
        QFile::remove(path);
        if (!runUntil([&] { return !inPortMenu(form, path); }, 5000)) {
            state.SkipWithError("the port never left the menu");
            break;
        }
        runUntil([] { return false; }, 600); // past the watch's gap after a change
        QElapsedTimer since;
        since.start();
        QFile(path).open(QIODevice::WriteOnly);
        if (!runUntil([&] { return inPortMenu(form, path); }, 5000)) {
            state.SkipWithError("the port never reached the menu");
            break;
        }
        state.SetIterationTime(since.nsecsElapsed() / 1e9);
    }
    qunsetenv("QUELVOX_EXTRA_PORTS");
}
BENCHMARK(BM_AppearanceToPortMenu)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// The shown window, ten seconds of nothing plugged or pulled.
void BM_IdleWindowCpu(benchmark::State& state) {
    QTemporaryDir dir;
    qputenv("QUELVOX_EXTRA_PORTS", dir.filePath(QStringLiteral("receiver")).toLocal8Bit());
    auto windows = startAndShow();
    qunsetenv("QUELVOX_EXTRA_PORTS");
    double percent = 0;
    for (auto _ : state)
        percent = bench::idleCpuPercent(10);
    state.counters["cpu_percent_of_a_core"] = percent;
}
BENCHMARK(BM_IdleWindowCpu)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer cold;
    cold.start();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // Run in a scratch folder with a settings file, as a configured install.
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    Settings settings;
    settings.TitleText = "Bench";
    settings.write(QString::fromLatin1(Settings::FileName));

    // The very first start in this process, application object included.
    auto first = startAndShow();
    std::printf("cold start to first shown window: %lld ms\n",
                static_cast<long long>(cold.elapsed()));
    first.reset();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
