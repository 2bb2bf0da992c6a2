#include "listmodel/CellEdits.h"
#include "listmodel/Grid.h"
#include "listmodel/GridFind.h"
#include "tests/channellist/ListTestSupport.h"

#include <gtest/gtest.h>

using namespace listtest;

TEST(FindMatchTest, NormalisedPartMatch) {
    const struct {
        const char* needle;
        const char* cell;
        bool match;
    } cases[] = {
        {"spo", "Sport 1", true},    {"s p o", "Transport", true}, {"SPO", "sport", true},
        {"\xC4", "\xE4rger", false}, // upper-case umlaut does not find the lower-case one
        {"\xC4", "\xC4rger", true},  {"11954", "11954000", true},  {"", "anything", true},
        {"a\x85\x09z", "AZ", true}, // 128..159 and control characters drop out
        {"zzz", "Sport 1", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findTextMatches(normaliseFindText(c.needle), c.cell), c.match)
            << c.needle << " in " << c.cell;
    // Both texts are cut to 35 characters.
    EXPECT_EQ(normaliseFindText(std::string(50, 'a')).size(), 35u);
}

TEST(FindMatchTest, WalksBelowTheLastHitAndStartsAtTheTopAfterNothingFound) {
    Grid grid(15, 6);
    for (int row = 1; row < 6; ++row)
        grid.setCell(1, row, row % 2 ? "Sport" : "News");
    GridFinder finder;
    EXPECT_EQ(finder.findNext(grid, 1, 6, "news", 2), 4); // first search starts below row 2
    EXPECT_EQ(finder.findNext(grid, 1, 6, "news", 1), 0); // nothing below
    EXPECT_EQ(finder.findNext(grid, 1, 6, "news", 5), 2); // again from row 1
    EXPECT_EQ(finder.findNext(grid, 1, 6, "", 5), 3);     // empty text: one row down
}

namespace {

struct Fixture {
    ChannelListImage image;
    Fixture() {
        clearList(image);
        image.channels[0] = channel(true, 1, "Sport", 0);
        image.transponders[0] = {27500, 11954000, 1, 0, 0, 0, 0}; // satellite
        image.transponders[1] = {6900, 3300000, 1, 0, 0, 0, 0};   // cable
        image.transponders[2] = {0, 5060000, 1, 0, 0, 0, 0};      // terrestrial, 8 MHz
    }
    TransponderRecord& tp() { return image.transponders[image.channels[0].transponderIndex]; }
};

} // namespace

TEST(CellEditsTest, TypedFrequencyIsStoredOnEveryChange) {
    Fixture f;
    std::string typed;
    for (const char digit : std::string("12345")) {
        typed += digit;
        EXPECT_EQ(writeCellText(f.image, 0, 3, typed), CellWrite::Transponder);
        EXPECT_EQ(f.tp().frequency, std::stoul(typed));
    }
}

TEST(CellEditsTest, SymbolRateAndBandwidthByKind) {
    const struct {
        uint16_t transponder;
        const char* text;
        bool stored;
        uint32_t symbolRate;
    } cases[] = {
        {0, "2000", false, 27500},  {0, "2001", true, 2001},   {0, "43999", true, 43999},
        {0, "44000", false, 27500}, {1, "870", false, 6900},   {1, "871", true, 871},
        {1, "11699", true, 11699},  {1, "11700", false, 6900}, {2, "7", true, 1u << 13},
        {2, "9", false, 0},         {2, "6", true, 2u << 13},
    };
    for (const auto& c : cases) {
        Fixture f;
        f.image.channels[0].transponderIndex = c.transponder;
        EXPECT_EQ(writeCellText(f.image, 0, 5, c.text),
                  c.stored ? CellWrite::Transponder : CellWrite::Nothing)
            << c.transponder << " " << c.text;
        EXPECT_EQ(f.tp().symbolRate, c.symbolRate) << c.transponder << " " << c.text;
    }
    Fixture f;
    f.image.channels[0].transponderIndex = 2;
    writeCellText(f.image, 0, 5, "7");
    EXPECT_EQ(bandwidthMHz(f.tp()), 7);
}

TEST(CellEditsTest, NameAndSixteenBitFields) {
    Fixture f;
    f.image.channels[0].name[19] = 'Z';
    writeCellText(f.image, 0, 1, "A very long channel name");
    EXPECT_EQ(std::string(f.image.channels[0].name.data(), 20), "A very long channelZ");
    writeCellText(f.image, 0, 1, "Kurz");
    EXPECT_EQ(fieldText(f.image.channels[0].name), "Kurz");
    EXPECT_EQ(f.image.channels[0].name[19], 'Z');
    writeCellText(f.image, 0, 6, "70000");
    EXPECT_EQ(f.image.channels[0].videoPid, 70000 & 0xFFFF);
    writeCellText(f.image, 0, 10, "abc");
    EXPECT_EQ(f.image.channels[0].programNumber, 0);
    EXPECT_EQ(writeCellText(f.image, 0, 13, "5"), CellWrite::Nothing);
    EXPECT_EQ(writeCellText(f.image, ChannelSlots, 1, "x"), CellWrite::Nothing);
}

TEST(CellEditsTest, ChoicesSetTheirBits) {
    Fixture f;
    applyCellChoice(f.image, 0, 11, 1); // Radio
    EXPECT_FALSE(f.image.channels[0].isTv());
    applyCellChoice(f.image, 0, 12, 1);
    EXPECT_TRUE(f.image.channels[0].crypted());
    applyCellChoice(f.image, 0, 4, 1);
    EXPECT_TRUE(f.tp().vertical());
    applyCellChoice(f.image, 0, 2, 29);
    EXPECT_EQ(f.tp().satelliteIndex, 29);
    applyCellChoice(f.image, 0, 2, 30); // outside the table: nothing
    EXPECT_EQ(f.tp().satelliteIndex, 29);
    EXPECT_EQ(cellChoices(f.image, 2).size(), 30u);
}
