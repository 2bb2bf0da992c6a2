#pragma once

#include "listformat/ChannelListImage.h"

#include <cstdint>
#include <string>
#include <vector>

// One channel of a reference: the list whose order is wanted, or the older
// list of a comparison. Taken from a list file (everything known) or from a
// text file (position, name and perhaps the program number).
struct ReferenceChannel {
    int position = 0;       // order key: the channel's row within its kind
    bool tv = true;         // meaningful when kindKnown
    bool kindKnown = true;  // false for text lines: such a line fits either kind
    std::string name;       // Latin-1
    bool nameUsable = true; // false when the text held characters Latin-1 lacks
    bool hasProgramNumber = true;
    uint16_t programNumber = 0;
    bool hasTransponder = true; // networkId and frequency known
    uint16_t networkId = 0;
    uint32_t frequency = 0;       // kHz
    uint16_t favouriteNumber = 0; // meaningful when hasTransponder (a list file)
    int slot = -1;                // the channel slot, for a list file
};

struct ReferenceList {
    std::vector<ReferenceChannel> channels; // in reference order
    bool fromListFile = true;
};

// The used channels of an image as a reference, positions counted per kind.
ReferenceList referenceFromImage(const ChannelListImage& image, int count);

enum class MatchRule { None, Id, Name };

// For each used slot of a list (0 to count-1): the index into the
// reference's channels it matches (-1 for none) and the rule that matched.
// A reference channel matches at most one channel.
struct ListMatch {
    std::vector<int> reference;
    std::vector<MatchRule> rule;
    int byId = 0;
    int byName = 0;
    int unmatched = 0;
};

// Frequency tolerance of an id match, by transponder kind, in kHz.
uint32_t frequencyTolerance(TransponderKind kind);

// A channel matches by id when the kinds (TV, radio) agree, programNumber
// agrees and its transponder's networkId agrees with a frequency within the
// tolerance of its transponder kind; a text line with a program number
// matches by id on the number alone when only one channel carries it, or
// when the names agree too. Channels left over match by their normalised
// name; of several with that name, the one with the nearest frequency wins.
ListMatch matchChannels(const ChannelListImage& list, int count, const ReferenceList& reference);
