// Speed of the help window: from F1 to the painted contents page, and from a
// click on a contents entry to the painted page (goals: 100 ms and 20 ms).
#include "bench/WidgetBenchMain.h"
#include "help/HelpPage.h"
#include "help/HelpViewer.h"
#include "help/HelpWindow.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <benchmark/benchmark.h>

namespace {

const QString helpFile =
    QDir(QStringLiteral(QUELVOX_HELP_DIR)).filePath(QStringLiteral("helpen.chm"));

void paint(QWidget& window) {
    QPixmap pixmap(window.size());
    window.render(&pixmap);
    benchmark::DoNotOptimize(pixmap);
}

void BM_F1ToPaintedContents(benchmark::State& state) {
    help::HelpWindow window;
    for (auto _ : state) {
        if (!help::showContents(helpFile))
            state.SkipWithError("helpen.chm not built");
        paint(window);
    }
}
BENCHMARK(BM_F1ToPaintedContents)->Unit(benchmark::kMillisecond);

void BM_PageChange(benchmark::State& state) {
    help::HelpWindow window;
    if (!window.showFile(helpFile)) {
        state.SkipWithError("helpen.chm not built");
        return;
    }
    const QString pages[] = {QStringLiteral("transfers.html"), QStringLiteral("messages.html")};
    int i = 0;
    for (auto _ : state) {
        window.page()->setSource(help::HelpPage::urlOf(pages[i++ % 2]));
        paint(window);
    }
}
BENCHMARK(BM_PageChange)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWidgets(argc, argv);
}
