// Speed of the channel-list editor on a list of 4000 channels.
#include "editor/EditForm.h"
#include "editor/FavForm.h"
#include "editor/Suche.h"
#include "fileio/LocalPath.h"
#include "listformat/ListFile.h"
#include "listmodel/ChannelListModel.h"
#include "tests/channellist/ListTestSupport.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <random>

namespace {

// Answers every open dialog with the bench list; boxes are not shown.
class BenchDialogs : public UserDialogs {
public:
    QString path;
    void message(QWidget*, const QString&, const QString&, Icon) override {}
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QStringList openFileNames(QWidget*, const QString&, const QString&, bool) override {
        return {path};
    }
    QString pdf; // print answers go to this PDF file
    bool printDialog(QWidget*, QPrinter& printer) override {
        if (pdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    }
    bool fontDialog(QWidget*, QFont&) override { return false; }
    int choice(QWidget*, const QString&, const QString&, const QStringList&, int) override {
        return 1; // discard
    }
    bool number(QWidget*, const QString&, const QString&, int, int, int&) override { return false; }
    int execDialog(QDialog&) override { return 0; }
};

struct Editor {
    BenchDialogs dialogs;
    std::unique_ptr<ChannelListModel> model = std::make_unique<ChannelListModel>();
    std::unique_ptr<TFavForm> fav = std::make_unique<TFavForm>(dialogs, *model);
    std::unique_ptr<TEditForm> edit = std::make_unique<TEditForm>(dialogs, *model);

