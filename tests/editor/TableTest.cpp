// The channel table and its windows as a user meets them: rows dragged by
// their number cells with the mouse, keys in an open choice list, column
// widths in every language, where the favourites window opens.
#include "tests/editor/EditorFixture.h"

#include "editor/ChannelTableModel.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QToolButton>

using namespace listtest;
using Ids = std::vector<int>;

namespace {

QPoint numberCell(QHeaderView* numbers, int row) {
    return {10, numbers->sectionViewportPosition(row - 1) + numbers->sectionSize(row - 1) / 2};
}

// Press on a number cell, move in steps (as a hand does) and release on
// another.
void dragNumberCell(QHeaderView* numbers, int fromRow, int toRow) {
    QWidget* viewport = numbers->viewport();
    const QPoint from = numberCell(numbers, fromRow);
    const QPoint to = numberCell(numbers, toRow);
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(viewport, from + (to - from) * step / 4);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
}

} // namespace

TEST_F(EditorTest, ADraggedRowGoesIntoTheSlotOfTheRowItIsDroppedOn) {
    struct Case {
        int from, to;
        QStringList warnings;
        Ids order;
    } cases[] = {
        {2, 4, {}, {1, 3, 4, 2, 5}},           // down
        {4, 2, {}, {1, 4, 2, 3, 5}},           // up
        {1, 5, {}, {2, 3, 4, 5, 1}},           // onto the last channel row: last
        {2, 6, {"Warnung2"}, {1, 2, 3, 4, 5}}, // the first row below the list
    };
    const QString path = writeList(tvThenRadio(5));
    QHeaderView* numbers = edit->controls().StringGrid1->verticalHeader();
    for (const Case& c : cases) {
        dialogs.choiceAnswers = {1}; // discard the last case's move
        open(path);
        dialogs.choiceAnswers.clear();
        QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {}, numberCell(numbers, c.from));
        ASSERT_EQ(edit->editor().markedRowCount(), 1);
        dialogs.clear();
        dragNumberCell(numbers, c.from, c.to);
        EXPECT_EQ(dialogs.dialogNames(), c.warnings) << c.from << "->" << c.to;
        EXPECT_EQ(ids(), c.order) << c.from << "->" << c.to;
    }
}

TEST_F(EditorTest, KeysInAnOpenChoiceListMoveOneCell) {
    struct Case {
        Qt::Key key;
        int column, row;
    } cases[] = {
        {Qt::Key_Right, 5, 10},
        {Qt::Key_Left, 3, 10},
        {Qt::Key_PageUp, 4, 9},
        {Qt::Key_PageDown, 4, 11},
    };
    open(writeList(tvThenRadio(20)));
    GridView* grid = edit->controls().StringGrid1;
    QComboBox* choices = edit->controls().cellChoiceList;
    for (const Case& c : cases) {
        grid->setCurrentCell(4, 10); // "Pol."
        edit->StringGrid1DblClick(4, 10);
        ASSERT_TRUE(choices->isVisible());
        choices->showPopup(); // the list opened, as a click on it does
        QWidget* list = choices->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
        QTest::keyClick(list, c.key);
        EXPECT_FALSE(choices->isVisible());
        EXPECT_FALSE(list->isVisible());
        EXPECT_EQ(grid->currentGridColumn(), c.column) << c.key;
        EXPECT_EQ(grid->currentGridRow(), c.row) << c.key;
    }
}

TEST_F(EditorTest, TheFavouritesWindowOpensCentredOnTheScreen) {
    open(writeList(tvThenRadio(3)));
    edit->FavoritenBearbeiten1Click();
    ASSERT_TRUE(fav->isVisible());
    const QPoint centre = fav->screen()->availableGeometry().center();
    EXPECT_LE((fav->frameGeometry().center() - centre).manhattanLength(), 2);
}

TEST_F(EditorTest, EveryBoldHeadingAndValueWordFitsItsColumnInEveryLanguage) {
    GridView* grid = edit->controls().StringGrid1;
    QFont bold = grid->horizontalHeader()->font();
    bold.setBold(true);
    const QFontMetrics headingMetrics(bold);
    const QFontMetrics cellMetrics(grid->font());
    const int headerMargin =
        grid->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, grid->horizontalHeader());
    for (const i18n::Language language :
         {i18n::Language::English, i18n::Language::French, i18n::Language::German}) {
        i18n::applyMessages(language);
        edit->applyLanguage(language);
        for (int column = 1; column < ChannelGridColumns; ++column) {
            const QString heading =
                grid->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
            EXPECT_LE(headingMetrics.horizontalAdvance(heading) + 2 * headerMargin,
                      grid->columnWidth(column))
                << heading.toStdString();
        }
        for (const i18n::Msg word : {i18n::Msg::WordCrypted, i18n::Msg::WordFree})
            EXPECT_LE(cellMetrics.horizontalAdvance(i18n::text(word)) + 4, grid->columnWidth(12));
        for (const i18n::Msg word : {i18n::Msg::WordTv, i18n::Msg::WordRadio})
            EXPECT_LE(cellMetrics.horizontalAdvance(i18n::text(word)) + 4, grid->columnWidth(11));
        EXPECT_EQ(grid->columnWidth(1), 158); // "Programm-Name" keeps its design width
    }
}

TEST_F(EditorTest, ToolButtonsShowTheirPictureAndRunTheirMenuCommand) {
    for (const char* name : {"FileOpenButton", "SaveFileButton", "PrintButton", "FileCloseButton",
                             "CutButton", "CopyButton", "PasteButton", "FontButton"}) {
        auto* button = edit->findChild<QToolButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_FALSE(button->icon().pixmap(24, 24).isNull()) << name;
    }
    auto* close = edit->findChild<QAction*>(QStringLiteral("Close1"));
    auto* closeButton = edit->findChild<QToolButton*>(QStringLiteral("FileCloseButton"));
    close->setEnabled(false);
    EXPECT_FALSE(closeButton->isEnabled());
    close->setEnabled(true);
    open(writeList(tvThenRadio(3)));
    QTest::mouseClick(closeButton, Qt::LeftButton);
    EXPECT_TRUE(edit->editor().path().isEmpty());
    edit->showRadio();
    EXPECT_TRUE(edit->controls().RadioButtonRadio->isChecked());
    EXPECT_FALSE(edit->controls().RadioButtonTV->isChecked());
}
