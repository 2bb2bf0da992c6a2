#include "tests/editor/EditorFixture.h"

#include "fileio/LocalPath.h"
#include "listformat/ListFile.h"
#include "tests/support/FileBytes.h"

#include <QApplication>
#include <QTimer>
#include <random>

using namespace listtest;
using Ids = std::vector<int>;

namespace {
enum Answer { Save, Discard, Cancel };
const QString question = QString::fromUtf8("Änderungen speichern?");
} // namespace

TEST_F(EditorTest, UndoAndRedoRestoreTheImageByteForByteAcrossMixedOperations) {
    auto list = interleaved(30);
    for (int i = 0; i < 10; ++i)
        list[2 * i].favouriteNumber = static_cast<uint16_t>(i + 1);
    open(writeList(list));
    edit->FavoritenBearbeiten1Click();

    std::mt19937 random(9);
    auto row = [&](int top) { return 1 + static_cast<int>(random() % top); };
    const std::vector<std::function<void()>> operations = {
        [&] {
            const int r = row(10);
            selectRows(r, r + 2);
            edit->Cut1Click();
        },
        [&] {
            edit->controls().StringGrid1->setCurrentCell(14, row(10));
            edit->editor().markRows(2);
            edit->Paste1Click();
        },
        [&] {
            selectRows(row(10), 12);
            edit->deleteRows(true);
        },
        [&] {
            edit->editor().markRows(1 + row(2));
            edit->StringGrid1RowMoved(row(10) + 5, row(5));
        },
        [&] {
            edit->editor().markRows(1);
            edit->StringGrid1RowMoved(row(5), row(5) + 5);
        },
        [&] { edit->StringGrid2DragDrop(row(12), row(10)); },
        [&] { edit->favouritesBackspace(2, 2 + row(2)); },
        [&] {
            fav->StringGrid2->setCurrentCell(1, row(5));
            edit->DeleteFavButtonClick();
        },
        [&] { edit->StringGrid2RowMoved(row(8), row(8)); },
        [&] { (random() % 2) ? edit->showRadio() : edit->showTv(); },
    };
    std::vector<std::vector<uint8_t>> states{serialiseListFile(model->image)};
    for (int step = 0; step < 20; ++step) {
        operations[random() % operations.size()]();
        if (model->history.undoCount() == static_cast<int>(states.size()))
            states.push_back(serialiseListFile(model->image));
        ASSERT_EQ(model->history.undoCount() + 1, static_cast<int>(states.size())) << step;
    }
    ASSERT_GE(states.size(), 12u);
    for (std::size_t i = states.size() - 1; i-- > 0;) {
        edit->controls().Undo1->trigger();
        ASSERT_EQ(serialiseListFile(model->image), states[i]) << "undo to " << i;
    }
    EXPECT_FALSE(edit->controls().Undo1->isEnabled());
    EXPECT_EQ(edit->statusText(), edit->editor().path()); // back at the file's state
    for (std::size_t i = 1; i < states.size(); ++i) {
        edit->controls().Redo1->trigger();
        ASSERT_EQ(serialiseListFile(model->image), states[i]) << "redo to " << i;
    }
    EXPECT_TRUE(edit->controls().Redo1->shortcuts().contains(
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    EXPECT_EQ(edit->controls().Undo1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
}

TEST_F(EditorTest, UndoShowsTheRestoredRowsAndOpeningClearsTheHistory) {
    const QString path = writeList(tvThenRadio(5));
    open(path);
    selectRows(4, 5);
    edit->Cut1Click();
    edit->undo();
    EXPECT_EQ(ids(), (Ids{1, 2, 3, 4, 5}));
    EXPECT_EQ(cell(1, 5), "Ch5");
    edit->redo();
    EXPECT_EQ(cell(1, 5), "");
    dialogs.choiceAnswers = {Discard};
    open(path);
    EXPECT_FALSE(model->history.canUndo());
    EXPECT_FALSE(model->history.canRedo());
}

TEST_F(EditorTest, UnsavedChangesAreNeverLostWithoutTheQuestion) {
    struct Case {
        const char* name;
        std::function<void()> trigger;
        Answer answer;
        bool listStaysOpen;
    } cases[] = {
        {"close", [this] { edit->Close1Click(); }, Cancel, true},
        {"close", [this] { edit->Close1Click(); }, Discard, false},
        {"close", [this] { edit->Close1Click(); }, Save, false},
        {"window", [this] { edit->close(); }, Cancel, true},
        {"window", [this] { edit->close(); }, Save, false},
        {"exit", [this] { edit->Exit1Click(); }, Discard, false},
        {"open", [this] { open(dir.filePath("b.lst")); }, Cancel, true},
        {"open", [this] { open(dir.filePath("b.lst")); }, Save, true},
    };
    writeList(tvThenRadio(2), "b.lst");
    for (const Case& c : cases) {
        const QString path = writeList(tvThenRadio(3));
        edit->show();
        open(path);
        selectRows(1, 1);
        edit->Cut1Click();
        EXPECT_EQ(edit->statusText(), path + " *");
        dialogs.clear();
        dialogs.choiceAnswers = {c.answer};
        c.trigger();

        EXPECT_EQ(dialogs.count(FakeDialogs::Shown::Kind::Choice), 1) << c.name;
        for (const auto& shown : dialogs.shown)
            if (shown.kind == FakeDialogs::Shown::Kind::Choice) {
                EXPECT_EQ(shown.text, question) << c.name;
            }
        EXPECT_EQ(edit->statusText() == path + " *", c.listStaysOpen && c.answer == Cancel)
            << c.name << " " << c.answer;
        ChannelListModel onDisk;
        ASSERT_TRUE(loadListFile(onDisk.image, fileio::localPath(path)));
        const Ids expected = c.answer == Save ? Ids{2, 3} : Ids{1, 2, 3};
        EXPECT_EQ(usedIds(onDisk.image), expected) << c.name << " " << c.answer;
        if (c.listStaysOpen && c.answer == Cancel) {
            EXPECT_EQ(ids(), (Ids{2, 3})) << c.name;
        }
        dialogs.choiceAnswers = {Discard};
        edit->Close1Click();
    }
}

TEST_F(EditorTest, NoQuestionWithoutChanges) {
    const QString path = writeList(tvThenRadio(3));
    open(path);
    edit->showRadio();
    edit->showTv();
    open(path);
    edit->Close1Click();
    open(path);
    edit->close();
    EXPECT_EQ(dialogs.count(FakeDialogs::Shown::Kind::Choice), 0);
    EXPECT_TRUE(edit->statusText().isEmpty());
    EXPECT_FALSE(edit->isVisible());
}

// Ending the program (the main window's "Beenden" asks the application to
// quit) closes the editor window first, so the question comes there too.
TEST_F(EditorTest, QuittingTheProgramAsksAndCancelKeepsItRunning) {
    const QString path = writeList(tvThenRadio(3));
    open(path);
    selectRows(1, 1);
    edit->Cut1Click();
    dialogs.choiceAnswers = {Cancel};
    bool stillRunning = false;
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QTimer::singleShot(200, qApp, [&] {
        stillRunning = true;
        QCoreApplication::exit(0);
    });
    QCoreApplication::exec();
    EXPECT_TRUE(stillRunning);
    EXPECT_EQ(dialogs.count(FakeDialogs::Shown::Kind::Choice), 1);
    EXPECT_EQ(edit->statusText(), path + " *");
}
