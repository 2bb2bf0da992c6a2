// In-place editing of the channel table: typed values go into the image on
// every change, four columns offer a choice list over the cell, columns 13
// and 14 open the transponder dialog and the favourites window.
#include "editor/ChannelTableModel.h"
#include "editor/EditForm.h"
#include "editor/EditTransponder.h"
#include "listmodel/CellEdits.h"
#include "listmodel/ChannelListModel.h"
#include "ui/UserDialogs.h"

#include <QComboBox>
#include <QKeyEvent>

namespace {

bool isChoiceColumn(int column) {
    return column == ColSatName || column == ColPolarisation || column == ColProgramType ||
           column == ColCrypted;
}

bool isTransponderColumn(int column) {
    return column == ColFrequency || column == ColSymbolRate || column == ColTransponder;
}

} // namespace

void TEditForm::buildCellEditing() {
    table_->editable = true;
    cellChoiceList = new QComboBox(StringGrid1->viewport());
    cellChoiceList->setObjectName(QStringLiteral("cellChoiceList"));
    cellChoiceList->hide();
    cellChoiceList->installEventFilter(this);
    connect(cellChoiceList, &QComboBox::activated, this, &TEditForm::cellChoiceListChosen);
    StringGrid1->installEventFilter(this);
    connect(StringGrid1, &GridView::cellTextEdited, this, &TEditForm::cellTextEdited);
    connect(StringGrid1, &GridView::editorClosed, this, [this] {
        commitCellEdit();
        refreshAfterTransponderEdit();
    });
    connect(StringGrid1, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        StringGrid1DblClick(index.column(), index.row() + 1);
    });
    // A click or a new current cell: editing only in the favourites column.
    const auto entered = [this](int column) {
        if (column == ColNumber)
            return;
        if (column != ColFavourite)
            cellChoiceList->hide();
        setCellEditing(column == ColFavourite);
    };
    connect(StringGrid1, &GridView::pressed, this,
            [entered](int column, int, Qt::MouseButton) { entered(column); });
    connect(StringGrid1, &GridView::currentCellChanged, this,
            [entered](int column, int) { entered(column); });
}

void TEditForm::setCellEditing(bool on) {
    StringGrid1->setEditTriggers(on ? QAbstractItemView::AnyKeyPressed |
                                          QAbstractItemView::EditKeyPressed
                                    : QAbstractItemView::NoEditTriggers);
}

void TEditForm::commitCellEdit() {
    if (!cellEditOpen_)
        return;
    cellEditOpen_ = false;
    endChange();
}

void TEditForm::cellTextEdited(int column, int row, const QString& text) {
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
        transponderCellEdited = true;
}

void TEditForm::refreshAfterTransponderEdit() {
    if (!transponderCellEdited || !isTransponderColumn(StringGrid1->currentGridColumn()))
        return;
    transponderCellEdited = false;
    refillChannels(model_.channelCount);
}

void TEditForm::StringGrid1DblClick(int column, int row) {
    if (row > model_.viewRowCount) {
        setCellEditing(false);
        return;
    }
    setCellEditing(column != ColNumber && column != ColSatName && column != ColTransponder);
    if (isChoiceColumn(column)) {
        showChoiceList(column, row);
        return;
    }
    cellChoiceList->hide();
    if (column == ColTransponder) {
        Transponderbearbeiten1Click();
    } else if (column == ColFavourite) {
        FavoritenBearbeiten1Click();
    } else if (column != ColNumber) {
        StringGrid1->edit(table_->index(row - 1, column));
    }
}

void TEditForm::StringGrid1Enter() {
    const int column = StringGrid1->currentGridColumn();
    const int row = StringGrid1->currentGridRow();
    if (isChoiceColumn(column))
        StringGrid1DblClick(column, row);
    if (column == ColTransponder) {
        Transponderbearbeiten1Click();
        return;
    }
    const bool on = column != ColNumber && column != ColSatName;
    setCellEditing(on);
    if (on && !isChoiceColumn(column) && row >= 1 && row <= model_.viewRowCount)
        StringGrid1->edit(StringGrid1->currentIndex());
}