    explicit Editor(const QString& list) {
        dialogs.path = list;
        edit->setFavForm(fav.get());
        edit->resize(1128, 665);
        edit->show();
        QCoreApplication::processEvents();
    }
    void paint() { edit->controls().StringGrid1->viewport()->repaint(); }
    void selectRows(int top, int bottom) {
        edit->controls().StringGrid1->setSelectionRect({1, top, ChannelGridColumns - 1, bottom});
    }
    void cut100() {
        selectRows(1, 100);
        edit->Cut1Click();
    }
    void paste100() {
        edit->controls().StringGrid1->setCurrentCell(14, 1);
        edit->editor().markRows(100);
        edit->Paste1Click();
    }
};

QString benchList;
QString tvList; // 4000 TV channels: one view of 4000 rows
QString scratchDir;

void BM_FindOver4000Rows(benchmark::State& state) {
    Editor e(tvList);
    TSuche suche;
    e.edit->setFinder(&suche);
    e.edit->openList();
    suche.Edit1->setText(QStringLiteral("no such channel")); // walks every row
    for (auto _ : state)
        e.edit->Suchewiederholen1Click();
}
BENCHMARK(BM_FindOver4000Rows)->Unit(benchmark::kMillisecond);

void BM_SaveFullListFromTheEditor(benchmark::State& state) {
    Editor e(benchList);
    e.edit->openList();
    for (auto _ : state)
        e.edit->saveList();
}
BENCHMARK(BM_SaveFullListFromTheEditor)->Unit(benchmark::kMillisecond);

void BM_Print4000RowsToPdf(benchmark::State& state) {
    Editor e(tvList);
    e.edit->openList();
    e.dialogs.pdf = scratchDir + QStringLiteral("/print.pdf");
    for (auto _ : state)
        e.edit->Print1Click();
}
BENCHMARK(BM_Print4000RowsToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OpenListToFirstPaintedTable(benchmark::State& state) {
    Editor e(benchList);
    for (auto _ : state) {
        e.edit->openList();
        e.paint();
    }
}
BENCHMARK(BM_OpenListToFirstPaintedTable)->Unit(benchmark::kMillisecond);

void BM_ViewSwitch(benchmark::State& state) {
    Editor e(benchList);
    e.edit->openList();
    bool radio = false;
    for (auto _ : state) {
        radio = !radio;
        radio ? e.edit->showRadio() : e.edit->showTv();
        e.paint();
    }
}
BENCHMARK(BM_ViewSwitch)->Unit(benchmark::kMillisecond);

void BM_Cut100Rows(benchmark::State& state) {
    Editor e(benchList);
    e.edit->openList();
    for (auto _ : state) {
        e.cut100();
        e.paint();
        state.PauseTiming();
        e.paste100();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Cut100Rows)->Unit(benchmark::kMillisecond);

void BM_Paste100Rows(benchmark::State& state) {
    Editor e(benchList);
    e.edit->openList();
    for (auto _ : state) {
        state.PauseTiming();
        e.cut100();
        state.ResumeTiming();
        e.paste100();
        e.paint();
    }
}
BENCHMARK(BM_Paste100Rows)->Unit(benchmark::kMillisecond);

// One step back and one forward per iteration, each with its repaint: an
// undo step takes half the time shown.
void BM_UndoStepBackAndForward(benchmark::State& state) {
    Editor e(benchList);
    e.edit->openList();
    e.cut100();
    for (auto _ : state) {
        e.edit->undo();
        e.paint();
        e.edit->redo();
        e.paint();
    }
}
BENCHMARK(BM_UndoStepBackAndForward)->Unit(benchmark::kMillisecond);

// Alt+Down, then Alt+Up, on 100 marked rows in the middle of the full list:
// each iteration two moves, each with its undo step, refill and repaint.
void BM_KeyMove100Rows(benchmark::State& state) {
    Editor e(benchList);
    e.edit->openList();
    e.selectRows(1000, 1099);
    e.edit->editor().markRows(100);
    auto* down = e.edit->findChild<QAction*>(QStringLiteral("MoveDown1"));
    auto* up = e.edit->findChild<QAction*>(QStringLiteral("MoveUp1"));
    for (auto _ : state) {
        down->trigger();
        e.paint();
        up->trigger();
        e.paint();
    }
    if (e.edit->editor().markedRowCount() != 100 || e.model->history.undoCount() < 2)
        state.SkipWithError("the rows did not move");
}
BENCHMARK(BM_KeyMove100Rows)->Unit(benchmark::kMillisecond);

// Sorting the whole view of 4000 channels by name, ascending and descending
// in turn (each sort reorders every row), with undo step, refill and repaint.
void BM_Sort4000Channels(benchmark::State& state) {
    Editor e(tvList);
    e.edit->openList();
    bool descending = false;
    for (auto _ : state) {
        descending = !descending;
        e.edit->editor().sortRows(1, ChannelSortKey::Name, descending);
        e.paint();
    }
}
BENCHMARK(BM_Sort4000Channels)->Unit(benchmark::kMillisecond);

void BM_PaintOnly(benchmark::State& state) {
    Editor e(benchList);
    e.edit->openList();
    for (auto _ : state)
        e.paint();
}
BENCHMARK(BM_PaintOnly)->Unit(benchmark::kMillisecond);

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    benchList = dir.filePath(QStringLiteral("bench.lst"));
    {
        auto source = std::make_unique<ChannelListModel>();
        std::mt19937 random(4000);
        listtest::randomImage(source->image, random, ChannelSlots);
        listtest::RecordingReporter reporter;
        if (!saveListFile(source->image, fileio::localPath(benchList), reporter))
            return 1;
        for (ChannelRecord& c : source->image.channels)
            c.flags |= ChannelInUse | ChannelIsTv;
        tvList = dir.filePath(QStringLiteral("tv.lst"));
        if (!saveListFile(source->image, fileio::localPath(tvList), reporter))
            return 1;
    }
    scratchDir = dir.path();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    // A full list open with 100 undo steps behind it.
    Editor e(benchList);
    e.edit->openList();
    for (int i = 0; i < 50; ++i) {
        e.cut100();
        e.paste100();
    }
    std::printf("undo steps: %d, resident memory: %ld KB\n", e.model->history.undoCount(),
                residentKilobytes());
    return 0;
}
