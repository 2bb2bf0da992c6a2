// Moving and sorting the marked rows without the mouse, against the list
// operations: a keyboard move is the row move (moveRows) of the same rows,
// a sort is the reference order of the same sequence.
#include "editor/ListEditor.h"
#include "fileio/LocalPath.h"
#include "listformat/ListFile.h"
#include "listmodel/ChannelListModel.h"
#include "reorder/ListReorder.h"
#include "tests/channellist/ListTestSupport.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

using namespace listtest;
using Ids = std::vector<int>;
using Step = ListEditor::MoveStep;

namespace {

class CountingPrompts : public EditorPrompts {
public:
    void capacityExceeded(int, const QString&) override {}
    void warnMoveUp() override { ++up; }
    void warnMoveDown() override { ++down; }
    void warnNotWholeRows() override {}
    void warnPasteBehindList() override {}
    void warnFavouritesRepaired() override {}
    int up = 0;
    int down = 0;
};

// TV 1..30; radio 101, 102 behind TV 3, 103 behind TV 15, 104 behind TV 30
// (the last record, then free slots).
std::vector<ChannelRecord> mixedList() {
    std::vector<ChannelRecord> list;
    for (uint16_t id = 1; id <= 30; ++id) {
        list.push_back(channel(true, id));
        if (id == 3) {
            list.push_back(channel(false, 101));
            list.push_back(channel(false, 102));
        }
        if (id == 15)
            list.push_back(channel(false, 103));
    }
    list.push_back(channel(false, 104));
    return list;
}

class KeyMovesTest : public ::testing::Test {
protected:
    void open(const std::vector<ChannelRecord>& channels,
              const std::function<void(ChannelListImage&)>& extra = {}) {
        auto source = std::make_unique<ChannelListModel>();
        setChannels(*source, channels);
        if (extra)
            extra(source->image);
        path = dir.filePath("a.lst");
        ASSERT_TRUE(saveListFile(source->image, fileio::localPath(path), reporter));
        bool repaired = false;
        ASSERT_EQ(editor.load(path, repaired), ListLoadResult::Valid);
    }
    // The view's program numbers in row order.
    Ids rows() const {
        Ids ids;
        for (int row = 1; row <= model->viewRowCount(); ++row)
            ids.push_back(model->image.channels[model->rowToChannel[row - 1]].programNumber);
        return ids;
    }
    // The image the list operations' row move gives on a copy of the list.
    std::vector<uint8_t> moveRowsImage(int fromRow, int toRow, int n) {
        auto copy = std::make_unique<ChannelListModel>();
        copy->image = model->image;
        copy->recount();
        copy->fillChannelGrid(copy->channelCount());
        RecordingPrompts silent;
        copy->moveRows(fromRow, toRow, n, silent);
        return serialiseListFile(copy->image);
    }

    QTemporaryDir dir;
    QString path;
    RecordingReporter reporter;
    std::unique_ptr<ChannelListModel> model = std::make_unique<ChannelListModel>();
    CountingPrompts prompts;
    ListEditor editor{*model, prompts};
};

} // namespace

TEST_F(KeyMovesTest, EachKeyMoveIsTheRowMoveOfTheSameRows) {
    const struct {
        Step step;
        int from;
        int n;
        int to; // the row move's target row
        int warnings;
    } cases[] = {
        {Step::Up, 5, 1, 4, 0},      {Step::Up, 4, 2, 3, 0}, // across radio 101, 102
        {Step::Up, 20, 10, 19, 0},   {Step::Down, 3, 1, 4, 0},   {Step::Down, 14, 2, 16, 0},
        {Step::Down, 10, 10, 19, 0}, // radio 103 inside the block
        {Step::Top, 20, 10, 1, 0},   {Step::Top, 2, 2, 1, 0},    {Step::End, 5, 2, 30, 0},
        {Step::End, 12, 10, 30, 0},  {Step::Down, 30, 1, 31, 1}, // out of the list: Warnung2
        {Step::Down, 21, 10, 31, 1},
    };
    for (const auto& c : cases) {
        open(mixedList());
        const auto expected = moveRowsImage(c.from, c.to, c.n);
        const int first = rows()[static_cast<std::size_t>(c.from - 1)];
        editor.markRows(c.n);
        const int at = editor.moveMarked(c.from, c.step);
        const auto label = ::testing::Message() << "step " << static_cast<int>(c.step) << " from "
                                                << c.from << " n " << c.n;
        EXPECT_EQ(serialiseListFile(model->image), expected) << label;
        EXPECT_EQ(prompts.down, c.warnings) << label;
        EXPECT_EQ(model->history.undoCount(), c.warnings ? 0 : 1) << label;
        EXPECT_EQ(editor.markedRowCount(), c.n) << label;
        if (c.warnings == 0) {
            ASSERT_GE(at, 1) << label;
            EXPECT_EQ(rows()[static_cast<std::size_t>(at - 1)], first) << label;
        } else {
            EXPECT_EQ(at, 0) << label;
        }
        prompts.down = 0;
    }
}

