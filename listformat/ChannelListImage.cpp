#include "listformat/ChannelListImage.h"

#include "listformat/FieldReader.h"
#include "listformat/ListFile.h"

#include <memory>
#include <vector>

void eraseImage(ChannelListImage& image) {
    // Read from 0xFF bytes once; every later erase is a copy of it (the file
    // header is not part of the image body and stays).
    static const std::unique_ptr<const ChannelListImage> erased = [] {
        auto parsed = std::make_unique<ChannelListImage>();
        const std::vector<uint8_t> bytes(ImageBytes, 0xFF);
        FieldReader reader(bytes);
        readImageBody(reader, *parsed);
        return std::unique_ptr<const ChannelListImage>(std::move(parsed));
    }();
    const ListFileHeader header = image.header;
    image = *erased;
    image.header = header;
}

int countChannels(ChannelListImage& image) {
    const uint16_t type = image.descriptor.receiverType;
    if (type == 0 || type == 0xFFFF)
        return 0;
    int count = 0;
    while (count < ChannelSlots && image.channels[count].inUse())
        ++count;
    if (count < ChannelSlots)
        image.channels[count] = ChannelRecord{};
    return count;
}

uint16_t getReceiverType(const ChannelListImage& image) {
    return image.descriptor.receiverType;
}

void setReceiverType(ChannelListImage& image, uint16_t value) {
    image.descriptor.receiverType = value;
}

const TransponderRecord* transponderAt(const ChannelListImage& image, int slot) {
    if (slot < 0 || slot >= TransponderSlots)
        return nullptr;
    return &image.transponders[slot];
}

const SatelliteRecord* satelliteOf(const ChannelListImage& image, const TransponderRecord& tp) {
    if (tp.satelliteIndex >= SatelliteSlots)
        return nullptr;
    return &image.satellites[tp.satelliteIndex];
}

TransponderKind classifyTransponder(const ChannelListImage& image, const TransponderRecord& tp) {
    if (const SatelliteRecord* sat = satelliteOf(image, tp)) {
        if (sat->name[0] == 'T' && sat->name[1] == 'e' && sat->name[2] == 'r')
            return TransponderKind::Terrestrial;
    }
    const auto symbolRate = static_cast<int32_t>(tp.symbolRate);
    const auto frequency = static_cast<int32_t>(tp.frequency);
    if (symbolRate > 870 && symbolRate < 11700)
        return frequency < 10000000 ? TransponderKind::Cable : TransponderKind::Satellite;
    if (symbolRate > 2000 && symbolRate < 44000)
        return TransponderKind::Satellite;
    return TransponderKind::Terrestrial;
}

TransponderKind classifyTransponder(const ChannelListImage& image, int transponderSlot) {
    const TransponderRecord* tp = transponderAt(image, transponderSlot);
    return tp ? classifyTransponder(image, *tp) : TransponderKind::Terrestrial;
}

TransponderKind classifyChannelTransponder(const ChannelListImage& image, int channelSlot) {
    if (channelSlot < 0 || channelSlot >= ChannelSlots)
        return TransponderKind::Terrestrial;
    return classifyTransponder(image, image.channels[channelSlot].transponderIndex);
}
