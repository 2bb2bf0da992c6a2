#pragma once

#include "listformat/ChannelListImage.h"
#include "listmodel/ChannelListModel.h"
#include "listmodel/ListEditorPrompts.h"
#include "listmodel/ListFileTexts.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace listtest {

// A channel whose programNumber identifies it in assertions.
inline ChannelRecord channel(bool tv, uint16_t id, const std::string& name = {},
                             uint16_t transponder = 0) {
    ChannelRecord c;
    c.flags = static_cast<uint16_t>(ChannelInUse | (tv ? ChannelIsTv : 0));
    c.programNumber = id;
    c.transponderIndex = transponder;
    setFieldText(c.name, name.empty() ? "Ch" + std::to_string(id) : name);
    return c;
}

// An empty list of receiver type 1: all slots zero.
inline void clearList(ChannelListImage& image) {
    image = ChannelListImage{};
    image.descriptor.receiverType = 1;
}

// Puts channels into the leading slots of an otherwise empty channel table
// (transponders and satellites stay), ends the list and refreshes the model's
// counts and the views of the current kind.
inline void setChannels(ChannelListModel& model, const std::vector<ChannelRecord>& channels) {
    model.image.descriptor.receiverType = 1;
    model.image.channels.fill(ChannelRecord{});
    for (std::size_t i = 0; i < channels.size(); ++i)
        model.image.channels[i] = channels[i];
    model.recount();
    model.fillChannelGrid(model.channelCount());
    model.fillFavouriteGrid(model.channelCount());
}

// Program numbers of the used slots, in table order.
inline std::vector<int> usedIds(const ChannelListImage& image) {
    std::vector<int> ids;
    for (int s = 0; s < ChannelSlots && image.channels[s].inUse(); ++s)
        ids.push_back(image.channels[s].programNumber);
    return ids;
}

class RecordingPrompts : public ListEditorPrompts {
public:
    void capacityExceeded(int remaining, const QString& message) override {
        capacity.push_back(remaining);
        messages.push_back(message);
    }
    void warnMoveUp() override { ++moveUpWarnings; }
    void warnMoveDown() override { ++moveDownWarnings; }

    std::vector<int> capacity;
    std::vector<QString> messages;
    int moveUpWarnings = 0;
    int moveDownWarnings = 0;
};

class RecordingReporter : public ListFileMessages {
public:
    void plainMessage(const QString& text) override { messages.push_back(text); }
    std::vector<QString> messages;
};

// Random bytes for every field, with the invariants of a loaded list kept:
// leading used records, end marker, indexes inside their tables.
void randomImage(ChannelListImage& image, std::mt19937& random, int usedChannels);

} // namespace listtest
