// The editor's one change path and the edits that run through it.
#include "editor/ListEditor.h"

#include "channellist/CellEdits.h"
#include "channellist/ChannelListModel.h"
#include "channellist/ListReorder.h"
#include "channellist/TextExport.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr int LastColumn = ChannelGridColumns - 1; // "Favoriten"
constexpr int ColProgramType = 11;
// Rows of the channel grid before and while a list is open (3998 channel
// rows can be seen).
constexpr int ClosedListGridRows = ChannelGridRows;
constexpr int OpenListGridRows = 3999;

bool wholeRows(const GridSelection& s) {
    return s.left == 1 && s.right == LastColumn;
}

std::string number(int value) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

} // namespace

ListEditor::ListEditor(ChannelListModel& model, EditorPrompts& prompts)
    : model_(model), prompts_(prompts), shownRows_(ClosedListGridRows) {
    selectTvView();
}

bool ListEditor::modified() const {
    return listOpen() && model_.history.modified();
}

bool ListEditor::canUndo() const {
    return model_.history.canUndo();
}

bool ListEditor::canRedo() const {
    return model_.history.canRedo();
}

int ListEditor::channelsNow() {
    return countChannels(model_.image);
}

void ListEditor::change(Changed refill, const std::function<void()>& operation, Changed report) {
    commitCellEdit();
    model_.history.begin();
    operation();
    model_.channelCount = channelsNow();
    refillGrids(refill);
    model_.history.commit();
    this->report(refill | report);
}

void ListEditor::refill(Changed what) {
    refillGrids(what);
    report(what);
}

void ListEditor::refillGrids(Changed what) {
    if (touches(what, Changed::Channels)) {
        // Rows the view no longer reaches are emptied.
        const int before = model_.viewRowCount;
        model_.fillChannelGrid(model_.channelCount);
        for (int row = model_.viewRowCount + 1; row <= before; ++row)
            for (int column = 1; column < ChannelGridColumns; ++column)
                model_.channelGrid.setCell(column, row, "");
    }
    if (touches(what, Changed::Favourites))
        model_.fillFavouriteGrid(model_.channelCount);
}

void ListEditor::report(Changed what) {
    if (numbersChanged_)
        what = what | Changed::RowNumbers;
    numbersChanged_ = false;
    if (changed)
        changed(what);
}

void ListEditor::selectTvView() {
    model_.rowToChannel.fill(0);
    model_.currentKind = 1;
    markedRowCount_ = 0;
}

ListLoadResult ListEditor::load(const QString& path, bool& favouritesRepaired) {
    commitCellEdit();
    favouritesRepaired = false;
    clearChannelGrid();
    const ListLoadResult result = loadListFileChecked(model_.image, path);
    if (result == ListLoadResult::Unreadable) {
        // Nothing was read: the open list (and its path) stay as they were.
        refill(Changed::Channels);
        return result;
    }
    favouritesRepaired = model_.repairFavourites();
    shownRows_ = OpenListGridRows;
    pasteToFavourites_ = false;
    path_ = path;
    selectTvView();
    model_.channelCount = channelsNow();
    // The repaired image is what the file means: it counts as unchanged.
    model_.history.reset();
    refill(Changed::Both);
    return result;
}

void ListEditor::close() {
    commitCellEdit();
    selectTvView();
    eraseImage(model_.image);
    clearChannelGrid();
    model_.channelCount = 0;
    model_.viewRowCount = 0;
    path_.clear();
    model_.history.reset();
    model_.fillFavouriteGrid(0);
    report(Changed::Both);
}

bool ListEditor::save(ListFileReporter& reporter) {
    if (!saveListFile(model_.image, path_, reporter))
        return false;
    model_.history.markSaved();
    refill(Changed::Both);
    return true;
}

bool ListEditor::saveAs(const QString& path, ListFileReporter& reporter) {
    const bool written = saveListFile(model_.image, path, reporter);
    if (written) {
        path_ = path;
        model_.history.markSaved();
    }
    report(Changed::Nothing);
    return written;
}

bool ListEditor::exportText(const QString& path, ListFileReporter& reporter) const {
    return ::exportText(model_.image, path, reporter);
}

