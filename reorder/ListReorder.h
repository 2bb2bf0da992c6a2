#pragma once

#include "reorder/ListMatch.h"

#include <vector>

class ChannelListModel;

struct ReorderSummary {
    int byId = 0;
    int byName = 0;
    int unmatched = 0; // channels of the list that no reference channel matched
    int dropped = 0;   // of those, the ones left out
    int matched() const { return byId + byName; }
};

// What applyReferenceOrder would do, without changing anything.
ReorderSummary planReorder(const ChannelListImage& image, int count, const ReferenceList& reference,
                           bool dropUnmatched);

// Arranges the model's used channels like the reference: the matched ones in
// the reference's order (per kind, as the reference interleaves them) with
// the reference's favourite numbers when the reference is a list file, then
// the unmatched ones in their old order (favourite 0 behind a list file), or
// none of them when dropUnmatched is set. Channel data stays the list's own.
// The result keeps the list invariants: used records first, an end marker,
// favourites repaired. Framing it as an undo step is the caller's business.
ReorderSummary applyReferenceOrder(ChannelListModel& model, const ReferenceList& reference,
                                   bool dropUnmatched);

// Writes these records as the used channels (they replace the first `count`
// slots), ends the list behind them and repairs the favourites: the last step
// of every rearrangement of the whole list.
void placeChannels(ChannelListModel& model, const std::vector<ChannelRecord>& ordered, int count);
