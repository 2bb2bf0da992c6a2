// The editor's one change path, and the list as a whole: load, save,
// close, view switch, undo and redo.
#include "editor/ListEditor.h"

#include "fileio/LocalPath.h"
#include "listformat/TextExport.h"
#include "listmodel/ChannelListModel.h"
#include "listmodel/ListFileTexts.h"

namespace {

// Rows of the channel grid before and while a list is open (3998 channel
// rows can be seen).
constexpr int ClosedListGridRows = ChannelGridRows;
constexpr int OpenListGridRows = 3999;

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

void ListEditor::change(Changed refill, const std::function<void()>& operation, Changed report) {
    commitCellEdit();
    model_.history.begin();
    operation();
    model_.recount();
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
        const int before = model_.viewRowCount();
        model_.fillChannelGrid(model_.channelCount());
        for (int row = model_.viewRowCount() + 1; row <= before; ++row)
            for (int column = 1; column < ChannelGridColumns; ++column)
                model_.channelGrid.setCell(column, row, "");
    }
    if (touches(what, Changed::Favourites))
        model_.fillFavouriteGrid(model_.channelCount());
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
    clearChannelTable();
    const ListLoadResult result = loadListFileChecked(model_.image, fileio::localPath(path));
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
    model_.recount();
    // The repaired image is what the file means: it counts as unchanged.
    model_.history.reset();
    refill(Changed::Both);
    return result;
}

void ListEditor::close() {
    commitCellEdit();
    selectTvView();
    model_.clear();
    clearChannelTable();
    path_.clear();
    model_.history.reset();
    model_.fillFavouriteGrid(0);
    report(Changed::Both);
}

bool ListEditor::save(ListFileReporter& reporter) {
    if (!saveListFile(model_.image, fileio::localPath(path_), reporter))
        return false;
    model_.history.markSaved();
    refill(Changed::Both);
    return true;
}

bool ListEditor::saveAs(const QString& path, ListFileReporter& reporter) {
    const bool written = saveListFile(model_.image, fileio::localPath(path), reporter);
    if (written) {
        path_ = path;
        model_.history.markSaved();
    }
    report(Changed::Nothing);
    return written;
}

bool ListEditor::exportText(const QString& path, ListFileReporter& reporter) const {
    return ::exportText(model_.image, fileio::localPath(path), currentExportWords(), reporter);
}

void ListEditor::repairFavourites() {
    bool repaired = false;
    change(Changed::Nothing, [&] { repaired = model_.repairFavourites(); });
    if (repaired)
        prompts_.warnFavouritesRepaired();
}

void ListEditor::setView(uint8_t kind) {
    commitCellEdit();
    model_.recount();
    model_.currentKind = kind;
    clearChannelTable();
    refill(Changed::Both);
}

void ListEditor::clearChannelTable() {
    numbersChanged_ = true;
    for (int row = 1; row < shownRows_; ++row)
        for (int column = 0; column < ChannelGridColumns; ++column)
            model_.channelGrid.setCell(column, row, "");
}

void ListEditor::favouritesWindowShown(bool shown) {
    refill(shown ? Changed::Favourites : Changed::Both);
}

bool ListEditor::undo() {
    return stepHistory(&UndoHistory::undo);
}

bool ListEditor::redo() {
    return stepHistory(&UndoHistory::redo);
}

bool ListEditor::stepHistory(bool (UndoHistory::*step)()) {
    commitCellEdit();
    if (!listOpen() || !(model_.history.*step)())
        return false;
    model_.recount();
    refill(Changed::Both);
    return true;
}

int ListEditor::findNext(const QString& text, int currentRow) {
    return finder_.findNext(model_.channelGrid, findColumn_, shownRows_,
                            text.toLatin1().toStdString(), currentRow);
}
