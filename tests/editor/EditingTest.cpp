#include "tests/editor/EditorFixture.h"

#include "editor/ChannelTableModel.h"

#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace listtest;
using Ids = std::vector<int>;

TEST_F(EditorTest, OpeningShowsTheTvViewAndTheSwitchRefillsBothTables) {
    auto list = tvThenRadio(3, 2);
    list[0].favouriteNumber = 1; // TV 1
    list[4].favouriteNumber = 1; // radio 102
    const QString path = writeList(list);
    edit->showRadio();
    open(path);

    EXPECT_EQ(model->currentKind, 1);
    EXPECT_TRUE(edit->controls().RadioButtonTV->isChecked());
    EXPECT_TRUE(edit->controls().AnsichtTV->isChecked());
    EXPECT_EQ(edit->controls().StringGrid1->model()->rowCount(), 3998);
    EXPECT_EQ(model->viewRowCount(), 3);
    EXPECT_EQ(edit->statusText(), path);
    EXPECT_EQ(edit->controls().ComboBox1->currentIndex(), 0);
    EXPECT_TRUE(edit->controls().ComboBox1->itemText(8).endsWith(QStringLiteral("(OUI 9)")));
    EXPECT_EQ(model->favouriteGrid.cell(1, 1), "Ch1");
    EXPECT_EQ(edit->controls().StringGrid1->model()->data(
                  edit->controls().StringGrid1->model()->index(0, 1)),
              QStringLiteral("Ch1"));

    edit->showRadio();
    EXPECT_TRUE(edit->controls().RadioButtonRadio->isChecked());
    EXPECT_EQ(model->viewRowCount(), 2);
    EXPECT_EQ(cell(1, 1), "Ch101");
    EXPECT_EQ(cell(1, 3), ""); // no TV row left below the radio list
    EXPECT_EQ(model->favouriteGrid.cell(1, 1), "Ch102");
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST_F(EditorTest, ClickOnANumberCellMarksTheRowAndCopyPasteInsertsADuplicate) {
    open(writeList(tvThenRadio(3)));
    QHeaderView* numbers = edit->controls().StringGrid1->verticalHeader();
    const QPoint row2(10, numbers->sectionViewportPosition(1) + 5);
    QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {}, row2);
    EXPECT_EQ(edit->editor().markedRowCount(), 1);
    const GridSelection s = edit->controls().StringGrid1->selectionRect();
    EXPECT_EQ(s.top, 2);
    EXPECT_EQ(s.bottom, 2);
    EXPECT_EQ(s.left, 1);
    EXPECT_EQ(s.right, 14);

    edit->Copy1Click();
    edit->Paste1Click();
    EXPECT_EQ(ids(), (Ids{1, 2, 2, 3}));
    EXPECT_EQ(model->viewRowCount(), 4);
    EXPECT_EQ(edit->statusText(), edit->editor().path() + " *");
}

TEST_F(EditorTest, CutOfTheLastRowsLeavesNoStaleRows) {
    open(writeList(interleaved(5)));
    selectRows(4, 5);
    edit->Cut1Click();
    EXPECT_EQ(ids(), (Ids{1, 101, 2, 102, 3, 103, 104, 105}));
    EXPECT_EQ(model->viewRowCount(), 3);
    EXPECT_EQ(model->channelCount(), 8);
    EXPECT_EQ(cell(1, 4), "");
    EXPECT_EQ(cell(1, 5), "");
    EXPECT_EQ(edit->editor().markedRowCount(), 2);
    // Paste at row 1 brings them back in front of it.
    edit->controls().StringGrid1->setCurrentCell(14, 1);
    edit->editor().markRows(2);
    edit->Paste1Click();
    EXPECT_EQ(ids(), (Ids{4, 5, 1, 101, 2, 102, 3, 103, 104, 105}));
}

TEST_F(EditorTest, CommandsWithoutAListRefuse) {
    const std::vector<void (TEditForm::*)()> commands = {
        &TEditForm::Paste1Click, &TEditForm::Cut1Click, &TEditForm::FavoritenBearbeiten1Click};
    for (auto command : commands) {
        dialogs.clear();
        (edit.get()->*command)();
        EXPECT_EQ(dialogs.messageTexts().value(0), QString::fromUtf8("Keine Liste geöffnet!"));
    }
    dialogs.clear();
    edit->deleteRows(true);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{QString::fromUtf8("Keine Liste geöffnet!")});
}

TEST_F(EditorTest, PasteBeyondTheCapacityShowsTheMessageAndInsertsNothing) {
    open(writeList(tvThenRadio(3999)));
    selectRows(1, 2);
    edit->Copy1Click();
    edit->controls().StringGrid1->setCurrentCell(14, 1);
    edit->editor().markRows(2);
    edit->Paste1Click();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList{QString::fromUtf8(
                  "Sie können max. noch 1 Kanäle einfügen. Wählen Sie erneut aus.")});
    EXPECT_EQ(model->channelCount(), 3999);
    EXPECT_FALSE(model->history.canUndo());

    edit->editor().markRows(1);
    edit->Paste1Click();
    EXPECT_EQ(model->channelCount(), 4000);
}

