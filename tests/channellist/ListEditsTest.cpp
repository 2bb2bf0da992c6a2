#include "i18n/Messages.h"
#include "tests/channellist/ListTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

using namespace listtest;

namespace {

class ListEditsTest : public ::testing::Test {
protected:
    void SetUp() override { i18n::resetMessages(); }
    void refill() {
        model->fillChannelGrid(model->channelCount());
        model->fillFavouriteGrid(model->channelCount());
    }

    std::unique_ptr<ChannelListModel> model = std::make_unique<ChannelListModel>();
    RecordingPrompts prompts;
};

// TV1, R1, TV2, R2, TV3 as program numbers 1, 101, 2, 102, 3.
std::vector<ChannelRecord> mixedList() {
    return {channel(true, 1), channel(false, 101), channel(true, 2), channel(false, 102),
            channel(true, 3)};
}

std::vector<ChannelRecord> contiguous(int count, bool tv = true) {
    std::vector<ChannelRecord> list;
    for (int i = 1; i <= count; ++i)
        list.push_back(channel(tv, static_cast<uint16_t>(i)));
    return list;
}

} // namespace

TEST_F(ListEditsTest, CutThenPasteKeepsTheOtherKindInOrder) {
    setChannels(*model, mixedList());
    EXPECT_EQ(model->cutRowsToClipboard(1, 2), 2);
    EXPECT_EQ(model->clipboard[0].programNumber, 1);
    EXPECT_EQ(model->clipboard[1].programNumber, 2);
    EXPECT_EQ(usedIds(model->image), (std::vector<int>{101, 102, 3}));
    EXPECT_TRUE(model->image.channels[3] == ChannelRecord{}); // end marker follows
    refill();
    EXPECT_EQ(model->viewRowCount(), 1);

    EXPECT_EQ(model->insertFromClipboard(1, 2, prompts), 2);
    EXPECT_EQ(model->channelCount(), 5);
    EXPECT_EQ(usedIds(model->image), (std::vector<int>{101, 102, 1, 2, 3}));
    EXPECT_TRUE(model->image.channels[5] == ChannelRecord{});
}

TEST_F(ListEditsTest, CopyTakesOnlyTheCurrentKindAndChangesNothing) {
    setChannels(*model, mixedList());
    const ChannelListImage before = model->image;
    EXPECT_EQ(model->copyRowsToClipboard(2, 5), 2); // only TV2 and TV3 are left
    EXPECT_EQ(model->clipboard[0].programNumber, 2);
    EXPECT_EQ(model->clipboard[1].programNumber, 3);
    EXPECT_TRUE(model->image == before);
    EXPECT_EQ(model->copyRowsToClipboard(4, 1), 0); // below the view
    EXPECT_EQ(model->copyRowsToClipboard(0, 1), 0);
}

TEST_F(ListEditsTest, CutOfAFullTableLeavesAnEndMarker) {
    std::vector<ChannelRecord> full;
    for (int i = 0; i < ChannelSlots; ++i)
        full.push_back(channel(i % 3 != 0, static_cast<uint16_t>(i)));
    setChannels(*model, full);
    ASSERT_EQ(model->channelCount(), 4000);
    const int rows = model->viewRowCount();
    EXPECT_EQ(model->cutRowsToClipboard(rows - 1, 10), 2); // n beyond the view
    EXPECT_EQ(usedIds(model->image).size(), 3998u);
    EXPECT_TRUE(model->image.channels[3998] == ChannelRecord{});
    EXPECT_EQ(model->image.channels[3997].programNumber, 3999); // last radio record kept
}

