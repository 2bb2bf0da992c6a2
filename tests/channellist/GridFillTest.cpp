#include "i18n/Messages.h"
#include "tests/channellist/ListTestSupport.h"

#include <gtest/gtest.h>
#include <memory>

using namespace listtest;

namespace {

class GridFillTest : public ::testing::Test {
protected:
    void SetUp() override {
        i18n::resetMessages();
        auto& tp = model->image.transponders;
        tp[1] = {27500, 11778000, 1085, 1, 0, 3, 0}; // satellite, vertical
        tp[2] = {6900, 346000, 0, 1, 0, 3, 0};       // cable
        tp[4] = {0x4000u, 474000, 0, 0, 0, 4, 0};    // terrestrial, code 2 -> 6 MHz
        tp[5] = {27500, 11778000, 0, 0, 0, 99, 0};   // satellite slot outside the table
        setFieldText(model->image.satellites[3].name, "Astra 19.2E");
        setFieldText(model->image.satellites[4].name, "Terrestrisch");
    }
    const std::string& cell(int column, int row) const {
        return model->channelGrid.cell(column, row);
    }

    std::unique_ptr<ChannelListModel> model = std::make_unique<ChannelListModel>();
};

} // namespace

TEST_F(GridFillTest, ChannelRowsShowEveryColumnOfTheCurrentKind) {
    ChannelRecord tv = channel(true, 28006, "ABCDEFGHIJKLMNOPQRST", 1); // 20 characters
    tv.videoPid = 101;
    tv.audioPid = 102;
    tv.pcrPid = 103;
    tv.teletextPid = 104;
    tv.favouriteNumber = 7;
    tv.flags |= ChannelCrypted;
    setChannels(*model, {channel(false, 1, "Radio 1", 2), tv, channel(true, 3, "Cable", 2),
                         channel(true, 4, "DVB-T", 4)});
    EXPECT_EQ(model->viewRowCount(), 3);
    EXPECT_EQ(model->rowToChannel[0], 1);
    EXPECT_EQ(model->rowToChannel[2], 3);
    const std::vector<std::string> row1 = {"1",
                                           "ABCDEFGHIJKLMNOPQRST",
                                           "Astra 19.2E",
                                           "11778000",
                                           "V",
                                           "27500",
                                           "101",
                                           "102",
                                           "103",
                                           "104",
                                           "28006",
                                           "TV",
                                           "Verschl\xFCsselt",
                                           "1",
                                           "7"};
    for (int column = 0; column < 15; ++column)
        EXPECT_EQ(cell(column, 1), row1[column]) << "column " << column;
    // Cable: no satellite name, no polarisation, the symbol rate.
    EXPECT_EQ(cell(2, 2), "");
    EXPECT_EQ(cell(4, 2), "");
    EXPECT_EQ(cell(5, 2), "6900");
    EXPECT_EQ(cell(12, 2), "Frei");
    // Terrestrial: the bandwidth 8 - code.
    EXPECT_EQ(cell(5, 3), "6");
    EXPECT_EQ(cell(3, 3), "474000");
    EXPECT_EQ(cell(2, 3), "");
    EXPECT_EQ(cell(4, 3), "");
    EXPECT_EQ(cell(0, 4000), "4000");

    i18n::applyMessages(i18n::Language::French);
    model->currentKind = 0;
    model->fillChannelGrid(model->channelCount());
    EXPECT_EQ(model->viewRowCount(), 1);
    EXPECT_EQ(cell(1, 1), "Radio 1");
    EXPECT_EQ(cell(11, 1), "Radio");
    EXPECT_EQ(cell(12, 1), "Libre");
    EXPECT_EQ(cell(1, 2), "Cable"); // rows beyond the view stay as they were
}

TEST_F(GridFillTest, DamagedIndexesShowEmptyTransponderCells) {
    setChannels(*model, {channel(true, 1, "Lost", 1000), channel(true, 2, "Far", 65535),
                         channel(true, 3, "NoSat", 5)});
    EXPECT_EQ(model->viewRowCount(), 3);
    for (int row = 1; row <= 2; ++row) {
        for (int column = 2; column <= 5; ++column)
            EXPECT_EQ(cell(column, row), "") << column;
    }
    EXPECT_EQ(cell(13, 1), "1000");
    EXPECT_EQ(cell(13, 2), "65535");
    EXPECT_EQ(cell(2, 3), ""); // satellite slot 99 does not exist
    EXPECT_EQ(cell(4, 3), "H");
    EXPECT_EQ(model->image.channels[1].transponderIndex, 65535); // record untouched
}

TEST_F(GridFillTest, FavouriteGridRowsAndBounds) {
    ChannelRecord a = channel(true, 1, "A");
    ChannelRecord b = channel(true, 2, "B");
    ChannelRecord r = channel(false, 3, "R");
    ChannelRecord c = channel(true, 4, "C");
    ChannelRecord big = channel(true, 5, "Big");
    a.favouriteNumber = 4;
    r.favouriteNumber = 1;
    c.favouriteNumber = 4;
    big.favouriteNumber = 300;
    setChannels(*model, {a, b, r, c, big});
    const Grid& g = model->favouriteGrid;
    EXPECT_EQ(g.cell(1, 4), "C"); // the later record wins the row
    EXPECT_EQ(g.cell(2, 4), "3"); // its row in the TV view
    EXPECT_EQ(g.cell(3, 4), "TV");
    EXPECT_EQ(model->favRowToChannel[4], 3);
    EXPECT_EQ(g.cell(1, 1), " "); // the radio favourite is not in the TV view
    EXPECT_EQ(g.cell(0, 255), "255");
    EXPECT_EQ(g.cell(1, 255), " ");
}
