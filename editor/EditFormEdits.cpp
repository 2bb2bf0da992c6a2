// Whole-row editing in the channel table: marking rows, copy, cut, delete,
// paste and row moves; and the favourites table's commands.
#include "editor/EditForm.h"
#include "editor/FavForm.h"
#include "listmodel/ChannelListModel.h"
#include "ui/UserDialogs.h"

#include <QMenu>
#include <charconv>

namespace {

constexpr int LastColumn = ChannelGridColumns - 1; // "Favoriten"

bool wholeRows(const GridSelection& s) {
    return s.left == 1 && s.right == LastColumn;
}

std::string number(int value) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

} // namespace

void TEditForm::gridPressed(int column, int row, Qt::MouseButton button) {
    pasteToFavourites = false;
    StringGrid1->dragRows = favouritesVisible() && button == Qt::LeftButton;
    if (column == 0 && row > model_.viewRowCount) {
        if (!favouritesVisible()) {
            markedRowCount = StringGrid1->selectionRect().height();
            StringGrid1->setRowMoving(false);
        }
        return;
    }
    if (button != Qt::LeftButton || favouritesVisible())
        return;
    StringGrid1->setRowMoving(true);
}

void TEditForm::gridReleased(int column, int row, Qt::MouseButton button, const QPoint& globalPos) {
    pasteToFavourites = false;
    if (row >= 1 && (column == 0 || (button == Qt::RightButton && row <= model_.viewRowCount))) {
        StringGrid1->setSelectionRect({1, row, LastColumn, row});
        if (button == Qt::RightButton)
            PopupMenu1->popup(globalPos);
        else if (button == Qt::LeftButton && markedRowCount == 0)
            markedRowCount = 1;
        return;
    }
    if (button == Qt::LeftButton && markedRowCount == 0)
        markedRowCount = StringGrid1->selectionRect().height();
}

void TEditForm::gridCurrentChanged(int column, int row) {
    if (column != LastColumn) {
        markedRowCount = 0;
        return;
    }
    const GridSelection s = StringGrid1->selectionRect();
    if (s.empty())
        markedRowCount = 1;
    else
        markedRowCount = row > s.bottom ? row - s.top + 1 : s.bottom - row + 1;
}

void TEditForm::Copy1Click() {
    const GridSelection s = StringGrid1->selectionRect();
    if (!s.empty() && s.bottom <= model_.viewRowCount) {
        if (wholeRows(s)) {
            model_.copyRowsToClipboard(s.top, s.height());
            markedRowCount = s.height();
        } else {
            showWarning(3);
        }
        StringGrid1->setFocus();
        return;
    }
    showWarning(3);
    StringGrid1->setCurrentCell(1, 1);
    StringGrid1->setFocus();
}

void TEditForm::Cut1Click() {
    Copy1Click();
    deleteRows(false);
}

void TEditForm::deleteRows(bool fromKey) {
    if (!listOpen()) {
        warnNoList();
        return;
    }
    const GridSelection s = StringGrid1->selectionRect();
    if (!s.empty() && s.height() <= model_.viewRowCount && s.bottom <= model_.viewRowCount) {
        if (wholeRows(s)) {
            beginChange();
            const int n = model_.cutRowsToClipboard(s.top, s.height());
            // The freed rows at the bottom are emptied before the refill.
            for (int row = model_.viewRowCount - n + 1; row <= model_.viewRowCount; ++row)
                for (int column = 0; column < ChannelGridColumns; ++column)
                    model_.channelGrid.setCell(column, row, "");
            model_.channelCount -= n;
            model_.viewRowCount -= n;
            model_.fillChannelGrid(model_.channelCount);
            endChange();
            refreshTables();
            StringGrid1->clearSelectionAt(s.top);
            markedRowCount = n;
            StringGrid1->setFocus();
        }
    } else {
        StringGrid1->setCurrentCell(1, 1);
        StringGrid1->setFocus();
    }
    if (fromKey)
        markedRowCount = 0;
}

void TEditForm::Paste1Click() {
    if (!listOpen()) {
        warnNoList();
        return;
    }
    if (markedRowCount == 0)
        return;
    if (pasteToFavourites) {
        PasteFavButtonClick();
        return;
    }
    const int row = std::max(StringGrid1->currentGridRow(), 1);
    beginChange();
    if (row > model_.viewRowCount) {
        // An insertion point below the list: the channels go behind its last
        // channel, and the user is told so.
        showWarning(4);
        model_.insertBehindView(markedRowCount, *this);
    } else {
        model_.insertFromClipboard(row, markedRowCount, *this);
    }
    refillChannels(model_.channelCount);
    endChange();
}

void TEditForm::StringGrid1RowMoved(int fromRow, int toRow) {
    const int n = countChannelsNow();
    const int top = StringGrid1->selectionRect().top;
    beginChange();
    model_.moveRows(fromRow, toRow, markedRowCount, *this);
    model_.fillChannelGrid(n);
    endChange();
    refreshTables();
    StringGrid1->clearSelectionAt(top > 0 ? top : fromRow);
    markedRowCount = 0;
}

// --- favourites ---------------------------------------------------------