TEST_F(ListEditsTest, PasteCapacityAndTheLastSlots) {
    std::vector<ChannelRecord> list = contiguous(3998);
    setChannels(*model, list);
    model->copyRowsToClipboard(1, 3);
    EXPECT_EQ(model->insertFromClipboard(5, 3, prompts), 0);
    ASSERT_EQ(prompts.capacity, std::vector<int>{2});
    EXPECT_EQ(prompts.messages[0].toStdString(),
              "Sie k\xC3\xB6nnen max. noch 2 Kan\xC3\xA4le einf\xC3\xBCgen. W\xC3\xA4hlen Sie "
              "erneut aus.");
    EXPECT_EQ(model->channelCount(), 3998);
    EXPECT_EQ(usedIds(model->image).size(), 3998u);

    EXPECT_EQ(model->insertFromClipboard(3998, 2, prompts), 2);
    EXPECT_EQ(model->channelCount(), 4000);
    EXPECT_EQ(countChannels(model->image), 4000);
    EXPECT_EQ(model->image.channels[3997].programNumber, 1);
    EXPECT_EQ(model->image.channels[3999].programNumber, 3998);

    i18n::applyMessages(i18n::Language::English);
    EXPECT_EQ(model->insertFromClipboard(1, 1, prompts), 0);
    EXPECT_EQ(prompts.messages.back(),
              QStringLiteral("You can sill insert 0 channels. Please select one more time."));
}

TEST_F(ListEditsTest, PasteIsBoundedByClipboardAndView) {
    setChannels(*model, mixedList());
    // Nothing cut or copied yet: nothing to paste.
    EXPECT_EQ(model->insertFromClipboard(1, 3, prompts), 0);
    EXPECT_EQ(usedIds(model->image), (std::vector<int>{1, 101, 2, 102, 3}));

    model->copyRowsToClipboard(1, 1);
    EXPECT_EQ(model->insertFromClipboard(9, 5, prompts), 1); // row below the list: last row
    EXPECT_EQ(usedIds(model->image), (std::vector<int>{1, 101, 2, 102, 1, 3}));

    // An empty view (no radio channels) appends at the end of the list.
    setChannels(*model, contiguous(3));
    model->copyRowsToClipboard(2, 1);
    model->currentKind = 0;
    refill();
    ASSERT_EQ(model->viewRowCount(), 0);
    EXPECT_EQ(model->insertFromClipboard(1, 1, prompts), 1);
    EXPECT_EQ(usedIds(model->image), (std::vector<int>{1, 2, 3, 2}));
}

TEST_F(ListEditsTest, MoveUpPutsTheRowInFrontOfTheTarget) {
    setChannels(*model, contiguous(6));
    model->moveRows(5, 2, 1, prompts);
    EXPECT_EQ(usedIds(model->image), (std::vector<int>{1, 5, 2, 3, 4, 6}));
    EXPECT_EQ(model->clipboard[0].programNumber, 5);
    EXPECT_EQ(model->clipboard[1].programNumber, 6); // the moved rows and one more
}

TEST_F(ListEditsTest, MoveWarningsBlankTheRowAndKeepTheTable) {
    setChannels(*model, contiguous(4));
    const ChannelListImage before = model->image;
    model->channelGrid.setCell(3, 5, "x");
    model->moveRows(7, 2, 1, prompts);
    EXPECT_EQ(prompts.moveUpWarnings, 1);
    EXPECT_EQ(model->channelGrid.cell(3, 5), " ");
    EXPECT_EQ(model->channelGrid.cell(0, 5), "5");

    model->channelGrid.setCell(14, 9, "x");
    model->moveRows(2, 9, 1, prompts);
    EXPECT_EQ(prompts.moveDownWarnings, 1);
    EXPECT_EQ(model->channelGrid.cell(14, 9), " ");
    EXPECT_TRUE(model->image == before);

    model->moveRows(1, 4001, 1, prompts); // far outside the grid
    model->moveRows(4001, 1, 1, prompts);
    EXPECT_EQ(prompts.moveDownWarnings, 2);
    EXPECT_EQ(prompts.moveUpWarnings, 2);
    model->moveRows(6, 8, 1, prompts); // both rows below the list
    EXPECT_EQ(prompts.moveDownWarnings, 3);
    model->moveRows(2, 2, 0, prompts);
    model->moveRows(0, 2, 1, prompts);
    model->moveRows(3, 3, INT32_MAX, prompts);
    EXPECT_TRUE(model->image == before);
    model->moveRows(3, 1, INT32_MAX, prompts); // the block ends with the list
    EXPECT_EQ(usedIds(model->image), (std::vector<int>{3, 4, 1, 2}));
}