bool ListEditor::repairFavourites() {
    bool repaired = false;
    change(Changed::Nothing, [&] { repaired = model_.repairFavourites(); });
    return repaired;
}

void ListEditor::setView(uint8_t kind) {
    commitCellEdit();
    model_.channelCount = channelsNow();
    model_.currentKind = kind;
    clearChannelGrid();
    refill(Changed::Both);
}

void ListEditor::clearChannelGrid() {
    numbersChanged_ = true;
    for (int row = 1; row < shownRows_; ++row)
        for (int column = 0; column < ChannelGridColumns; ++column)
            model_.channelGrid.setCell(column, row, "");
}

bool ListEditor::undo() {
    commitCellEdit();
    if (!listOpen() || !model_.history.undo())
        return false;
    model_.channelCount = channelsNow();
    refill(Changed::Both);
    return true;
}

bool ListEditor::redo() {
    commitCellEdit();
    if (!listOpen() || !model_.history.redo())
        return false;
    model_.channelCount = channelsNow();
    refill(Changed::Both);
    return true;
}

void ListEditor::markRowsUnlessMarked(int count) {
    if (markedRowCount_ == 0)
        markedRowCount_ = count;
}

void ListEditor::currentCellChanged(int column, int row, const GridSelection& s) {
    if (column != LastColumn)
        markedRowCount_ = 0;
    else if (s.empty())
        markedRowCount_ = 1;
    else
        markedRowCount_ = row > s.bottom ? row - s.top + 1 : s.bottom - row + 1;
}

bool ListEditor::copy(const GridSelection& s) {
    if (s.empty() || s.bottom > model_.viewRowCount) {
        prompts_.warnNotWholeRows();
        return false;
    }
    if (wholeRows(s)) {
        model_.copyRowsToClipboard(s.top, s.height());
        markedRowCount_ = s.height();
    } else {
        prompts_.warnNotWholeRows();
    }
    return true;
}

ListEditor::RowEdit ListEditor::remove(const GridSelection& s) {
    if (s.empty() || s.height() > model_.viewRowCount || s.bottom > model_.viewRowCount)
        return RowEdit::OutsideList;
    if (!wholeRows(s))
        return RowEdit::PartOfRow;
    change(Changed::Channels,
           [&] { markedRowCount_ = model_.cutRowsToClipboard(s.top, s.height()); });
    return RowEdit::Done;
}

void ListEditor::paste(int row) {
    change(Changed::Channels, [&] {
        if (row > model_.viewRowCount) {
            // An insertion point below the list: the channels go behind its
            // last channel, and the user is told so.
            prompts_.warnPasteBehindList();
            model_.insertBehindView(markedRowCount_, prompts_);
        } else {
            model_.insertFromClipboard(row, markedRowCount_, prompts_);
        }
    });
}

void ListEditor::moveRows(int fromRow, int toRow) {
    change(Changed::Channels, [&] { model_.moveRows(fromRow, toRow, markedRowCount_, prompts_); });
    markedRowCount_ = 0;
}

void ListEditor::typeCell(int column, int row, const QString& text) {
    if (row < 1 || row > model_.viewRowCount)
        return;
    const std::string latin1 = text.toLatin1().toStdString();
    if (!cellEditOpen_) {
        model_.history.begin();
        cellEditOpen_ = true;
    }
    model_.channelGrid.setCell(column, row, latin1);
    const int slot = model_.rowToChannel[static_cast<std::size_t>(row - 1)];
    if (writeCellText(model_.image, slot, column, latin1) == CellWrite::Transponder)
        transponderCellEdited_ = true;
}

void ListEditor::commitCellEdit() {
    if (!cellEditOpen_)
        return;
    cellEditOpen_ = false;
    model_.history.commit();
    report(Changed::Nothing);
}

void ListEditor::refillAfterTransponderEdit() {
    if (!transponderCellEdited_)
        return;
    transponderCellEdited_ = false;
    refill(Changed::Channels);
}

void ListEditor::chooseCell(int column, int row, int index, const QString& text) {
    if (row < 1 || row > model_.viewRowCount)
        return;
    model_.channelGrid.setCell(column, row, text.toLatin1().toStdString());
    change(Changed::Channels, [&] {
        applyCellChoice(model_.image, model_.rowToChannel[static_cast<std::size_t>(row - 1)],
                        column, index);
    });
}

