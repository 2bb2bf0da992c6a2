// Program start to the first shown main window (offscreen): every window
// created in start-up order, the settings file read, ports scanned, the
// language applied, the main window shown and painted once; and a language
// switch.
#include "app/AppWindows.h"
#include "app/MainWindow.h"
#include "app/Settings.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
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
