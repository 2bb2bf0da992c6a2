#include "fileio/LocalPath.h"
#include "listformat/ListCrc32.h"
#include "listformat/ListFile.h"
#include "listmodel/ChannelListModel.h"
#include "listmodel/ListEditorPrompts.h"
#include "listmodel/ListFileTexts.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

class NoPrompts : public ListEditorPrompts {
public:
    void capacityExceeded(int, const QString&) override {}
    void warnMoveUp() override {}
    void warnMoveDown() override {}
};

class NoReport : public ListFileMessages {
public:
    void plainMessage(const QString&) override {}
};

// 4000 channels, TV and radio mixed, on 1000 transponders, with favourites.
void fillFullList(ChannelListImage& image) {
    image = ChannelListImage{};
    image.descriptor.receiverType = 3;
    for (int s = 0; s < ChannelSlots; ++s) {
        ChannelRecord& c = image.channels[s];
        c.flags = static_cast<uint16_t>(ChannelInUse | (s % 4 ? ChannelIsTv : 0) | (s % 2));
        c.programNumber = static_cast<uint16_t>(s);
        c.videoPid = static_cast<uint16_t>(100 + s);
        c.audioPid = static_cast<uint16_t>(200 + s);
        c.transponderIndex = static_cast<uint16_t>(s % TransponderSlots);
        c.favouriteNumber = static_cast<uint16_t>(s % 40 == 0 ? s / 40 + 1 : 0);
        setFieldText(c.name, "Channel number " + std::to_string(s));
    }
    for (int t = 0; t < TransponderSlots; ++t)
        image.transponders[t] = {static_cast<uint32_t>(t % 3 ? 27500 : 6900),
                                 static_cast<uint32_t>(t % 3 ? 11000000 + t * 1000 : 346000),
                                 1,
                                 static_cast<uint16_t>(t % 2),
                                 0,
                                 static_cast<uint8_t>(t % SatelliteSlots),
                                 0};
    for (int s = 0; s < SatelliteSlots; ++s)
        setFieldText(image.satellites[s].name, "Satellite " + std::to_string(s));
}

struct Fixture {
    Fixture() {
        fillFullList(model->image);
        path = dir.filePath("full.lst");
        NoReport report;
        saveListFile(model->image, fileio::localPath(path), report);
        model->recount();
        model->fillChannelGrid(model->channelCount());
    }
    QTemporaryDir dir;
    QString path;
    std::unique_ptr<ChannelListModel> model = std::make_unique<ChannelListModel>();
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_LoadAndVerify(benchmark::State& state) {
    Fixture& f = fixture();
    auto image = std::make_unique<ChannelListImage>();
    for (auto _ : state)
        benchmark::DoNotOptimize(loadListFile(*image, fileio::localPath(f.path)));
}
BENCHMARK(BM_LoadAndVerify)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state) {
    Fixture& f = fixture();
    NoReport report;
    const QString out = f.dir.filePath("saved.lst");
    for (auto _ : state)
        benchmark::DoNotOptimize(saveListFile(f.model->image, fileio::localPath(out), report));
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

void BM_ListCrc32(benchmark::State& state) {
    std::vector<uint8_t> data(ListFileBytes);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(i * 131);
    for (auto _ : state)
        benchmark::DoNotOptimize(listCrc32(data.data(), data.size()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(data.size()));
}
BENCHMARK(BM_ListCrc32);

void BM_FillChannelGrid(benchmark::State& state) {
    Fixture& f = fixture();
    f.model->currentKind = 1;
    for (auto _ : state)
        f.model->fillChannelGrid(f.model->channelCount());
    // All 4000 rows: one pass over each kind.
    f.model->currentKind = 0;
    f.model->fillChannelGrid(f.model->channelCount());
    f.model->currentKind = 1;
}
BENCHMARK(BM_FillChannelGrid)->Unit(benchmark::kMillisecond);

// The largest possible view: 4000 channels, all of the shown kind.
void BM_FillChannelGrid4000Rows(benchmark::State& state) {
    auto model = std::make_unique<ChannelListModel>();
    fillFullList(model->image);
    for (ChannelRecord& c : model->image.channels)
        c.flags |= ChannelIsTv;
    model->recount();
    model->currentKind = 1;
    for (auto _ : state)
        model->fillChannelGrid(model->channelCount());
    if (model->viewRowCount() != ChannelSlots)
        state.SkipWithError("the view does not hold 4000 rows");
}
BENCHMARK(BM_FillChannelGrid4000Rows)->Unit(benchmark::kMillisecond);

// Cut 100 TV rows from the middle and paste them back (two operations).
void BM_CutAndPaste100(benchmark::State& state) {
    auto model = std::make_unique<ChannelListModel>();
    fillFullList(model->image);
    model->recount();
    model->fillChannelGrid(model->channelCount());
    NoPrompts prompts;
    for (auto _ : state) {
        model->cutRowsToClipboard(1000, 100);
        model->insertFromClipboard(1000, 100, prompts);
    }
}
BENCHMARK(BM_CutAndPaste100)->Unit(benchmark::kMicrosecond);

void BM_Move100(benchmark::State& state) {
    auto model = std::make_unique<ChannelListModel>();
    fillFullList(model->image);
    model->recount();
    model->currentKind = 1;
    model->fillChannelGrid(model->channelCount());
    NoPrompts prompts;
    bool down = true;
    for (auto _ : state) {
        // Down and back up over about 2000 rows; rowToChannel stays valid
        // because the pair restores the order.
        if (down)
            model->moveRows(100, 2100, 100, prompts);
        else
            model->moveRows(2001, 100, 100, prompts);
        down = !down;
    }
}
BENCHMARK(BM_Move100)->Unit(benchmark::kMicrosecond);

void BM_RepairFavourites(benchmark::State& state) {
    auto model = std::make_unique<ChannelListModel>();
    fillFullList(model->image);
    for (auto _ : state)
        benchmark::DoNotOptimize(model->repairFavourites());
}
BENCHMARK(BM_RepairFavourites)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
