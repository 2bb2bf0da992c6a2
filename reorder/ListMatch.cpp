#include "reorder/ListMatch.h"

#include "listformat/NameMatch.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace {

uint32_t frequencyOf(const ChannelListImage& image, const ChannelRecord& c) {
    const TransponderRecord* tp = transponderAt(image, c.transponderIndex);
    return tp ? tp->frequency : 0;
}

uint32_t distance(uint32_t a, uint32_t b) {
    return a > b ? a - b : b - a;
}

bool kindFits(const ReferenceChannel& r, const ChannelRecord& c) {
    return !r.kindKnown || r.tv == c.isTv();
}

// Of the candidates still free and of the channel's kind, the one whose
// frequency lies nearest; -1 when none is left. Candidates without a
// frequency (text lines) count in their order.
int nearestFree(const std::vector<int>& candidates, const std::vector<char>& taken,
                const ReferenceList& reference, const ChannelRecord& c, uint32_t frequency,
                uint32_t tolerance) {
    int best = -1;
    uint32_t bestDistance = std::numeric_limits<uint32_t>::max();
    for (int index : candidates) {
        const ReferenceChannel& r = reference.channels[static_cast<std::size_t>(index)];
        if (taken[static_cast<std::size_t>(index)] || !kindFits(r, c))
            continue;
        const uint32_t d = r.hasTransponder ? distance(r.frequency, frequency) : 0;
        if (d > tolerance)
            continue;
        if (best < 0 || d < bestDistance) {
            best = index;
            bestDistance = d;
        }
    }
    return best;
}

} // namespace

ReferenceList referenceFromImage(const ChannelListImage& image, int count) {
    ReferenceList list;
    list.channels.reserve(static_cast<std::size_t>(std::max(count, 0)));
    int rows[2] = {0, 0};
    for (int slot = 0; slot < count && slot < ChannelSlots; ++slot) {
        const ChannelRecord& c = image.channels[static_cast<std::size_t>(slot)];
        ReferenceChannel r;
        r.tv = c.isTv();
        r.position = ++rows[r.tv ? 1 : 0];
        r.name = fieldText(c.name);
        r.programNumber = c.programNumber;
        if (const TransponderRecord* tp = transponderAt(image, c.transponderIndex)) {
            r.networkId = tp->networkId;
            r.frequency = tp->frequency;
        }
        r.favouriteNumber = c.favouriteNumber;
        r.slot = slot;
        list.channels.push_back(std::move(r));
    }
    return list;
}

uint32_t frequencyTolerance(TransponderKind kind) {
    return kind == TransponderKind::Satellite ? 5000 : 1000;
}

ListMatch matchChannels(const ChannelListImage& list, int count, const ReferenceList& reference) {
    count = std::clamp(count, 0, ChannelSlots);
    ListMatch match;
    match.reference.assign(static_cast<std::size_t>(count), -1);
    match.rule.assign(static_cast<std::size_t>(count), MatchRule::None);
    std::vector<char> taken(reference.channels.size(), 0);

    std::unordered_map<uint16_t, std::vector<int>> byNumber;
    std::unordered_map<std::string, std::vector<int>> byName;
    byNumber.reserve(reference.channels.size());
    byName.reserve(reference.channels.size());
    for (std::size_t i = 0; i < reference.channels.size(); ++i) {
        const ReferenceChannel& r = reference.channels[i];
        if (r.hasProgramNumber)
            byNumber[r.programNumber].push_back(static_cast<int>(i));
        if (r.nameUsable) {
            std::string key = normaliseChannelName(r.name);
            if (!key.empty())
                byName[std::move(key)].push_back(static_cast<int>(i));
        }
    }
    // How many channels of the list carry each program number: a text line
    // with a number alone identifies a channel only when that is one.
    std::unordered_map<uint16_t, int> numberUse;
    if (!reference.fromListFile) {
        for (int slot = 0; slot < count; ++slot)
            ++numberUse[list.channels[static_cast<std::size_t>(slot)].programNumber];
    }

    auto take = [&](int slot, int index, MatchRule rule) {
        match.reference[static_cast<std::size_t>(slot)] = index;
        match.rule[static_cast<std::size_t>(slot)] = rule;
        taken[static_cast<std::size_t>(index)] = 1;
        ++(rule == MatchRule::Id ? match.byId : match.byName);
    };

    // Ids first, over the whole list, so that a name never takes a
    // reference channel that an id claims.
    for (int slot = 0; slot < count; ++slot) {
        const ChannelRecord& c = list.channels[static_cast<std::size_t>(slot)];
        const auto found = byNumber.find(c.programNumber);
        if (found == byNumber.end())
            continue;
        int index = -1;
        if (reference.fromListFile) {
            const TransponderRecord* tp = transponderAt(list, c.transponderIndex);
            if (!tp)
                continue;
            std::vector<int> sameNetwork;
            for (int candidate : found->second) {
                if (reference.channels[static_cast<std::size_t>(candidate)].networkId ==
                    tp->networkId)
                    sameNetwork.push_back(candidate);
            }
            index = nearestFree(sameNetwork, taken, reference, c, tp->frequency,
                                frequencyTolerance(classifyTransponder(list, *tp)));
        } else {
            const bool unique = numberUse[c.programNumber] == 1;
            const std::string name = normaliseChannelName(fieldText(c.name));
            for (int candidate : found->second) {
                const ReferenceChannel& r = reference.channels[static_cast<std::size_t>(candidate)];
                if (taken[static_cast<std::size_t>(candidate)])
                    continue;
                if (unique || (r.nameUsable && normaliseChannelName(r.name) == name)) {
                    index = candidate;
                    break;
                }
            }
        }
        if (index >= 0)
            take(slot, index, MatchRule::Id);
    }
    for (int slot = 0; slot < count; ++slot) {
        if (match.rule[static_cast<std::size_t>(slot)] != MatchRule::None)
            continue;
        const ChannelRecord& c = list.channels[static_cast<std::size_t>(slot)];
        const std::string key = normaliseChannelName(fieldText(c.name));
        const auto found = key.empty() ? byName.end() : byName.find(key);
        if (found == byName.end())
            continue;
        const int index = nearestFree(found->second, taken, reference, c, frequencyOf(list, c),
                                      std::numeric_limits<uint32_t>::max());
        if (index >= 0)
            take(slot, index, MatchRule::Name);
    }
    match.unmatched = count - match.byId - match.byName;
    return match;
}
