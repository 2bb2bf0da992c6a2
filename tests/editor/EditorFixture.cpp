#include "tests/editor/EditorFixture.h"

#include "fileio/LocalPath.h"
#include "i18n/Messages.h"
#include "listformat/ListFile.h"

using namespace listtest;

void EditorTest::SetUp() {
    i18n::resetMessages();
    warnings[0] = std::make_unique<TWarnung1>();
    warnings[1] = std::make_unique<TWarnung2>();
    warnings[2] = std::make_unique<TWarnung3>();
    warnings[3] = std::make_unique<TWarnung4>();
    fav = std::make_unique<TFavForm>(dialogs, *model);
    edit = std::make_unique<TEditForm>(dialogs, *model);
    edit->setFavForm(fav.get());
    edit->setWarnings(warnings[0].get(), warnings[1].get(), warnings[2].get(), warnings[3].get());
    edit->show();
}

void EditorTest::TearDown() {
    edit->hide(); // no question on the way out
    edit.reset();
    fav.reset();
}

QString EditorTest::writeList(const std::vector<ChannelRecord>& channels, const QString& name) {
    auto source = std::make_unique<ChannelListModel>();
    setChannels(*source, channels);
    RecordingReporter reporter;
    const QString path = dir.filePath(name);
    EXPECT_TRUE(saveListFile(source->image, fileio::localPath(path), reporter));
    return path;
}

void EditorTest::open(const QString& path) {
    dialogs.openAnswers.push_back({path});
    edit->openList();
}

void EditorTest::selectRows(int top, int bottom) {
    edit->controls().StringGrid1->setSelectionRect({1, top, ChannelGridColumns - 1, bottom});
}

std::vector<ChannelRecord> tvThenRadio(int tv, int radio) {
    std::vector<ChannelRecord> list;
    for (int i = 1; i <= tv; ++i)
        list.push_back(channel(true, static_cast<uint16_t>(i)));
    for (int i = 1; i <= radio; ++i)
        list.push_back(channel(false, static_cast<uint16_t>(100 + i)));
    return list;
}

std::vector<ChannelRecord> interleaved(int pairs) {
    std::vector<ChannelRecord> list;
    for (int i = 1; i <= pairs; ++i) {
        list.push_back(channel(true, static_cast<uint16_t>(i)));
        list.push_back(channel(false, static_cast<uint16_t>(100 + i)));
    }
    return list;
}