void TEditForm::showChoiceList(int column, int row) {
    cellChoiceList->clear();
    for (const std::string& entry : cellChoices(model_.image, column))
        cellChoiceList->addItem(QString::fromLatin1(entry));
    const QRect cell = StringGrid1->visualRect(table_->index(row - 1, column));
    cellChoiceList->setGeometry(cell.left() + 1, cell.top(), cell.width(), cell.height() + 1);
    cellChoiceList->setCurrentIndex(
        cellChoiceList->findText(QString::fromLatin1(model_.channelGrid.cell(column, row))));
    cellChoiceList->show();
    cellChoiceList->setFocus();
}

void TEditForm::cellChoiceListChosen(int index) {
    if (!cellChoiceList->isVisible() || index < 0)
        return;
    const int column = StringGrid1->currentGridColumn();
    const int row = StringGrid1->currentGridRow();
    if (row < 1 || row > model_.viewRowCount || !isChoiceColumn(column))
        return;
    model_.channelGrid.setCell(column, row,
                               cellChoiceList->itemText(index).toLatin1().toStdString());
    beginChange();
    applyCellChoice(model_.image, model_.rowToChannel[static_cast<std::size_t>(row - 1)], column,
                    index);
    endChange();
    cellChoiceList->hide();
    clearChannelTable();
    model_.fillChannelGrid(model_.channelCount);
    refreshTables();
}

bool TEditForm::choiceListKey(int key) {
    if (key != Qt::Key_Right && key != Qt::Key_Left && key != Qt::Key_PageUp &&
        key != Qt::Key_PageDown)
        return false;
    cellChoiceList->hide();
    StringGrid1->setFocus();
    const int column = StringGrid1->currentGridColumn();
    const int row = StringGrid1->currentGridRow();
    if (key == Qt::Key_Right && column < ColFavourite)
        StringGrid1->setCurrentCell(column + 1, row);
    else if (key == Qt::Key_Left && column > ColName)
        StringGrid1->setCurrentCell(column - 1, row);
    else if (key == Qt::Key_PageUp && row > 1)
        StringGrid1->setCurrentCell(column, row - 1);
    else if (key == Qt::Key_PageDown && row < model_.viewRowCount - 1)
        StringGrid1->setCurrentCell(column, row + 1);
    return true;
}

bool TEditForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == cellChoiceList)
            return choiceListKey(key);
        if (watched == StringGrid1) {
            const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
            if (enter || key == Qt::Key_Up || key == Qt::Key_Down)
                refreshAfterTransponderEdit();
            if (enter && !StringGrid1->editing()) {
                StringGrid1Enter();
                return true;
            }
        }
    } else if (event->type() == QEvent::FocusIn && watched == StringGrid1) {
        cellChoiceList->hide();
    }
    return LanguageWindow::eventFilter(watched, event);
}

void TEditForm::setTransponderDialog(TEditTransponder* dialog) {
    transponderDialog_ = dialog;
}

void TEditForm::Transponderbearbeiten1Click() {
    if (!listOpen()) {
        plainMessage(dialogs_, this, i18n::text(i18n::Msg::LoadListFirst));
        openList();
        return;
    }
    if (!transponderDialog_)
        return;
    const int row = StringGrid1->currentGridRow();
    const int slot = row >= 1 && row <= model_.viewRowCount
                         ? model_.rowToChannel[static_cast<std::size_t>(row - 1)]
                         : -1;
    // Everything the dialog writes is one undo step.
    beginChange();
    transponderDialog_->FormShow(slot, model_.channelGrid.cell(ColTransponder, row));
    dialogs_.execDialog(*transponderDialog_);
    endChange();
    refillChannels(model_.channelCount);
}
