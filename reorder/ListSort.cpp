#include "reorder/ListSort.h"

#include "listformat/NameMatch.h"
#include "listmodel/ChannelListModel.h"
#include "reorder/ListReorder.h"

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <vector>

namespace {

// Base letters of Latin-1 0xC0..0xFF (upper and lower case alike); 0 keeps
// the character (the multiplication and division signs).
constexpr char latin1Base[64 + 1] =
    "AAAAAAACEEEEIIIIDNOOOOO\0OUUUUYTSAAAAAAACEEEEIIIIDNOOOOO\0OUUUUYTY";

struct SortValue {
    int group = 0; // ascending in both directions
    std::string text;
    uint32_t number = 0;
};

bool lessInDirection(const SortValue& a, const SortValue& b, bool descending) {
    if (a.group != b.group)
        return a.group < b.group;
    if (descending)
        return std::tie(b.text, b.number) < std::tie(a.text, a.number);
    return std::tie(a.text, a.number) < std::tie(b.text, b.number);
}

SortValue sortValue(const ChannelListImage& image, const ChannelRecord& c, ChannelSortKey key) {
    SortValue v;
    switch (key) {
    case ChannelSortKey::Name:
        v.text = nameSortKey(fieldText(c.name));
        break;
    case ChannelSortKey::ProgramNumber:
        v.number = c.programNumber;
        break;
    case ChannelSortKey::Frequency:
        if (const TransponderRecord* tp = transponderAt(image, c.transponderIndex)) {
            if (classifyTransponder(image, c.transponderIndex) == TransponderKind::Satellite &&
                tp->satelliteIndex < SatelliteSlots)
                v.text = nameSortKey(fieldText(image.satellites[tp->satelliteIndex].name));
            v.number = tp->frequency;
        }
        break;
    case ChannelSortKey::Favourite:
        v.group = c.favouriteNumber == 0 ? 1 : 0;
        v.number = c.favouriteNumber;
        break;
    }
    return v;
}

} // namespace

std::string nameSortKey(std::string_view latin1) {
    std::string key = normaliseChannelName(latin1);
    for (char& ch : key) {
        const auto code = static_cast<unsigned char>(ch);
        if (code >= 0xC0 && latin1Base[code - 0xC0] != '\0')
            ch = latin1Base[code - 0xC0];
    }
    return key;
}

void sortViewRows(ChannelListModel& model, int firstRow, int lastRow, ChannelSortKey key,
                  bool descending) {
    firstRow = std::max(firstRow, 1);
    lastRow = std::min(lastRow, model.viewRowCount());
    const int count = model.channelCount();
    if (lastRow - firstRow < 1 || count <= 0)
        return;
    const ChannelListImage& image = model.image;
    std::vector<int> slots;
    std::vector<SortValue> values;
    for (int row = firstRow; row <= lastRow; ++row) {
        const int slot = model.rowToChannel[static_cast<std::size_t>(row - 1)];
        slots.push_back(slot);
        values.push_back(sortValue(image, image.channels[static_cast<std::size_t>(slot)], key));
    }
    std::vector<std::size_t> order(slots.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return lessInDirection(values[a], values[b], descending);
    });

    std::vector<ChannelRecord> ordered(image.channels.begin(), image.channels.begin() + count);
    for (std::size_t i = 0; i < slots.size(); ++i)
        ordered[static_cast<std::size_t>(slots[i])] =
            image.channels[static_cast<std::size_t>(slots[order[i]])];
    placeChannels(model, ordered, count);
}
