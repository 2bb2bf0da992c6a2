#include "tests/channellist/ListExercise.h"

#include "listformat/ListCrc32.h"
#include "listformat/ListFile.h"
#include "listformat/TextExport.h"
#include "listmodel/ChannelListModel.h"
#include "listmodel/ListEditorPrompts.h"
#include "listmodel/ListFileTexts.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

namespace {

class SilentPrompts : public ListEditorPrompts {
public:
    void capacityExceeded(int, const QString&) override {}
    void warnMoveUp() override {}
    void warnMoveDown() override {}
};

const char* const OperationNames[] = {"copy", "cut", "paste", "move", "move", "favourites"};

// What a failure prints, so that the run can be replayed.
struct Replay {
    uint32_t callerSeed;
    uint32_t operationSeed;
    std::size_t inputSize;
    int step = -1;
    unsigned operation = 0;
};

void require(bool condition, const Replay& replay, const char* what) {
    if (condition)
        return;
    std::fprintf(stderr,
                 "list exercise: %s failed at step %d, operation %u (%s); caller seed %u, "
                 "operation seed %u, input of %zu bytes\n",
                 what, replay.step, replay.operation, OperationNames[replay.operation],
                 replay.callerSeed, replay.operationSeed, replay.inputSize);
    std::abort();
}

uint64_t recordHash(const ChannelRecord& c) {
    uint64_t h = 1469598103934665603ull;
    auto mix = [&h](uint64_t v) { h = (h ^ v) * 1099511628211ull; };
    for (uint16_t v :
         {c.flags, c.favouriteNumber, c.carried4, c.programNumber, c.carried8, c.pcrPid, c.videoPid,
          c.carried14, c.teletextPid, c.audioPid, c.transponderIndex})
        mix(v);
    for (char ch : c.name)
        mix(static_cast<uint8_t>(ch));
    return h;
}

struct UsedSummary {
    int count = 0;
    uint64_t hashSum = 0; // independent of order
};

UsedSummary summarise(const ChannelListImage& image) {
    UsedSummary s;
    while (s.count < ChannelSlots && image.channels[s.count].inUse())
        s.hashSum += recordHash(image.channels[s.count++]);
    return s;
}

// The input with a small valid list under it: in patch mode each 4 input bytes
// set one byte of the file at a 24-bit offset.
const std::vector<uint8_t>& templateFile() {
    static const std::vector<uint8_t> bytes = [] {
        auto image = std::make_unique<ChannelListImage>();
        image->descriptor.receiverType = 1;
        for (int s = 0; s < 40; ++s) {
            ChannelRecord& c = image->channels[s];
            c.flags = static_cast<uint16_t>(ChannelInUse | (s % 3 ? ChannelIsTv : 0));
            c.favouriteNumber = static_cast<uint16_t>(s % 7);
            c.transponderIndex = static_cast<uint16_t>(s % 5);
            c.programNumber = static_cast<uint16_t>(s);
        }
        for (int t = 0; t < 5; ++t)
            image->transponders[t] = {
                static_cast<uint32_t>(t * 9000), 11000000u, 0, static_cast<uint16_t>(t), 0,
                static_cast<uint8_t>(t),         0};
        return serialiseForSave(*image);
    }();
    return bytes;
}

} // namespace

void exerciseListBytes(const uint8_t* data, std::size_t size, ExerciseDepth depth,
                       uint32_t callerSeed) {
    static const std::unique_ptr<ChannelListModel> model = std::make_unique<ChannelListModel>();
    SilentPrompts prompts;
    // The checksum of the whole file decides only the load's verdict: the
    // deep inputs alone take it.
    auto load = [&depth](ChannelListImage& image, const uint8_t* bytes, std::size_t length) {
        if (depth == ExerciseDepth::Everything)
            (void)loadListBytes(image, bytes, length);
        else
            readListBytes(image, bytes, length);
    };

    if (size > 0 && data[0] == 'P') {
        std::vector<uint8_t> file = templateFile();
        for (std::size_t i = 1; i + 4 <= size; i += 4) {
            const std::size_t offset =
                (data[i] | (data[i + 1] << 8) | (static_cast<std::size_t>(data[i + 2]) << 16)) %
                file.size();
            file[offset] = data[i + 3];
        }
        load(model->image, file.data(), file.size());
    } else {
        load(model->image, data, size);
    }
    ChannelListImage& image = model->image;
    model->repairFavourites();
    model->recount();
    if (depth == ExerciseDepth::Everything) {
        for (uint8_t kind : {uint8_t{0}, uint8_t{1}}) {
            model->currentKind = kind;
            model->fillChannelGrid(ChannelSlots); // stale slots too
            model->fillFavouriteGrid(ChannelSlots);
        }
        (void)exportTextContent(image, currentExportWords());
    }

    const bool listHeld =
        image.descriptor.receiverType != 0 && image.descriptor.receiverType != 0xFFFF;
    Replay replay{callerSeed, listCrc32(data, size), size};
    std::mt19937 random(replay.operationSeed);
    auto pick = [&random](int low, int high) {
        return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
    };
    for (replay.step = 0; replay.step < 4; ++replay.step) {
        model->currentKind = static_cast<uint8_t>(random() % 2);
        model->fillChannelGrid(model->channelCount());
        const int rows = model->viewRowCount();
        const UsedSummary before = summarise(image);
        const bool consistent = listHeld && before.count == model->channelCount();
        replay.operation = random() % 6;
        switch (replay.operation) {
        case 0:
            model->copyRowsToClipboard(pick(-1, rows + 2), pick(-1, 12));
            require(summarise(image).hashSum == before.hashSum, replay, "records unchanged");
            break;
        case 1: {
            const int taken = model->cutRowsToClipboard(pick(-1, rows + 2), pick(-1, 12));
            if (consistent)
                require(summarise(image).count == before.count - taken, replay, "count after cut");
            break;
        }
        case 2: {
            const int added = model->insertFromClipboard(pick(-1, rows + 2), pick(-1, 12), prompts);
            if (consistent)
                require(summarise(image).count == before.count + added, replay,
                        "count after paste");
            break;
        }
        case 3:
        case 4: {
            model->moveRows(pick(-1, rows + 2), pick(-1, rows + 2), pick(-1, 12), prompts);
            const UsedSummary after = summarise(image);
            if (listHeld)
                require(after.count == before.count && after.hashSum == before.hashSum, replay,
                        "records kept by the move");
            break;
        }
        default:
            model->fillFavouriteGrid(model->channelCount());
            model->applyFavouriteGrid(model->channelCount());
            model->repairFavourites();
            break;
        }
        if (!listHeld)
            model->recount();
    }
}
