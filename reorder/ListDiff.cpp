#include "reorder/ListDiff.h"

#include <algorithm>

namespace {

std::string number(uint32_t value) {
    return std::to_string(value);
}

// Rows within the kind, by slot.
std::vector<int> kindRows(const ChannelListImage& image, int count) {
    std::vector<int> rows(static_cast<std::size_t>(count));
    int next[2] = {0, 0};
    for (int slot = 0; slot < count; ++slot)
        rows[static_cast<std::size_t>(slot)] =
            ++next[image.channels[static_cast<std::size_t>(slot)].isTv() ? 1 : 0];
    return rows;
}

DiffChannel describe(const ChannelRecord& c, int position) {
    return {position, fieldText(c.name), c.programNumber};
}

void compareFields(const ChannelListImage& a, const ChannelRecord& ca, const ChannelListImage& b,
                   const ChannelRecord& cb, std::vector<DiffField>& out) {
    auto add = [&](const char* field, uint32_t before, uint32_t after) {
        if (before != after)
            out.push_back({field, number(before), number(after)});
    };
    const std::string nameA = fieldText(ca.name);
    const std::string nameB = fieldText(cb.name);
    if (nameA != nameB)
        out.push_back({"name", nameA, nameB});
    add("programNumber", ca.programNumber, cb.programNumber);
    add("videoPid", ca.videoPid, cb.videoPid);
    add("audioPid", ca.audioPid, cb.audioPid);
    add("pcrPid", ca.pcrPid, cb.pcrPid);
    add("teletextPid", ca.teletextPid, cb.teletextPid);
    const TransponderRecord none{};
    const TransponderRecord* ta = transponderAt(a, ca.transponderIndex);
    const TransponderRecord* tb = transponderAt(b, cb.transponderIndex);
    const TransponderRecord& tpA = ta ? *ta : none;
    const TransponderRecord& tpB = tb ? *tb : none;
    add("frequency", tpA.frequency, tpB.frequency);
    add("symbolRate", tpA.symbolRate, tpB.symbolRate);
    add("networkId", tpA.networkId, tpB.networkId);
    add("polarisation", tpA.vertical() ? 1 : 0, tpB.vertical() ? 1 : 0);
    add("favouriteNumber", ca.favouriteNumber, cb.favouriteNumber);
    add("crypted", ca.crypted() ? 1 : 0, cb.crypted() ? 1 : 0);
}

// Marks the entries outside one longest strictly increasing subsequence.
std::vector<char> outsideLongestRun(const std::vector<int>& values) {
    const std::size_t n = values.size();
    std::vector<int> tailIndex; // index of the smallest tail of each run length
    std::vector<int> previous(n, -1);
    for (std::size_t i = 0; i < n; ++i) {
        const auto at = std::lower_bound(
            tailIndex.begin(), tailIndex.end(), values[i],
            [&](int index, int value) { return values[static_cast<std::size_t>(index)] < value; });
        if (at != tailIndex.begin())
            previous[i] = *(at - 1);
        if (at == tailIndex.end())
            tailIndex.push_back(static_cast<int>(i));
        else
            *at = static_cast<int>(i);
    }
    std::vector<char> outside(n, 1);
    for (int i = tailIndex.empty() ? -1 : tailIndex.back(); i >= 0;
         i = previous[static_cast<std::size_t>(i)])
        outside[static_cast<std::size_t>(i)] = 0;
    return outside;
}

} // namespace

ListDiff diffLists(const ChannelListImage& a, int countA, const ChannelListImage& b, int countB) {
    countA = std::clamp(countA, 0, ChannelSlots);
    countB = std::clamp(countB, 0, ChannelSlots);
    const ReferenceList reference = referenceFromImage(a, countA);
    const ListMatch match = matchChannels(b, countB, reference);
    const std::vector<int> rowsB = kindRows(b, countB);
    ListDiff diff;
    auto kindOf = [&](bool tv) -> KindDiff& { return tv ? diff.tv : diff.radio; };

    std::vector<char> paired(reference.channels.size(), 0);
    // Paired channels of each kind in B's order, with their rows in A.
    std::vector<int> pairedSlots[2];
    std::vector<int> rowsInA[2];
    for (int slot = 0; slot < countB; ++slot) {
        const ChannelRecord& cb = b.channels[static_cast<std::size_t>(slot)];
        const DiffChannel channel = describe(cb, rowsB[static_cast<std::size_t>(slot)]);
        const int index = match.reference[static_cast<std::size_t>(slot)];
        if (index < 0) {
            kindOf(cb.isTv()).added.push_back(channel);
            continue;
        }
        paired[static_cast<std::size_t>(index)] = 1;
        const ReferenceChannel& r = reference.channels[static_cast<std::size_t>(index)];
        pairedSlots[cb.isTv() ? 1 : 0].push_back(slot);
        rowsInA[cb.isTv() ? 1 : 0].push_back(r.position);
        DiffChange change{channel, match.rule[static_cast<std::size_t>(slot)], {}};
        compareFields(a, a.channels[static_cast<std::size_t>(r.slot)], b, cb, change.fields);
        if (!change.fields.empty())
            kindOf(cb.isTv()).changed.push_back(std::move(change));
    }
    for (int kind = 0; kind < 2; ++kind) {
        const std::vector<char> outside = outsideLongestRun(rowsInA[kind]);
        for (std::size_t i = 0; i < outside.size(); ++i) {
            if (!outside[i])
                continue;
            const int slot = pairedSlots[kind][i];
            kindOf(kind == 1).moved.push_back({describe(b.channels[static_cast<std::size_t>(slot)],
                                                        rowsB[static_cast<std::size_t>(slot)]),
                                               rowsInA[kind][i]});
        }
    }
    for (std::size_t i = 0; i < reference.channels.size(); ++i) {
        if (paired[i])
            continue;
        const ReferenceChannel& r = reference.channels[i];
        kindOf(r.tv).removed.push_back({r.position, r.name, r.programNumber});
    }
    return diff;
}