void TEditForm::FavoritenBearbeiten1Click() {
    if (!listOpen()) {
        warnNoList();
        return;
    }
    if (!favForm_)
        return;
    if (favForm_->isVisible()) {
        favForm_->hide();
        model_.fillFavouriteGrid(countChannelsNow());
        refillChannels(countChannelsNow());
        return;
    }
    favForm_->show();
    model_.fillFavouriteGrid(countChannelsNow());
    favForm_->refresh();
    favForm_->StringGrid2->setFocus();
}

void TEditForm::fillFavouriteRow(int favouriteRow, int channelRow) {
    Grid& fav = model_.favouriteGrid;
    const Grid& channels = model_.channelGrid;
    fav.setCell(1, favouriteRow, channels.cell(1, channelRow));
    fav.setCell(2, favouriteRow, number(channelRow));
    fav.setCell(3, favouriteRow, channels.cell(11, channelRow));
}

void TEditForm::shiftFavouritesDown(int from, int by) {
    Grid& fav = model_.favouriteGrid;
    for (int row = FavouriteRows; row >= from + by; --row) {
        for (int column = 1; column < FavouriteGridColumns; ++column)
            fav.setCell(column, row, fav.cell(column, row - by));
        fav.setCell(0, row, number(row));
    }
}

void TEditForm::StringGrid2DragDrop(int favouriteRow, int channelRow) {
    // Only a channel of the list can become a favourite.
    if (!listOpen() || favouriteRow < 1 || favouriteRow > FavouriteRows || channelRow < 1 ||
        channelRow > model_.viewRowCount)
        return;
    const int n = countChannelsNow();
    beginChange();
    if (model_.favouriteGrid.cell(1, favouriteRow) != " ")
        shiftFavouritesDown(favouriteRow, 1);
    fillFavouriteRow(favouriteRow, channelRow);
    model_.applyFavouriteGrid(n);
    endChange();
    markedRowCount = 0;
    if (favForm_)
        favForm_->refresh();
}

void TEditForm::PasteFavButtonClick() {
    if (!listOpen() || !favForm_)
        return;
    const int k = markedRowCount;
    const int r = std::max(favForm_->StringGrid2->currentGridRow(), 1);
    const int s = StringGrid1->selectionRect().top;
    const int n = countChannelsNow();
    if (k == 0 || s < 1)
        return;
    beginChange();
    shiftFavouritesDown(r, k);
    for (int i = 0; i < k && r + i <= FavouriteRows; ++i)
        fillFavouriteRow(r + i, s + i);
    model_.applyFavouriteGrid(n);
    model_.fillFavouriteGrid(n);
    endChange();
    markedRowCount = 0;
    favForm_->refresh();
}

void TEditForm::DeleteFavButtonClick() {
    if (!listOpen() || !favForm_)
        return;
    const int r = favForm_->StringGrid2->currentGridRow();
    if (r < 1)
        return;
    Grid& fav = model_.favouriteGrid;
    beginChange();
    for (int row = r; row < FavouriteRows; ++row)
        for (int column = 1; column < FavouriteGridColumns; ++column)
            fav.setCell(column, row, fav.cell(column, row + 1));
    // Row 255 moved up and is empty now (kept, it would show the same
    // channel twice).
    for (int column = 1; column < FavouriteGridColumns; ++column)
        fav.setCell(column, FavouriteRows, " ");
    const int n = countChannelsNow();
    model_.applyFavouriteGrid(n);
    model_.fillFavouriteGrid(n);
    endChange();
    favForm_->refresh();
}

void TEditForm::favouritesBackspace(int top, int bottom) {
    if (!listOpen() || top < 1 || bottom < top)
        return;
    bottom = std::min(bottom, FavouriteRows);
    const int k = bottom - top + 1;
    Grid& fav = model_.favouriteGrid;
    beginChange();
    for (int row = top; row <= FavouriteRows; ++row) {
        for (int column = 1; column < FavouriteGridColumns; ++column)
            fav.setCell(column, row,
                        row + k <= FavouriteRows ? fav.cell(column, row + k) : std::string(" "));
        fav.setCell(0, row, number(row));
    }
    const int n = countChannelsNow();
    model_.applyFavouriteGrid(n);
    model_.fillFavouriteGrid(n);
    endChange();
    if (favForm_)
        favForm_->refresh();
}

void TEditForm::StringGrid2RowMoved(int fromRow, int toRow) {
    if (!listOpen() || fromRow < 1 || toRow < 1 || fromRow > FavouriteRows ||
        toRow > FavouriteRows || fromRow == toRow)
        return;
    Grid& fav = model_.favouriteGrid;
    std::string moved[FavouriteGridColumns];
    for (int column = 1; column < FavouriteGridColumns; ++column)
        moved[column] = fav.cell(column, fromRow);
    const int step = fromRow < toRow ? 1 : -1;
    for (int row = fromRow; row != toRow; row += step)
        for (int column = 1; column < FavouriteGridColumns; ++column)
            fav.setCell(column, row, fav.cell(column, row + step));
    for (int column = 1; column < FavouriteGridColumns; ++column)
        fav.setCell(column, toRow, moved[column]);
    const int n = countChannelsNow();
    beginChange();
    model_.applyFavouriteGrid(n);
    model_.fillFavouriteGrid(n);
    endChange();
    if (favForm_)
        favForm_->refresh();
}

void TEditForm::favFormClosed() {
    refillChannels(model_.channelCount);
}
