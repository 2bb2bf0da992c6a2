#include "listmodel/ChannelListModel.h"
#include "reorder/ListDiff.h"
#include "reorder/ListReorder.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>
#include <string>

namespace {

// 4000 channels, TV and radio mixed, on 1000 transponders of all kinds, with
// favourites.
void fillFullList(ChannelListImage& image) {
    image = ChannelListImage{};
    image.descriptor.receiverType = 3;
    for (int s = 0; s < ChannelSlots; ++s) {
        ChannelRecord& c = image.channels[s];
        c.flags = static_cast<uint16_t>(ChannelInUse | (s % 4 ? ChannelIsTv : 0));
        c.programNumber = static_cast<uint16_t>(s);
        c.videoPid = static_cast<uint16_t>(100 + s);
        c.transponderIndex = static_cast<uint16_t>(s % TransponderSlots);
        c.favouriteNumber = static_cast<uint16_t>(s % 40 == 0 ? s / 40 + 1 : 0);
        setFieldText(c.name, "Channel number " + std::to_string(s));
    }
    for (int t = 0; t < TransponderSlots; ++t)
        image.transponders[t] = {static_cast<uint32_t>(t % 3 ? 27500 : 6900),
                                 static_cast<uint32_t>(t % 3 ? 11000000 + t * 1000 : 346000 + t),
                                 static_cast<uint16_t>(t % 7),
                                 0,
                                 0,
                                 0,
                                 0};
}

// The reference, and the same list after a new scan: shuffled, new PIDs, a
// tenth of the channels under a new service id (found by name), 50 gone and
// 50 new.
struct Lists {
    Lists() {
        fillFullList(reference->image);
        reference->recount();
        scanned->image = reference->image;
        auto& channels = scanned->image.channels;
        std::mt19937 random(12);
        std::shuffle(channels.begin(), channels.end(), random);
        for (int s = 0; s < ChannelSlots; ++s) {
            ChannelRecord& c = channels[s];
            c.favouriteNumber = 0;
            c.videoPid = static_cast<uint16_t>(c.videoPid + 1000);
            if (s % 10 == 0)
                c.programNumber = static_cast<uint16_t>(c.programNumber + 20000);
            if (s < 50) {
                c.programNumber = static_cast<uint16_t>(40000 + s);
                setFieldText(c.name, "New " + std::to_string(s));
            }
        }
        scanned->recount();
    }
    std::unique_ptr<ChannelListModel> reference = std::make_unique<ChannelListModel>();
    std::unique_ptr<ChannelListModel> scanned = std::make_unique<ChannelListModel>();
};

Lists& lists() {
    static Lists l;
    return l;
}

void BM_ReorderFullList(benchmark::State& state) {
    Lists& l = lists();
    auto work = std::make_unique<ChannelListModel>();
    for (auto _ : state) {
        work->image = l.scanned->image;
        const ReferenceList reference =
            referenceFromImage(l.reference->image, l.reference->channelCount());
        const ReorderSummary summary = applyReferenceOrder(*work, reference, false);
        benchmark::DoNotOptimize(summary);
    }
}
BENCHMARK(BM_ReorderFullList)->Unit(benchmark::kMillisecond);

void BM_DiffFullLists(benchmark::State& state) {
    Lists& l = lists();
    for (auto _ : state) {
        const ListDiff diff = diffLists(l.reference->image, l.reference->channelCount(),
                                        l.scanned->image, l.scanned->channelCount());
        benchmark::DoNotOptimize(diff.tv.changed.size());
    }
}
BENCHMARK(BM_DiffFullLists)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
