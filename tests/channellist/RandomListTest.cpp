#include "listformat/ListFile.h"
#include "tests/channellist/ListExercise.h"
#include "tests/channellist/ListTestSupport.h"

#include <gtest/gtest.h>
#include <memory>

using namespace listtest;

// Many random inputs through load, repair, fills, export and list operations:
// no crash, no read outside a table (the sanitizers watch), no record lost.
TEST(RandomLists, ArbitraryBytesAndDamagedLists) {
    auto image = std::make_unique<ChannelListImage>();
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 random(seed);
        std::vector<uint8_t> bytes;
        switch (seed % 3) {
        case 0: { // raw bytes of any length
            bytes.resize(random() % (ListFileBytes + 100));
            for (uint8_t& b : bytes)
                b = static_cast<uint8_t>(random());
            break;
        }
        case 1: { // a well-formed list with damaged indexes
            randomImage(*image, random, static_cast<int>(random() % 4001));
            for (int i = 0; i < 20; ++i) {
                image->channels[random() % ChannelSlots].transponderIndex =
                    static_cast<uint16_t>(random());
                image->transponders[random() % TransponderSlots].satelliteIndex =
                    static_cast<uint8_t>(random());
                image->channels[random() % ChannelSlots].favouriteNumber =
                    static_cast<uint16_t>(random() % 300);
            }
            bytes = serialiseForSave(*image);
            break;
        }
        default: { // patches on a small list
            bytes.push_back('P');
            for (int i = 0; i < 200; ++i)
                bytes.push_back(static_cast<uint8_t>(random()));
            break;
        }
        }
        exerciseListBytes(bytes.data(), bytes.size(), ExerciseDepth::Everything, seed);
    }
}
