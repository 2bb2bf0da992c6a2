// The list editor without windows: every edit is one undo step and one
// report of what it changed, which is all the windows repaint.
#include "editor/ListEditor.h"

#include "fileio/LocalPath.h"
#include "listmodel/ChannelListModel.h"
#include "tests/channellist/ListTestSupport.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

using namespace listtest;

namespace {

class SilentPrompts : public EditorPrompts {
public:
    void capacityExceeded(int, const QString&) override {}
    void warnMoveUp() override {}
    void warnMoveDown() override {}
    void warnNotWholeRows() override {}
    void warnPasteBehindList() override {}
    void warnFavouritesRepaired() override {}
};

const char* partsOf(Changed what) {
    switch (static_cast<unsigned>(what) & 3u) {
    case 1:
        return "channels";
    case 2:
        return "favourites";
    case 3:
        return "both";
    default:
        return "nothing";
    }
}

} // namespace

TEST(ListEditorTest, EveryEditIsOneUndoStepAndOneReportOfWhatItChanged) {
    QTemporaryDir dir;
    auto source = std::make_unique<ChannelListModel>();
    std::vector<ChannelRecord> channels;
    for (uint16_t id = 1; id <= 6; ++id)
        channels.push_back(channel(true, id));
    setChannels(*source, channels);
    RecordingReporter reporter;
    const QString path = dir.filePath("a.lst");
    ASSERT_TRUE(saveListFile(source->image, fileio::localPath(path), reporter));

    auto model = std::make_unique<ChannelListModel>();
    SilentPrompts prompts;
    ListEditor editor(*model, prompts);
    std::vector<Changed> reports;
    editor.changed = [&](Changed what) { reports.push_back(what); };
    bool repaired = false;
    ASSERT_EQ(editor.load(path, repaired), ListLoadResult::Valid);

    const GridSelection rows23{1, 2, ChannelGridColumns - 1, 3};
    struct Case {
        const char* edit;
        std::function<void()> run;
        const char* repaints;
    } cases[] = {
        {"cut",
         [&] {
             editor.copy(rows23);
             editor.remove(rows23);
         },
         "channels"},
        {"paste", [&] { editor.paste(1); }, "channels"},
        {"move",
         [&] {
             editor.markRows(1);
             editor.moveRows(1, 4);
         },
         "channels"},
        {"choice", [&] { editor.chooseCell(12, 1, 1, QStringLiteral("x")); }, "channels"},
        {"drop", [&] { editor.dropFavourite(1, 2); }, "favourites"},
        {"paste favourites",
         [&] {
             editor.markRows(2);
             editor.pasteFavourites(1, 3);
         },
         "favourites"},
        {"move favourite", [&] { editor.moveFavourite(1, 3); }, "favourites"},
        {"delete favourites", [&] { editor.deleteFavourites(1, 2); }, "favourites"},
    };
    for (const Case& c : cases) {
        const int steps = model->history.undoCount();
        reports.clear();
        c.run();
        ASSERT_EQ(reports.size(), 1u) << c.edit;
        EXPECT_STREQ(partsOf(reports.front()), c.repaints) << c.edit;
        EXPECT_EQ(model->history.undoCount(), steps + 1) << c.edit;
        // The counts follow the image, whoever changed it.
        EXPECT_EQ(model->channelCount(), countChannels(model->image)) << c.edit;
    }
    reports.clear();
    ASSERT_TRUE(editor.undo());
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_STREQ(partsOf(reports.front()), "both");
}
