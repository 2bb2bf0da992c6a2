// The edits of the channel table: marking rows, copy, delete, paste, row
// moves, cell values and the list arranged like a reference.
#include "editor/ListEditor.h"

#include "listmodel/CellEdits.h"
#include "listmodel/ChannelListModel.h"
#include "reorder/ListReorder.h"

namespace {

constexpr int LastColumn = ColFavourite;

bool wholeRows(const GridSelection& s) {
    return s.left == 1 && s.right == LastColumn;
}

} // namespace

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
    if (s.empty() || s.bottom > model_.viewRowCount()) {
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
    if (s.empty() || s.height() > model_.viewRowCount() || s.bottom > model_.viewRowCount())
        return RowEdit::OutsideList;
    if (!wholeRows(s))
        return RowEdit::PartOfRow;
    change(Changed::Channels,
           [&] { markedRowCount_ = model_.cutRowsToClipboard(s.top, s.height()); });
    return RowEdit::Done;
}

void ListEditor::paste(int row) {
    change(Changed::Channels, [&] {
        if (row > model_.viewRowCount()) {
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
    if (row < 1 || row > model_.viewRowCount())
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

void ListEditor::leaveTransponderCell() {
    if (!transponderCellEdited_)
        return;
    transponderCellEdited_ = false;
    refill(Changed::Channels);
}

void ListEditor::chooseCell(int column, int row, int index, const QString& text) {
    if (row < 1 || row > model_.viewRowCount())
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
