#include "tests/editor/EditorFixture.h"

#include "listformat/ListFile.h"
#include "tests/support/FileBytes.h"

using namespace listtest;
using Ids = std::vector<int>;

namespace {
enum Answer { Apply, ApplyDropNew, Cancel };
} // namespace

// A fresh list arranged like an older one: the summary first, then one step
// that undo takes back and redo brings again; the saved file holds it.
TEST_F(EditorTest, ApplyOrderFromAReferenceListAsOneStep) {
    const QString reference = writeList(
        {channel(true, 3), channel(false, 101), channel(true, 1), channel(true, 2)}, "old.lst");
    const QString fresh = writeList({channel(true, 1), channel(true, 2), channel(true, 9),
                                     channel(true, 3), channel(false, 101)});
    open(fresh);
    dialogs.clear();

    dialogs.openAnswers = {{reference}, {reference}};
    dialogs.choiceAnswers = {Cancel, Apply};
    edit->Reihenfolge1Click();
    ASSERT_EQ(dialogs.count(FakeDialogs::Shown::Kind::Choice), 1);
    EXPECT_TRUE(dialogs.shown.back().text.startsWith(
        QString::fromUtf8("Über Programmnummer zugeordnet: 4\nÜber Namen zugeordnet: 0\n"
                          "Ohne Gegenstück (neu): 1")))
        << dialogs.shown.back().text.toStdString();
    EXPECT_EQ(ids(), (Ids{1, 2, 9, 3, 101}));
    EXPECT_FALSE(model->history.canUndo());

    edit->Reihenfolge1Click();
    EXPECT_EQ(ids(), (Ids{3, 101, 1, 2, 9}));
    EXPECT_EQ(cell(1, 1), "Ch3");
    EXPECT_EQ(model->history.undoCount(), 1);
    edit->undo();
    EXPECT_EQ(ids(), (Ids{1, 2, 9, 3, 101}));
    edit->redo();
    EXPECT_EQ(ids(), (Ids{3, 101, 1, 2, 9}));
    ASSERT_TRUE(edit->saveList());
    const std::vector<uint8_t> saved = readAll(fresh);
    EXPECT_TRUE(fileCrcHolds(saved.data(), saved.size()));
}

TEST_F(EditorTest, AReferenceThatIsNoListNorTextChangesNothing) {
    open(writeList(tvThenRadio(3, 1)));
    const auto before = serialiseListFile(model->image);
    writeAll(dir.filePath("bad.txt"), {'1', ';', 0, 0xFF, 7});
    writeAll(dir.filePath("none.txt"), {'1', ';', 'X', '\n'});
    for (const char* file : {"bad.txt", "none.txt", "missing.txt"}) {
        dialogs.clear();
        EXPECT_FALSE(edit->applyOrderFrom(dir.filePath(file)));
        ASSERT_EQ(dialogs.messageTexts().size(), 1) << file;
        EXPECT_EQ(dialogs.count(FakeDialogs::Shown::Kind::Choice), 0);
        EXPECT_EQ(serialiseListFile(model->image), before);
        EXPECT_FALSE(model->history.canUndo());
    }
}