TEST_F(KeyMovesTest, MovesThatGoNowhereChangeNothing) {
    open(mixedList());
    const auto before = serialiseListFile(model->image);
    EXPECT_EQ(editor.moveMarked(1, Step::Up), 0); // nothing marked
    editor.markRows(2);
    EXPECT_EQ(editor.moveMarked(1, Step::Up), 0);
    EXPECT_EQ(editor.moveMarked(1, Step::Top), 0);
    EXPECT_EQ(editor.moveMarked(29, Step::End), 0);
    EXPECT_EQ(editor.moveMarkedInFrontOf(5, 6), 0);
    EXPECT_EQ(serialiseListFile(model->image), before);
    EXPECT_FALSE(model->history.canUndo());
    // Marked rows below the list moved up: Warnung1.
    EXPECT_EQ(editor.moveMarked(40, Step::Up), 0);
    EXPECT_EQ(prompts.up, 1);
    EXPECT_EQ(serialiseListFile(model->image), before);
}

TEST_F(KeyMovesTest, MoveInFrontOfATypedRow) {
    const struct {
        int from;
        int n;
        int row;
        int to; // the row move's target row
        int warnings;
    } cases[] = {
        {10, 2, 1, 1, 0},  {1, 1, 30, 29, 0},
        {5, 3, 30, 29, 0}, {5, 3, 31, 30, 0}, // behind the last channel
        {5, 3, 33, 32, 1},                    // below the list: Warnung2
    };
    for (const auto& c : cases) {
        open(mixedList());
        const auto expected = moveRowsImage(c.from, c.to, c.n);
        editor.markRows(c.n);
        editor.moveMarkedInFrontOf(c.from, c.row);
        EXPECT_EQ(serialiseListFile(model->image), expected) << c.from << " to " << c.row;
        EXPECT_EQ(prompts.down, c.warnings) << c.from << " to " << c.row;
        prompts.down = 0;
    }
    // In front of row 1 and of the last row, as the rows read.
    open(mixedList());
    editor.markRows(1);
    EXPECT_EQ(editor.moveMarkedInFrontOf(30, 1), 1);
    EXPECT_EQ(rows()[0], 30);
    EXPECT_EQ(editor.moveMarkedInFrontOf(1, 30), 29);
    EXPECT_EQ(rows()[28], 30);
    EXPECT_EQ(rows()[29], 29);
}

TEST_F(KeyMovesTest, MovedToTheEndTheChannelIsLastInTheSavedFile) {
    std::vector<ChannelRecord> list;
    for (uint16_t id : {1, 2, 3, 4, 5, 6, 101, 102})
        list.push_back(channel(id < 100, id));
    open(list);
    editor.markRows(1);
    EXPECT_EQ(editor.moveMarked(2, Step::End), 6);
    ASSERT_TRUE(editor.save(reporter));
    auto saved = std::make_unique<ChannelListModel>();
    ASSERT_EQ(loadListFileChecked(saved->image, fileio::localPath(path)), ListLoadResult::Valid);
    EXPECT_EQ(usedIds(saved->image), (Ids{1, 3, 4, 5, 6, 2, 101, 102}));
}

