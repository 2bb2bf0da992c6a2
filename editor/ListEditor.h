#pragma once

#include "editor/GridSelection.h"
#include "listformat/ListFile.h"
#include "listformat/ListFileReporter.h"
#include "listmodel/GridFind.h"
#include "listmodel/ListEditorPrompts.h"
#include "reorder/ListSort.h"

#include <QString>
#include <cstdint>
#include <functional>

class ChannelListModel;
class UndoHistory;
struct ReferenceList;

// What an edit changed, so the windows repaint just that.
// RowNumbers: the number cells were emptied or written anew.
enum class Changed : unsigned {
    Nothing = 0,
    Channels = 1,
    Favourites = 2,
    Both = 3,
    RowNumbers = 4
};
constexpr Changed operator|(Changed a, Changed b) {
    return static_cast<Changed>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool touches(Changed what, Changed part) {
    return (static_cast<unsigned>(what) & static_cast<unsigned>(part)) != 0;
}

// The editor's warnings beyond those of the list operations.
class EditorPrompts : public ListEditorPrompts {
public:
    // TWarnung3: Copy or Cut of part of a row, or of rows below the list.
    virtual void warnNotWholeRows() = 0;
    // TWarnung4: a paste whose row lies below the list goes behind its end.
    virtual void warnPasteBehindList() = 0;
    // The favourite numbers were mended before a save.
    virtual void warnFavouritesRepaired() = 0;
};

// The editor without its windows: the open list, its view, the marked rows
// and the find state, and every edit of the list. An edit runs through
// change(): it ends an open cell edit, takes the undo snapshot, runs, recounts
// the channels, refills the grids it touched, and reports once what changed
// through `changed`; the windows repaint on that report and nothing else.
// New edit commands belong here, written as one change() each.
class ListEditor {
public:
    ListEditor(ChannelListModel& model, EditorPrompts& prompts);

    // Told after every edit, undo, redo, load, save and view switch.
    std::function<void(Changed)> changed;

    const ChannelListModel& model() const { return model_; }
    bool listOpen() const { return !path_.isEmpty(); }
    const QString& path() const { return path_; }
    bool modified() const;
    bool canUndo() const;
    bool canRedo() const;
    // Rows of the channel grid shown, the heading row included.
    int shownRows() const { return shownRows_; }
    int markedRowCount() const { return markedRowCount_; }
    bool pasteToFavourites() const { return pasteToFavourites_; }
    int findColumn() const { return findColumn_; }

    // --- the list ----------------------------------------------------------
    // Reads a list file and shows its TV view; an unreadable file leaves the
    // open list as it was. favouritesRepaired tells whether the load mended
    // the favourite numbers.
    ListLoadResult load(const QString& path, bool& favouritesRepaired);
    void close();
    // Writes the list to its file, or (saveAs) to path, which then becomes
    // the list's file when it is a list file.
    bool save(ListFileReporter& reporter);
    bool saveAs(const QString& path, ListFileReporter& reporter);
    bool exportText(const QString& path, ListFileReporter& reporter) const;
    // Mends the favourite numbers as one undo step, and warns when it
    // changed any.
    void repairFavourites();
    void setView(uint8_t kind);
    // The favourites window was shown, or hidden or closed: the favourites
    // table is filled for it, and on hiding the channel table shows the
    // favourite numbers.
    void favouritesWindowShown(bool shown);
    bool undo();
    bool redo();

    // --- marking rows -----------------------------------------------------------
    void markRows(int count) { markedRowCount_ = count; }
    // Keeps the marked count when something is marked already.
    void markRowsUnlessMarked(int count);
    // A new current cell in the channel table.
    void currentCellChanged(int column, int row, const GridSelection& selection);
    void setPasteToFavourites(bool on) { pasteToFavourites_ = on; }

    // --- edits of the channel table ----------------------------------------------
    // Copy: false (and Warnung3) when the selection does not lie inside the
    // list; part of a row only warns.
    bool copy(const GridSelection& selection);
    // Delete: whole rows inside the list go to the clipboard; part of a row
    // inside the list changes nothing.
    enum class RowEdit { OutsideList, PartOfRow, Done };
    RowEdit remove(const GridSelection& selection);
    void paste(int currentRow);
    void moveRows(int fromRow, int toRow);
    void typeCell(int column, int row, const QString& text);
    // Ends the undo step of an in-place edit.
    void commitCellEdit();
    // The cursor leaves a frequency or symbol-rate cell: after a typed value
    // changed transponder data the table is refilled (it showed old values).
    void leaveTransponderCell();
    void chooseCell(int column, int row, int index, const QString& text);
    // Runs a dialog that writes into the image as one undo step.
    void editInDialog(const std::function<void()>& dialog);
    void applyOrder(const ReferenceList& reference, bool dropUnmatched);

    // --- moving and sorting the marked rows ---------------------------------------
    // The marked rows start at firstRow (the selection's top) and count
    // markedRowCount, as a row move by dragging counts them. Each move is the
    // list operations' row move (moveRows) with that count, one undo step,
    // with its warnings; the marked count stays, so the user can move on.
    // Each returns the row where the moved rows start now, 0 when nothing
    // moved (nothing marked, a warning, a target inside the marked rows).
    enum class MoveStep { Up, Down, Top, End };
    int moveMarked(int firstRow, MoveStep step);
    // In front of the channel shown in row `row`; the row behind the last
    // channel means the end, a row further down is a move out of the list.
    int moveMarkedInFrontOf(int firstRow, int row);
    // Sorts the marked rows, or the whole view when none are marked, as one
    // undo step.
    void sortRows(int firstRow, ChannelSortKey key, bool descending);

    // --- the favourites table ---------------------------------------------------
    void dropFavourite(int favouriteRow, int channelRow);
    void pasteFavourites(int favouriteRow, int channelTop);
    void deleteFavourites(int top, int bottom);
    void moveFavourite(int fromRow, int toRow);

    // --- find ---------------------------------------------------------------------
    void setFindColumn(int column) { findColumn_ = column; }
    // The next row below the last hit whose find column matches, or 0.
    int findNext(const QString& text, int currentRow);

private:
    void change(Changed refill, const std::function<void()>& operation,
                Changed report = Changed::Nothing);
    // Refills and reports without a change of the list.
    void refill(Changed what);
    void refillGrids(Changed what);
    // Empties every cell of the channel grid's shown rows.
    void clearChannelTable();
    void report(Changed what);
    bool stepHistory(bool (UndoHistory::*step)());
    void selectTvView();
    // Moves the favourites rows from `from` on by `by` rows (down when
    // positive; rows pushed past the last are lost, rows pulled up from
    // beyond it are empty) and numbers them again.
    void shiftFavourites(int from, int by);
    void fillFavouriteRow(int favouriteRow, int channelRow);
    void applyFavourites(bool refill);
    int moveMarkedTo(int fromRow, int toRow);
    // Rows of the current view whose channels lie in the slots a block of
    // markedRowCount slots from the channel of fromRow takes.
    int rowsOfBlock(int fromRow) const;
    // The first row of the view at or behind a slot.
    int rowAtSlot(int slot) const;

    ChannelListModel& model_;
    EditorPrompts& prompts_;
    QString path_;
    int shownRows_;
    int markedRowCount_ = 0;
    bool pasteToFavourites_ = false;
    bool transponderCellEdited_ = false;
    bool cellEditOpen_ = false;
    bool numbersChanged_ = false;
    int findColumn_ = 1;
    GridFinder finder_;
};