void ListEditor::editInDialog(const std::function<void()>& dialog) {
    change(Changed::Channels, dialog);
}

void ListEditor::applyOrder(const ReferenceList& reference, bool dropUnmatched) {
    change(Changed::Both, [&] { applyReferenceOrder(model_, reference, dropUnmatched); });
    markedRowCount_ = 0;
}

// --- favourites -------------------------------------------------------------

void ListEditor::shiftFavourites(int from, int by) {
    Grid& fav = model_.favouriteGrid;
    const auto moveRow = [&fav](int to, int source) {
        for (int column = 1; column < FavouriteGridColumns; ++column)
            fav.setCell(column, to,
                        source <= FavouriteRows ? fav.cell(column, source) : std::string(" "));
        fav.setCell(0, to, number(to));
    };
    if (by > 0) {
        for (int row = FavouriteRows; row >= from + by; --row)
            moveRow(row, row - by);
    } else {
        for (int row = from; row <= FavouriteRows; ++row)
            moveRow(row, row - by);
    }
}

void ListEditor::fillFavouriteRow(int favouriteRow, int channelRow) {
    Grid& fav = model_.favouriteGrid;
    const Grid& channels = model_.channelGrid;
    fav.setCell(1, favouriteRow, channels.cell(1, channelRow));
    fav.setCell(2, favouriteRow, number(channelRow));
    fav.setCell(3, favouriteRow, channels.cell(ColProgramType, channelRow));
}

void ListEditor::dropFavourite(int favouriteRow, int channelRow) {
    // Only a channel of the list can become a favourite.
    if (!listOpen() || favouriteRow < 1 || favouriteRow > FavouriteRows || channelRow < 1 ||
        channelRow > model_.viewRowCount)
        return;
    // The favourites table keeps its rows as they were dropped.
    change(
        Changed::Nothing,
        [&] {
            if (model_.favouriteGrid.cell(1, favouriteRow) != " ")
                shiftFavourites(favouriteRow, 1);
            fillFavouriteRow(favouriteRow, channelRow);
            model_.applyFavouriteGrid(model_.channelCount);
        },
        Changed::Favourites);
    markedRowCount_ = 0;
}

void ListEditor::pasteFavourites(int favouriteRow, int channelTop) {
    const int k = markedRowCount_;
    if (!listOpen() || k == 0 || channelTop < 1)
        return;
    change(Changed::Favourites, [&] {
        shiftFavourites(favouriteRow, k);
        for (int i = 0; i < k && favouriteRow + i <= FavouriteRows; ++i)
            fillFavouriteRow(favouriteRow + i, channelTop + i);
        model_.applyFavouriteGrid(model_.channelCount);
    });
    markedRowCount_ = 0;
}

void ListEditor::deleteFavourites(int top, int bottom) {
    if (!listOpen() || top < 1 || bottom < top)
        return;
    bottom = std::min(bottom, FavouriteRows);
    change(Changed::Favourites, [&] {
        shiftFavourites(top, -(bottom - top + 1));
        model_.applyFavouriteGrid(model_.channelCount);
    });
}

void ListEditor::moveFavourite(int fromRow, int toRow) {
    if (!listOpen() || fromRow < 1 || toRow < 1 || fromRow > FavouriteRows ||
        toRow > FavouriteRows || fromRow == toRow)
        return;
    change(Changed::Favourites, [&] {
        Grid& fav = model_.favouriteGrid;
        std::string moved[FavouriteGridColumns];
        for (int column = 1; column < FavouriteGridColumns; ++column)
            moved[column] = fav.cell(column, fromRow);
        shiftFavourites(fromRow, -1);
        shiftFavourites(toRow, 1);
        for (int column = 1; column < FavouriteGridColumns; ++column)
            fav.setCell(column, toRow, moved[column]);
        model_.applyFavouriteGrid(model_.channelCount);
    });
}

int ListEditor::findNext(const QString& text, int currentRow) {
    return finder_.findNext(model_.channelGrid, findColumn_, shownRows_,
                            text.toLatin1().toStdString(), currentRow);
}
