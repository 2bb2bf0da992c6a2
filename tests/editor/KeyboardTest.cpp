// The channel table without the mouse: rows marked by keyboard are the rows
// a mouse marks, the moves keep them marked, the dialogs are answered, and
// the number cells reach assistive tools with their places on the screen.
#include "tests/editor/EditorFixture.h"

#include "editor/ChannelTableModel.h"
#include "listformat/ListFile.h"
#include "tests/support/FileBytes.h"

#include <QAccessible>
#include <QAction>
#include <QHeaderView>
#include <QRadioButton>
#include <QTest>

using namespace listtest;
using Ids = std::vector<int>;

namespace {

QPoint cellCentre(GridView* grid, int column, int row) {
    return grid->visualRect(grid->model()->index(row - 1, column)).center();
}

// Shortcuts reach only the focus widget of the active window.
void key(QWidget* grid, Qt::Key k, Qt::KeyboardModifiers modifiers) {
    if (!grid->window()->isActiveWindow()) {
        grid->window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(grid->window()));
    }
    grid->setFocus();
    QTest::keyClick(grid, k, modifiers);
}

} // namespace

TEST_F(EditorTest, RowsMarkedByKeyboardCutAsRowsMarkedByMouse) {
    edit->setWindowState(Qt::WindowNoState);
    edit->resize(1600, 700);
    const QString source = writeList(interleaved(6));
    GridView* grid = edit->controls().StringGrid1;
    QHeaderView* numbers = grid->verticalHeader();

    const struct {
        const char* marking;
        int rows; // rows 2.. marked
    } cases[] = {{"one row", 1}, {"three rows", 3}};
    for (const auto& c : cases) {
        // By mouse: a click on the number cell, or a drag over the cells.
        open(source);
        if (c.rows == 1) {
            QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {},
                              {10, numbers->sectionViewportPosition(1) + 5});
        } else {
            const QPoint from = cellCentre(grid, 1, 2);
            const QPoint to = cellCentre(grid, ColFavourite, 1 + c.rows);
            QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, from);
            for (int step = 1; step <= 4; ++step)
                QTest::mouseMove(grid->viewport(), from + (to - from) * step / 4);
            QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, to);
        }
        edit->Cut1Click();
        ASSERT_TRUE(edit->saveList());
        const auto byMouse = readAll(source);
        writeAll(source, readAll(writeList(interleaved(6), "b.lst")));

        // By keyboard, from a cell of row 2.
        open(source);
        grid->setFocus();
        grid->setCurrentCell(3, 2);
        key(grid, Qt::Key_Space, Qt::ShiftModifier);
        for (int i = 1; i < c.rows; ++i)
            key(grid, Qt::Key_Down, Qt::ShiftModifier);
        EXPECT_EQ(edit->editor().markedRowCount(), c.rows) << c.marking;
        key(grid, Qt::Key_X, Qt::ControlModifier);
        ASSERT_TRUE(edit->saveList());
        EXPECT_EQ(readAll(source), byMouse) << c.marking;
        EXPECT_EQ(model->viewRowCount(), 6 - c.rows) << c.marking;
        writeAll(source, readAll(writeList(interleaved(6), "b.lst")));
    }
}

