#include "tests/channellist/ListTestSupport.h"

#include "listformat/FieldReader.h"
#include "listformat/ListFile.h"

namespace listtest {

void randomImage(ChannelListImage& image, std::mt19937& random, int usedChannels) {
    std::vector<uint8_t> bytes(ListFileBytes);
    for (uint8_t& b : bytes)
        b = static_cast<uint8_t>(random());
    FieldReader reader(bytes);
    readListFile(reader, image);
    image.descriptor.receiverType = static_cast<uint16_t>(1 + random() % 9);
    for (int s = 0; s < ChannelSlots; ++s) {
        ChannelRecord& c = image.channels[s];
        if (s < usedChannels)
            c.flags |= ChannelInUse;
        else
            c.flags &= static_cast<uint16_t>(~ChannelInUse);
        c.transponderIndex = static_cast<uint16_t>(c.transponderIndex % TransponderSlots);
    }
    for (TransponderRecord& t : image.transponders)
        t.satelliteIndex = static_cast<uint8_t>(t.satelliteIndex % SatelliteSlots);
}

} // namespace listtest
