#pragma once

#include "reorder/ListMatch.h"

#include <string>
#include <vector>

// What changed from list A to list B, per kind. Channels are paired as a
// reorder pairs them (A is the reference). Positions are 1-based rows within
// the kind. "Moved" holds the fewest channels whose moves explain the new
// order: the paired channels outside the longest run that kept its order.
struct DiffChannel {
    int position = 0; // in A for removed, in B otherwise
    std::string name; // Latin-1
    uint16_t programNumber = 0;
};

struct DiffMove {
    DiffChannel channel; // as in B
    int from = 0;        // row in A
};

struct DiffField {
    const char* field; // a stable key: "name", "videoPid", ...
    std::string before;
    std::string after; // Latin-1 for names, decimal otherwise
};

struct DiffChange {
    DiffChannel channel; // as in B
    MatchRule rule = MatchRule::Id;
    std::vector<DiffField> fields;
};

struct KindDiff {
    std::vector<DiffChannel> added;
    std::vector<DiffChannel> removed;
    std::vector<DiffMove> moved;
    std::vector<DiffChange> changed;
    bool empty() const {
        return added.empty() && removed.empty() && moved.empty() && changed.empty();
    }
};

struct ListDiff {
    KindDiff tv;
    KindDiff radio;
    bool same() const { return tv.empty() && radio.empty(); }
};

ListDiff diffLists(const ChannelListImage& a, int countA, const ChannelListImage& b, int countB);