TEST_F(EditorTest, KeyMovesKeepTheRowsMarkedAndUndoAsOneStep) {
    open(writeList(tvThenRadio(8, 2)));
    GridView* grid = edit->controls().StringGrid1;
    grid->setFocus();
    grid->setCurrentCell(1, 5);
    key(grid, Qt::Key_Space, Qt::ShiftModifier);
    key(grid, Qt::Key_Down, Qt::ShiftModifier); // rows 5 and 6
    key(grid, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(ids(), (Ids{1, 2, 3, 5, 6, 4, 7, 8, 101, 102}));
    GridSelection s = grid->selectionRect();
    EXPECT_EQ(s.top, 4);
    EXPECT_EQ(s.bottom, 5);
    EXPECT_EQ(edit->editor().markedRowCount(), 2);
    key(grid, Qt::Key_Home, Qt::AltModifier);
    EXPECT_EQ(ids(), (Ids{5, 6, 1, 2, 3, 4, 7, 8, 101, 102}));
    key(grid, Qt::Key_End, Qt::AltModifier);
    EXPECT_EQ(ids(), (Ids{1, 2, 3, 4, 7, 8, 5, 6, 101, 102}));
    s = grid->selectionRect();
    EXPECT_EQ(s.top, 7);
    EXPECT_EQ(s.bottom, 8);
    // Down from the last rows leaves the list: Warnung2, nothing moves.
    dialogs.clear();
    key(grid, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(dialogs.dialogNames(), QStringList{QStringLiteral("Warnung2")});
    EXPECT_EQ(ids(), (Ids{1, 2, 3, 4, 7, 8, 5, 6, 101, 102}));
    key(grid, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ids(), (Ids{5, 6, 1, 2, 3, 4, 7, 8, 101, 102}));
}

TEST_F(EditorTest, MoveToAsksForTheRowAndSortAsksForTheKey) {
    open(writeList(tvThenRadio(6, 1)));
    GridView* grid = edit->controls().StringGrid1;
    grid->setFocus();
    grid->setCurrentCell(1, 4);
    key(grid, Qt::Key_Space, Qt::ShiftModifier);

    dialogs.numberAnswers = {1};
    key(grid, Qt::Key_G, Qt::ControlModifier);
    ASSERT_EQ(dialogs.count(FakeDialogs::Shown::Kind::Number), 1);
    EXPECT_EQ(dialogs.shown.back().caption, QStringLiteral("Verschieben nach"));
    EXPECT_EQ(ids(), (Ids{4, 1, 2, 3, 5, 6, 101}));
    EXPECT_EQ(grid->selectionRect().top, 1);
    // Cancelled: nothing moves.
    key(grid, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(ids(), (Ids{4, 1, 2, 3, 5, 6, 101}));

    // Nothing marked: the whole view, by program number descending.
    grid->setCurrentCell(2, 2);
    dialogs.dialogActions.push_back([](QDialog& dialog) {
        dialog.findChild<QRadioButton*>(QStringLiteral("SortByProgram"))->setChecked(true);
        dialog.findChild<QRadioButton*>(QStringLiteral("SortDescending"))->setChecked(true);
    });
    edit->findChild<QAction*>(QStringLiteral("Sort1"))->trigger();
    EXPECT_EQ(dialogs.dialogNames().last(), QStringLiteral("SortDialog"));
    EXPECT_EQ(ids(), (Ids{6, 5, 4, 3, 2, 1, 101}));
    EXPECT_EQ(model->history.undoCount(), 2);
}

TEST_F(EditorTest, NumberCellsReachAssistiveToolsWithTheirRectangles) {
    open(writeList(tvThenRadio(3)));
    GridView* grid = edit->controls().StringGrid1;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    ASSERT_TRUE(table && table->tableInterface());
    int found = 0;
    for (int i = 0; i < table->childCount() && found < 3; ++i) {
        QAccessibleInterface* child = table->child(i);
        if (!child || child->role() != QAccessible::RowHeader)
            continue;
        const QString number = child->text(QAccessible::Name);
        const QRect rect = child->rect();
        const int row = number.toInt();
        ASSERT_GE(row, 1) << number.toStdString();
        const QHeaderView* numbers = grid->verticalHeader();
        const QRect expected(
            numbers->mapToGlobal(QPoint(0, numbers->sectionViewportPosition(row - 1))),
            QSize(numbers->width(), numbers->sectionSize(row - 1)));
        EXPECT_EQ(rect, expected) << "row " << row;
        ++found;
    }
    EXPECT_EQ(found, 3);
}

TEST_F(EditorTest, EveryRowCommandHasItsKeyCaptionAndHintInEachLanguage) {
    const char* const names[] = {"MarkRow1", "MarkUp1",  "MarkDown1", "MoveUp1", "MoveDown1",
                                 "MoveTop1", "MoveEnd1", "MoveTo1",   "Sort1"};
    for (auto language :
         {i18n::Language::English, i18n::Language::French, i18n::Language::German}) {
        edit->applyLanguage(language);
        QStringList captions;
        for (const char* name : names) {
            const auto* action = edit->findChild<QAction*>(QString::fromLatin1(name));
            ASSERT_TRUE(action) << name;
            EXPECT_FALSE(action->shortcut().isEmpty()) << name;
            EXPECT_FALSE(action->statusTip().isEmpty()) << name;
            captions << action->text();
        }
        EXPECT_EQ(captions.removeDuplicates(), 0);
    }
    EXPECT_EQ(edit->findChild<QAction*>(QStringLiteral("MoveTo1"))->text(),
              QStringLiteral("Verschieben nach..."));
}
