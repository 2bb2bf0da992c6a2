#include "reorder/ListReorder.h"

#include "listmodel/ChannelListModel.h"

#include <algorithm>
#include <numeric>

namespace {

ReorderSummary summarise(const ListMatch& match, bool dropUnmatched) {
    ReorderSummary summary;
    summary.byId = match.byId;
    summary.byName = match.byName;
    summary.unmatched = match.unmatched;
    summary.dropped = dropUnmatched ? match.unmatched : 0;
    return summary;
}

} // namespace

ReorderSummary planReorder(const ChannelListImage& image, int count, const ReferenceList& reference,
                           bool dropUnmatched) {
    return summarise(matchChannels(image, count, reference), dropUnmatched);
}

ReorderSummary applyReferenceOrder(ChannelListModel& model, const ReferenceList& reference,
                                   bool dropUnmatched) {
    ChannelListImage& image = model.image;
    const int count = countChannels(image);
    const ListMatch match = matchChannels(image, count, reference);

    // A list file orders by its table (TV and radio interleaved as there);
    // text lines by their position, ties in line order.
    auto key = [&](int slot) {
        const int index = match.reference[static_cast<std::size_t>(slot)];
        const ReferenceChannel& r = reference.channels[static_cast<std::size_t>(index)];
        return std::pair(reference.fromListFile ? index : r.position, index);
    };
    std::vector<int> matched;
    std::vector<int> rest;
    for (int slot = 0; slot < count; ++slot)
        (match.reference[static_cast<std::size_t>(slot)] >= 0 ? matched : rest).push_back(slot);
    std::sort(matched.begin(), matched.end(), [&](int a, int b) { return key(a) < key(b); });

    std::vector<ChannelRecord> ordered;
    ordered.reserve(static_cast<std::size_t>(count));
    for (int slot : matched) {
        ChannelRecord c = image.channels[static_cast<std::size_t>(slot)];
        if (reference.fromListFile) {
            const int index = match.reference[static_cast<std::size_t>(slot)];
            c.favouriteNumber = reference.channels[static_cast<std::size_t>(index)].favouriteNumber;
        }
        ordered.push_back(c);
    }
    if (!dropUnmatched) {
        for (int slot : rest) {
            ChannelRecord c = image.channels[static_cast<std::size_t>(slot)];
            if (reference.fromListFile)
                c.favouriteNumber = 0;
            ordered.push_back(c);
        }
    }
    placeChannels(model, ordered, count);
    return summarise(match, dropUnmatched);
}

void placeChannels(ChannelListModel& model, const std::vector<ChannelRecord>& ordered, int count) {
    ChannelListImage& image = model.image;
    const std::size_t placed = std::min(ordered.size(), static_cast<std::size_t>(ChannelSlots));
    std::copy_n(ordered.begin(), placed, image.channels.begin());
    // Dropped channels leave no stale copies, and the end marker follows.
    const auto end = std::max(placed, static_cast<std::size_t>(std::clamp(count, 0, ChannelSlots)));
    for (std::size_t slot = placed; slot < end; ++slot)
        image.channels[slot] = ChannelRecord{};
    if (placed < ChannelSlots)
        image.channels[placed] = ChannelRecord{};
    model.recount();
    model.repairFavourites();
}