// The reference: the block is the n used slots from the slot of fromRow;
// upwards it goes in front of the channel of toRow, downwards directly behind
// it, unless that channel lies inside the block.
std::vector<int> referenceMove(std::vector<ChannelRecord> list, uint8_t kind, int fromRow,
                               int toRow, int n) {
    std::vector<int> view;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].kind() == kind)
            view.push_back(static_cast<int>(i));
    std::vector<int> ids;
    for (const ChannelRecord& c : list)
        ids.push_back(c.programNumber);
    const int rows = static_cast<int>(view.size());
    if (fromRow > rows || toRow > rows)
        return ids;
    const int s = view[fromRow - 1];
    const int d = view[toRow - 1];
    n = std::min(n, static_cast<int>(ids.size()) - s);
    std::vector<int> block(ids.begin() + s, ids.begin() + s + n);
    if (fromRow > toRow) {
        ids.erase(ids.begin() + s, ids.begin() + s + n);
        ids.insert(ids.begin() + d, block.begin(), block.end());
    } else if (d >= s + n) {
        const int targetId = ids[d];
        ids.erase(ids.begin() + s, ids.begin() + s + n);
        const auto target = std::find(ids.begin(), ids.end(), targetId);
        ids.insert(target + 1, block.begin(), block.end());
    }
    return ids;
}

TEST_F(ListEditsTest, EveryMoveOfSmallMixedListsMatchesTheReference) {
    // Interleavings of TV (t) and radio (r) records.
    const std::vector<std::string> patterns = {"tttttt", "trtrtr", "ttrrtt", "rttrtr",
                                               "trrrtt", "tttrrr", "rtrttrt"};
    int cases = 0;
    for (const std::string& pattern : patterns) {
        std::vector<ChannelRecord> list;
        for (std::size_t i = 0; i < pattern.size(); ++i)
            list.push_back(channel(pattern[i] == 't', static_cast<uint16_t>(i + 1)));
        for (uint8_t kind : {uint8_t{1}, uint8_t{0}}) {
            const int rows =
                static_cast<int>(std::count(pattern.begin(), pattern.end(), kind ? 't' : 'r'));
            for (int from = 1; from <= rows + 1; ++from) {
                for (int to = 1; to <= rows + 1; ++to) {
                    for (int n = 1; n <= static_cast<int>(pattern.size()) + 1; ++n) {
                        model->currentKind = kind;
                        setChannels(*model, list);
                        model->moveRows(from, to, n, prompts);
                        const std::vector<int> expected = referenceMove(list, kind, from, to, n);
                        ASSERT_EQ(usedIds(model->image), expected)
                            << pattern << " kind " << int(kind) << " from " << from << " to " << to
                            << " n " << n;
                        ++cases;
                    }
                }
            }
        }
    }
    EXPECT_GT(cases, 1000);
}