TEST_F(EditorTest, RowMovesAndTheirWarnings) {
    struct Case {
        int from, to, marked;
        QStringList warnings;
        Ids order;
    } cases[] = {
        {6, 2, 1, {"Warnung1"}, {1, 2, 3, 4, 5}}, // from below the list upwards
        {2, 7, 1, {"Warnung2"}, {1, 2, 3, 4, 5}}, // down below the list
        {2, 5, 1, {}, {1, 3, 4, 5, 2}},           // onto the last channel
        {5, 2, 1, {}, {1, 5, 2, 3, 4}},           {4, 1, 2, {}, {4, 5, 1, 2, 3}},
        {5, 2, 0, {}, {1, 2, 3, 4, 5}}, // nothing marked: nothing moves
    };
    const QString path = writeList(tvThenRadio(5));
    for (const Case& c : cases) {
        dialogs.choiceAnswers = {1}; // discard the last case's move
        open(path);
        dialogs.choiceAnswers.clear();
        dialogs.clear();
        edit->editor().markRows(c.marked);
        edit->StringGrid1RowMoved(c.from, c.to);
        EXPECT_EQ(dialogs.dialogNames(), c.warnings) << c.from << "->" << c.to;
        EXPECT_EQ(ids(), c.order) << c.from << "->" << c.to;
        EXPECT_EQ(edit->editor().markedRowCount(), 0);
    }
}

TEST_F(EditorTest, DraggingANumberCellMovesTheRow) {
    open(writeList(tvThenRadio(5)));
    edit->editor().markRows(1);
    edit->controls().StringGrid1->verticalHeader()->moveSection(4, 1);
    EXPECT_EQ(ids(), (Ids{1, 5, 2, 3, 4}));
    EXPECT_EQ(edit->controls().StringGrid1->verticalHeader()->visualIndex(4),
              4); // header back in order
}

TEST_F(EditorTest, PasteBelowTheListGoesBehindItsLastChannelAfterWarnung4) {
    open(writeList(interleaved(3)));
    selectRows(1, 1);
    edit->Copy1Click();
    edit->controls().StringGrid1->setCurrentCell(14, 10);
    edit->editor().markRows(1);
    edit->Paste1Click();
    EXPECT_EQ(dialogs.dialogNames(), QStringList{"Warnung4"});
    EXPECT_EQ(ids(), (Ids{1, 101, 2, 102, 3, 1, 103}));
}

TEST_F(EditorTest, CopyOfPartOfARowShowsWarnung3) {
    open(writeList(tvThenRadio(3)));
    edit->controls().StringGrid1->setSelectionRect({2, 1, 5, 2});
    edit->Cut1Click();
    EXPECT_EQ(dialogs.dialogNames(), QStringList{"Warnung3"});
    EXPECT_EQ(ids(), (Ids{1, 2, 3}));
}

