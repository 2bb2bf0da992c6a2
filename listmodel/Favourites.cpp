// Favourite numbers: writing the favourites grid back into the records and
// repairing numbers that are shared or leave gaps.
#include "listmodel/ChannelListModel.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

namespace {

// A grid cell as a channel-grid row number; false for anything that is not
// a plain decimal number.
bool parseRowNumber(const std::string& text, int& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    const auto result = std::from_chars(first, last, value);
    return result.ec == std::errc() && result.ptr == last && first != last;
}

// Only numbers below this take part in the duplicate and gap analysis.
constexpr int AnalysedLimit = 126;
constexpr int ListCapacity = 256;
constexpr int32_t EmptyEntry = 0x7F7F7F7F;

// Per kind: numbers to take away (shared by several channels) and, for every
// number, how many removed or missing numbers lie below it.
struct FavouriteRepair {
    std::array<bool, AnalysedLimit> shared{};
    std::array<int, AnalysedLimit + 1> removedBelow{}; // index v: removed numbers < v
    bool changes = false;

    int removedBelowValue(int f) const { return removedBelow[std::min(f, AnalysedLimit)]; }
};

FavouriteRepair analyse(std::vector<int32_t>& numbers) {
    numbers.resize(ListCapacity, EmptyEntry);
    std::sort(numbers.begin(), numbers.end());
    FavouriteRepair repair;
    std::array<bool, AnalysedLimit> removed{};
    int32_t prev = 0;
    for (int i = 0; i < ListCapacity; ++i) {
        if (i > 0)
            prev = numbers[i - 1];
        const int32_t cur = numbers[i];
        if (cur >= AnalysedLimit)
            break;
        if (cur == prev) {
            // A number held by three or more channels is removed once, so the
            // numbers above it move down by one and not by the number of
            // extra holders.
            repair.shared[cur] = true;
            removed[cur] = true;
            repair.changes = true;
        } else if (cur > prev + 1) {
            for (int32_t missing = prev + 1; missing < cur; ++missing)
                removed[missing] = true;
            repair.changes = true;
        }
    }
    for (int v = 1; v <= AnalysedLimit; ++v)
        repair.removedBelow[v] = repair.removedBelow[v - 1] + (removed[v - 1] ? 1 : 0);
    return repair;
}

} // namespace

void ChannelListModel::applyFavouriteGrid(int count) {
    count = std::clamp(count, 0, ChannelSlots);
    for (int slot = 0; slot < count; ++slot) {
        if (ofCurrentKind(image.channels[slot]))
            image.channels[slot].favouriteNumber = 0;
    }
    for (int row = 1; row <= FavouriteRows; ++row) {
        const std::string& cell = favouriteGrid.cell(2, row);
        if (cell == " ")
            continue;
        int channelRow = 0;
        if (!parseRowNumber(cell, channelRow))
            continue;
        const int slot = slotOfRow(channelRow);
        if (slot >= 0)
            image.channels[slot].favouriteNumber = static_cast<uint16_t>(row);
    }
}

bool ChannelListModel::repairFavourites() {
    const int used = usedSlots();
    // At most 256 numbers of each kind take part; further favourites are only
    // moved down.
    std::vector<int32_t> tv;
    std::vector<int32_t> radio;
    tv.reserve(ListCapacity);
    radio.reserve(ListCapacity);
    for (int slot = 0; slot < used; ++slot) {
        const ChannelRecord& c = image.channels[slot];
        if (c.favouriteNumber == 0)
            continue;
        std::vector<int32_t>& list = c.isTv() ? tv : radio;
        if (list.size() < ListCapacity)
            list.push_back(c.favouriteNumber);
    }
    const FavouriteRepair tvRepair = analyse(tv);
    const FavouriteRepair radioRepair = analyse(radio);

    for (int slot = 0; slot < used; ++slot) {
        ChannelRecord& c = image.channels[slot];
        int f = c.favouriteNumber;
        if (f == 0)
            continue;
        const FavouriteRepair& repair = c.isTv() ? tvRepair : radioRepair;
        if (f < AnalysedLimit && repair.shared[f])
            f = 0;
        f -= f == 0 ? 0 : repair.removedBelowValue(f);
        c.favouriteNumber = static_cast<uint16_t>(f);
    }
    return tvRepair.changes || radioRepair.changes;
}