namespace {

// Names, program numbers, transponders (satellite A 12000 and 11000, B 10900,
// terrestrial 500000) and favourites, with ties in every key.
std::vector<ChannelRecord> sortList() {
    const struct {
        uint16_t id;
        const char* name;
        uint16_t transponder;
        uint16_t favourite;
    } rows[] = {
        {40, "zdf", 0, 2}, {30, "\xC4rger TV", 1, 0}, {50, "Arte", 2, 1},
        {30, "ARD", 3, 0}, {10, "bbc", 0, 3},         {20, "Arte", 1, 0},
    };
    std::vector<ChannelRecord> list;
    for (const auto& r : rows) {
        ChannelRecord c = channel(true, r.id, r.name, r.transponder);
        c.favouriteNumber = r.favourite;
        list.push_back(c);
        if (r.id == 50)
            list.push_back(channel(false, 7)); // radio stays in its slot
    }
    return list;
}

void sortTransponders(ChannelListImage& image) {
    const struct {
        uint32_t frequency;
        uint32_t symbolRate;
        uint8_t satellite;
    } tps[] = {{12000000, 27500, 0}, {11000000, 27500, 0}, {10900000, 27500, 1}, {500000, 0, 2}};
    for (std::size_t i = 0; i < std::size(tps); ++i) {
        image.transponders[i].frequency = tps[i].frequency;
        image.transponders[i].symbolRate = tps[i].symbolRate;
        image.transponders[i].satelliteIndex = tps[i].satellite;
    }
    setFieldText(image.satellites[0].name, "Astra");
    setFieldText(image.satellites[1].name, "Hotbird");
    setFieldText(image.satellites[2].name, "Terrestrisch");
}

// Each channel with its favourite number, in channel order.
std::set<std::tuple<int, std::string, int>> favouritesOf(const ChannelListImage& image) {
    std::set<std::tuple<int, std::string, int>> channels;
    for (int s = 0; s < ChannelSlots && image.channels[s].inUse(); ++s)
        channels.emplace(image.channels[s].programNumber, fieldText(image.channels[s].name),
                         image.channels[s].favouriteNumber);
    return channels;
}

} // namespace

TEST_F(KeyMovesTest, SortByEachKeyBothWaysStableWithFavouritesKept) {
    // Rows: 1 zdf(40) 2 Ärger(30) 3 Arte(50) 4 ARD(30) 5 bbc(10) 6 Arte(20).
    const struct {
        ChannelSortKey key;
        bool descending;
        Ids tvOrder; // program numbers; equal keys keep their order
    } cases[] = {
        {ChannelSortKey::Name, false, {30, 30, 50, 20, 10, 40}}, // ARD < ARGER < ARTE
        {ChannelSortKey::Name, true, {40, 10, 50, 20, 30, 30}},
        {ChannelSortKey::ProgramNumber, false, {10, 20, 30, 30, 40, 50}},
        {ChannelSortKey::ProgramNumber, true, {50, 40, 30, 30, 20, 10}},
        // Terrestrial (no satellite name) first, then Astra 11000, 12000, Hotbird.
        {ChannelSortKey::Frequency, false, {30, 30, 20, 40, 10, 50}},
        {ChannelSortKey::Frequency, true, {50, 40, 10, 30, 20, 30}},
        {ChannelSortKey::Favourite, false, {50, 40, 10, 30, 30, 20}},
        {ChannelSortKey::Favourite, true, {10, 40, 50, 30, 30, 20}},
    };
    for (const auto& c : cases) {
        open(sortList(), sortTransponders);
        const auto before = serialiseListFile(model->image);
        const auto favourites = favouritesOf(model->image);
        editor.sortRows(1, c.key, c.descending);
        const auto label = ::testing::Message()
                           << "key " << static_cast<int>(c.key) << " desc " << c.descending;
        EXPECT_EQ(rows(), c.tvOrder) << label;
        EXPECT_EQ(model->image.channels[3].programNumber, 7) << label;
        EXPECT_FALSE(model->image.channels[3].isTv()) << label;
        EXPECT_EQ(favouritesOf(model->image), favourites) << label;
        ASSERT_EQ(model->history.undoCount(), 1) << label;
        ASSERT_TRUE(editor.undo());
        EXPECT_EQ(serialiseListFile(model->image), before) << label;
    }
}

TEST_F(KeyMovesTest, SortOfMarkedRowsAgreesWithTheReferenceOrder) {
    std::vector<ChannelRecord> list;
    for (uint16_t id : {9, 8, 7, 6, 5, 4, 3, 2, 1})
        list.push_back(channel(id % 3 != 0, id));
    open(list);
    // TV rows: 8 7 5 4 2 1; rows 2..5 (7 5 4 2) sorted by program number.
    auto expected = std::make_unique<ChannelListModel>();
    expected->image = model->image;
    ReferenceList reference = referenceFromImage(model->image, model->channelCount());
    const Ids wanted = {9, 8, 2, 6, 4, 5, 3, 7, 1};
    std::vector<ReferenceChannel> ordered;
    for (int id : wanted)
        for (const auto& r : reference.channels)
            if (r.programNumber == id)
                ordered.push_back(r);
    reference.channels = ordered;
    applyReferenceOrder(*expected, reference, false);

    editor.markRows(4);
    editor.sortRows(2, ChannelSortKey::ProgramNumber, false);
    EXPECT_EQ(usedIds(model->image), wanted);
    EXPECT_EQ(serialiseListFile(model->image), serialiseListFile(expected->image));
}