TEST_F(EditorTest, AChannelDroppedOnAnOccupiedFavouriteRowPushesTheOthersDown) {
    auto list = tvThenRadio(4);
    list[0].favouriteNumber = 1;
    list[1].favouriteNumber = 2;
    open(writeList(list));
    edit->FavoritenBearbeiten1Click();
    ASSERT_TRUE(fav->isVisible());
    // Channel row 3 dragged onto favourites row 1.
    auto* mime = new QMimeData;
    mime->setData(ChannelTableModel::RowMimeType, "3");
    const QPoint row1(20, fav->StringGrid2->rowViewportPosition(0) + 5);
    QDragEnterEvent enter(row1, Qt::CopyAction, mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(fav->StringGrid2->viewport(), &enter);
    QDropEvent drop(row1, Qt::CopyAction, mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(fav->StringGrid2->viewport(), &drop);
    delete mime;
    EXPECT_EQ(model->favouriteGrid.cell(1, 1), "Ch3");
    EXPECT_EQ(model->favouriteGrid.cell(1, 2), "Ch1");
    EXPECT_EQ(model->favouriteGrid.cell(1, 3), "Ch2");
    EXPECT_EQ(model->image.channels[2].favouriteNumber, 1);
    EXPECT_EQ(model->image.channels[0].favouriteNumber, 2);
    EXPECT_EQ(model->image.channels[1].favouriteNumber, 3);
    fav->close(); // refreshes the channel table
    EXPECT_EQ(cell(14, 3), "1");
}

// With the favourites shown, a number cell pressed and moved drags its
// channel (the drop is the test above), and the channel table keeps its order.
TEST_F(EditorTest, ANumberCellDragsItsChannelWhileTheFavouritesAreShown) {
    open(writeList(tvThenRadio(4)));
    QHeaderView* numbers = edit->controls().StringGrid1->verticalHeader();
    const QPoint press(10, numbers->sectionViewportPosition(2) + 5);
    QList<int> dragged;
    QObject::connect(edit->controls().StringGrid1, &GridView::rowDragStarted,
                     [&](int row) { dragged << row; });
    edit->FavoritenBearbeiten1Click();
    ASSERT_TRUE(fav->isVisible());
    QTest::mousePress(numbers->viewport(), Qt::LeftButton, {}, press);
    QTest::mouseMove(numbers->viewport(), press + QPoint(0, 40));
    QTest::mouseRelease(numbers->viewport(), Qt::LeftButton, {}, press + QPoint(0, 40));
    EXPECT_EQ(dragged, QList<int>{3});
    EXPECT_EQ(ids(), (Ids{1, 2, 3, 4}));
}

TEST_F(EditorTest, BackspaceOverFavouriteRows10To12RemovesThree) {
    auto list = tvThenRadio(15);
    for (int i = 0; i < 15; ++i)
        list[i].favouriteNumber = static_cast<uint16_t>(i + 1);
    open(writeList(list));
    edit->FavoritenBearbeiten1Click();
    fav->StringGrid2->setSelectionRect({1, 10, 3, 12});
    QTest::keyClick(fav->StringGrid2, Qt::Key_Backspace);
    int favourites = 0;
    for (int i = 0; i < 15; ++i)
        favourites += model->image.channels[i].favouriteNumber != 0 ? 1 : 0;
    EXPECT_EQ(favourites, 12);
    EXPECT_EQ(model->image.channels[12].favouriteNumber, 10); // Ch13 moved up
    EXPECT_EQ(model->favouriteGrid.cell(1, 13), " ");
}

TEST_F(EditorTest, FavouritePasteAndDeleteOfTheCurrentRow) {
    open(writeList(tvThenRadio(5)));
    edit->FavoritenBearbeiten1Click();
    selectRows(2, 4);
    edit->editor().markRows(3);
    fav->StringGrid2->setCurrentCell(1, 1);
    edit->editor().setPasteToFavourites(true);
    edit->Paste1Click();
    EXPECT_EQ(model->image.channels[1].favouriteNumber, 1);
    EXPECT_EQ(model->image.channels[3].favouriteNumber, 3);
    EXPECT_EQ(edit->editor().markedRowCount(), 0);

    fav->StringGrid2->setCurrentCell(1, 2);
    fav->Delete->trigger();
    EXPECT_EQ(model->image.channels[2].favouriteNumber, 0);
    EXPECT_EQ(model->image.channels[3].favouriteNumber, 2);
}

TEST_F(EditorTest, AnUnreadableFileKeepsTheOpenList) {
    const QString path = writeList(tvThenRadio(3));
    open(path);
    open(dir.filePath("missing.lst"));
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList{QString::fromUtf8("Die Datei konnte nicht gelesen werden.")});
    EXPECT_EQ(edit->statusText(), path);
    EXPECT_EQ(cell(1, 3), "Ch3");
}

TEST_F(EditorTest, RightClickBelowTheListKeepsTheSelectionAndInTheNumberColumnSelectsTheRow) {
    open(writeList(tvThenRadio(3)));
    selectRows(1, 2);
    QWidget* cells = edit->controls().StringGrid1->viewport();
    const QPoint row6(80, edit->controls().StringGrid1->rowViewportPosition(5) + 5);
    QTest::mouseClick(cells, Qt::RightButton, {}, row6);
    EXPECT_EQ(edit->controls().StringGrid1->selectionRect().bottom, 2);
    EXPECT_FALSE(edit->controls().PopupMenu1->isVisible());

    QHeaderView* numbers = edit->controls().StringGrid1->verticalHeader();
    QTest::mouseClick(numbers->viewport(), Qt::RightButton, {},
                      QPoint(10, numbers->sectionViewportPosition(5) + 5));
    EXPECT_EQ(edit->controls().StringGrid1->selectionRect().top, 6);
    EXPECT_TRUE(edit->controls().PopupMenu1->isVisible());
    edit->controls().PopupMenu1->hide();
}

TEST_F(EditorTest, OpeningWarnsOfABadChecksumAndRepairedFavouritesWithoutCountingAsAChange) {
    auto list = tvThenRadio(3);
    list[0].favouriteNumber = 2; // 2, 2: shared and a gap
    list[1].favouriteNumber = 2;
    const QString path = writeList(list);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(ChannelTableOffset + 3 * ChannelRecordBytes + 30); // name of an unused slot
    file.write("x");
    file.close();

    open(path);
    EXPECT_EQ(
        dialogs.messageTexts(),
        (QStringList{QString::fromUtf8("Ungültige Checksumme, wird beim Abspeichern korrigiert!"),
                     "Fehlerhafte Favoritenliste, wird beim Abspeichern korrigiert."}));
    EXPECT_EQ(model->image.channels[0].favouriteNumber, 0);
    EXPECT_EQ(edit->statusText(), path);
    EXPECT_TRUE(edit->Close1Click());
    EXPECT_EQ(dialogs.count(FakeDialogs::Shown::Kind::Choice), 0);
}
