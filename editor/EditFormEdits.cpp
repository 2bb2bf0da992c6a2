// Whole-row editing in the channel table: marking rows, copy, cut, delete,
// paste and row moves; the favourites table's commands; and the transponder
// dialog. The edits are the ListEditor's; these handlers pick rows and focus.
#include "editor/CellEditing.h"
#include "editor/EditForm.h"
#include "editor/EditTransponder.h"
#include "editor/FavForm.h"
#include "editor/GridView.h"
#include "listmodel/ChannelListModel.h"
#include "ui/UserDialogs.h"

void TEditForm::Copy1Click() {
    if (!editor_.copy(controls_.StringGrid1->selectionRect()))
        controls_.StringGrid1->setCurrentCell(1, 1);
    controls_.StringGrid1->setFocus();
}

void TEditForm::Cut1Click() {
    Copy1Click();
    deleteRows(false);
}

void TEditForm::deleteRows(bool fromKey) {
    if (!prompts_.listOpenOrWarn(editor_))
        return;
    GridView* grid = controls_.StringGrid1;
    const GridSelection s = grid->selectionRect();
    const ListEditor::RowEdit done = editor_.remove(s);
    if (done == ListEditor::RowEdit::Done)
        grid->clearSelectionAt(s.top);
    else if (done == ListEditor::RowEdit::OutsideList)
        grid->setCurrentCell(1, 1);
    if (done != ListEditor::RowEdit::PartOfRow)
        grid->setFocus();
    if (fromKey)
        editor_.markRows(0);
}

void TEditForm::Paste1Click() {
    if (!prompts_.listOpenOrWarn(editor_))
        return;
    if (editor_.markedRowCount() == 0)
        return;
    if (editor_.pasteToFavourites()) {
        PasteFavButtonClick();
        return;
    }
    editor_.paste(std::max(controls_.StringGrid1->currentGridRow(), 1));
}

void TEditForm::StringGrid1RowMoved(int fromRow, int toRow) {
    const int top = controls_.StringGrid1->selectionRect().top;
    editor_.moveRows(fromRow, toRow);
    controls_.StringGrid1->clearSelectionAt(top > 0 ? top : fromRow);
}

void TEditForm::Transponderbearbeiten1Click() {
    if (!editor_.listOpen()) {
        plainMessage(dialogs_, this, i18n::text(i18n::Msg::LoadListFirst));
        openList();
        return;
    }
    if (!transponderDialog_)
        return;
    const int row = controls_.StringGrid1->currentGridRow();
    const ChannelListModel& model = editor_.model();
    const int slot = row >= 1 && row <= model.viewRowCount()
                         ? model.rowToChannel[static_cast<std::size_t>(row - 1)]
                         : -1;
    // Everything the dialog writes is one undo step.
    editor_.editInDialog([&] {
        transponderDialog_->FormShow(slot, model.channelGrid.cell(ColTransponder, row));
        dialogs_.execDialog(*transponderDialog_);
    });
}

// --- favourites ---------------------------------------------------------

void TEditForm::FavoritenBearbeiten1Click() {
    if (!prompts_.listOpenOrWarn(editor_))
        return;
    if (!favForm_)
        return;
    if (favForm_->isVisible()) {
        favForm_->hide();
        editor_.favouritesWindowShown(false);
        return;
    }
    favForm_->show();
    editor_.favouritesWindowShown(true);
    favForm_->StringGrid2->setFocus();
}

void TEditForm::StringGrid2DragDrop(int favouriteRow, int channelRow) {
    editor_.dropFavourite(favouriteRow, channelRow);
}

void TEditForm::PasteFavButtonClick() {
    if (favForm_)
        editor_.pasteFavourites(std::max(favForm_->StringGrid2->currentGridRow(), 1),
                                controls_.StringGrid1->selectionRect().top);
}

void TEditForm::DeleteFavButtonClick() {
    if (!favForm_)
        return;
    const int row = favForm_->StringGrid2->currentGridRow();
    editor_.deleteFavourites(row, row);
}

void TEditForm::favouritesBackspace(int top, int bottom) {
    editor_.deleteFavourites(top, bottom);
}

void TEditForm::StringGrid2RowMoved(int fromRow, int toRow) {
    editor_.moveFavourite(fromRow, toRow);
}

void TEditForm::StringGrid1DblClick(int column, int row) {
    cells_->doubleClicked(column, row);
}