TEST_F(ListEditsTest, DownwardBlockLandsBehindTheTargetAsOneUnit) {
    setChannels(*model, contiguous(6));
    model->moveRows(1, 4, 2, prompts);
    EXPECT_EQ(usedIds(model->image), (std::vector<int>{3, 4, 1, 2, 5, 6}));
    setChannels(*model, contiguous(6));
    model->moveRows(2, 6, 3, prompts);
    EXPECT_EQ(usedIds(model->image), (std::vector<int>{1, 5, 6, 2, 3, 4}));
    setChannels(*model, contiguous(6));
    model->moveRows(2, 3, 3, prompts); // target inside the block
    EXPECT_EQ(usedIds(model->image), (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

TEST_F(ListEditsTest, ApplyFavouriteGridWritesRowNumbers) {
    ChannelRecord first = channel(true, 1);
    first.favouriteNumber = 1;
    ChannelRecord radio = channel(false, 2);
    radio.favouriteNumber = 1;
    setChannels(*model, {first, radio, channel(true, 3), channel(true, 4)});
    Grid& g = model->favouriteGrid;
    // Slot 0 was taken out of the favourites grid; channel rows 3 and 2 become
    // favourites 2 and 5.
    g.setCell(2, 1, " ");
    g.setCell(2, 2, "3");
    g.setCell(2, 5, "2");
    g.setCell(2, 6, "99");  // no such row in the view
    g.setCell(2, 7, "abc"); // not a number
    g.setCell(2, 8, "");
    model->applyFavouriteGrid(model->channelCount());
    EXPECT_EQ(model->image.channels[0].favouriteNumber, 0);
    EXPECT_EQ(model->image.channels[1].favouriteNumber, 1); // radio untouched
    EXPECT_EQ(model->image.channels[2].favouriteNumber, 5);
    EXPECT_EQ(model->image.channels[3].favouriteNumber, 2);
}

namespace {

std::vector<int> repaired(ChannelListModel& model, const std::vector<int>& tvNumbers,
                          const std::vector<int>& radioNumbers, bool& changed) {
    std::vector<ChannelRecord> list;
    for (int f : tvNumbers) {
        list.push_back(channel(true, static_cast<uint16_t>(list.size())));
        list.back().favouriteNumber = static_cast<uint16_t>(f);
    }
    for (int f : radioNumbers) {
        list.push_back(channel(false, static_cast<uint16_t>(list.size())));
        list.back().favouriteNumber = static_cast<uint16_t>(f);
    }
    setChannels(model, list);
    changed = model.repairFavourites();
    std::vector<int> numbers;
    for (std::size_t i = 0; i < list.size(); ++i)
        numbers.push_back(model.image.channels[i].favouriteNumber);
    return numbers;
}

} // namespace

TEST_F(ListEditsTest, RepairFavouritesRemovesSharedNumbersAndCloseGaps) {
    bool changed = false;
    EXPECT_EQ(repaired(*model, {1, 2, 2, 5}, {}, changed), (std::vector<int>{1, 0, 0, 2}));
    EXPECT_TRUE(changed);
    EXPECT_EQ(repaired(*model, {1, 2, 3}, {2, 1}, changed), (std::vector<int>{1, 2, 3, 2, 1}));
    EXPECT_FALSE(changed);
    // The kinds are repaired separately.
    EXPECT_EQ(repaired(*model, {0, 3, 1}, {1, 1, 2}, changed),
              (std::vector<int>{0, 2, 1, 0, 0, 1}));
    EXPECT_TRUE(changed);
    // A number held three or more times is removed once.
    EXPECT_EQ(repaired(*model, {1, 1, 1, 1, 5}, {}, changed), (std::vector<int>{0, 0, 0, 0, 1}));
    // Numbers of 126 and above only move down: 125 is the last one analysed.
    EXPECT_EQ(repaired(*model, {2, 130}, {}, changed), (std::vector<int>{1, 129}));
    EXPECT_EQ(repaired(*model, {125, 125}, {}, changed), (std::vector<int>{0, 0}));
    EXPECT_EQ(repaired(*model, {1, 126, 126}, {}, changed), (std::vector<int>{1, 126, 126}));
    EXPECT_FALSE(changed);
}

TEST_F(ListEditsTest, RepairFavouritesWithMoreThan256Favourites) {
    // 600 TV favourites 1..200, 1..200, 1..200: only the first 256 numbers
    // (1..200 and 1..56) take part, so 1..56 count as shared.
    std::vector<int> numbers;
    for (int i = 0; i < 600; ++i)
        numbers.push_back(i % 200 + 1);
    bool changed = false;
    const std::vector<int> result = repaired(*model, numbers, {}, changed);
    EXPECT_TRUE(changed);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        ASSERT_EQ(result[i], numbers[i] <= 56 ? 0 : numbers[i] - 56) << i;
}
