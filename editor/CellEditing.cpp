#include "editor/CellEditing.h"

#include "editor/ChannelTableModel.h"
#include "editor/GridView.h"
#include "editor/ListEditor.h"
#include "listmodel/CellEdits.h"
#include "listmodel/ChannelListModel.h"

#include <QAbstractItemView>
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

CellEditing::CellEditing(GridView* grid, ChannelTableModel* table, ListEditor& editor)
    : QObject(grid), grid_(grid), table_(table), editor_(editor),
      choiceList_(new QComboBox(grid->viewport())) {
    table_->editable = true;
    choiceList_->setObjectName(QStringLiteral("cellChoiceList"));
    choiceList_->hide();
    choiceList_->installEventFilter(this);
    // Keys in the opened list go to its view, not to the box.
    choiceList_->view()->installEventFilter(this);
    connect(choiceList_, &QComboBox::activated, this, &CellEditing::chosen);
    grid_->installEventFilter(this);
    connect(
        grid_, &GridView::cellTextEdited, this,
        [this](int column, int row, const QString& text) { editor_.typeCell(column, row, text); });
    connect(grid_, &GridView::editorClosed, this, [this] {
        editor_.commitCellEdit();
        leaveTransponderCell();
    });
    connect(grid_, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { doubleClicked(index.column(), index.row() + 1); });
    // A click or a new current cell: editing only in the favourites column.
    const auto entered = [this](int column) {
        if (column == ColNumber)
            return;
        if (column != ColFavourite)
            choiceList_->hide();
        setEditing(column == ColFavourite);
    };
    connect(grid_, &GridView::pressed, this,
            [entered](int column, int, Qt::MouseButton) { entered(column); });
    connect(grid_, &GridView::currentCellChanged, this,
            [entered](int column, int) { entered(column); });
}

void CellEditing::hideChoiceList() {
    choiceList_->hide();
}

void CellEditing::setEditing(bool on) {
    grid_->setEditTriggers(on ? QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed
                              : QAbstractItemView::NoEditTriggers);
}

void CellEditing::leaveTransponderCell() {
    if (isTransponderColumn(grid_->currentGridColumn()))
        editor_.leaveTransponderCell();
}

void CellEditing::doubleClicked(int column, int row) {
    if (row > editor_.model().viewRowCount()) {
        setEditing(false);
        return;
    }
    setEditing(column != ColNumber && column != ColSatName && column != ColTransponder);
    if (isChoiceColumn(column)) {
        showChoiceList(column, row);
        return;
    }
    choiceList_->hide();
    if (column == ColTransponder) {
        editTransponder();
    } else if (column == ColFavourite) {
        showFavourites();
    } else if (column != ColNumber) {
        grid_->edit(table_->index(row - 1, column));
    }
}

void CellEditing::enter() {
    const int column = grid_->currentGridColumn();
    const int row = grid_->currentGridRow();
    if (isChoiceColumn(column))
        doubleClicked(column, row);
    if (column == ColTransponder) {
        editTransponder();
        return;
    }
    const bool on = column != ColNumber && column != ColSatName;
    setEditing(on);
    if (on && !isChoiceColumn(column) && row >= 1 && row <= editor_.model().viewRowCount())
        grid_->edit(grid_->currentIndex());
}

void CellEditing::showChoiceList(int column, int row) {
    choiceList_->clear();
    for (const std::string& entry : cellChoices(editor_.model().image, column))
        choiceList_->addItem(QString::fromLatin1(entry));
    const QRect cell = grid_->visualRect(table_->index(row - 1, column));
    choiceList_->setGeometry(cell.left() + 1, cell.top(), cell.width(), cell.height() + 1);
    choiceList_->setCurrentIndex(
        choiceList_->findText(QString::fromLatin1(editor_.model().channelGrid.cell(column, row))));
    choiceList_->show();
    choiceList_->setFocus();
}

void CellEditing::chosen(int index) {
    if (!choiceList_->isVisible() || index < 0)
        return;
    const int column = grid_->currentGridColumn();
    const int row = grid_->currentGridRow();
    if (row < 1 || row > editor_.model().viewRowCount() || !isChoiceColumn(column))
        return;
    editor_.chooseCell(column, row, index, choiceList_->itemText(index));
    choiceList_->hide();
}

bool CellEditing::choiceListKey(int key) {
    if (key != Qt::Key_Right && key != Qt::Key_Left && key != Qt::Key_PageUp &&
        key != Qt::Key_PageDown)
        return false;
    choiceList_->hidePopup();
    choiceList_->hide();
    grid_->setFocus();
    const int column = grid_->currentGridColumn();
    const int row = grid_->currentGridRow();
    if (key == Qt::Key_Right && column < ColFavourite)
        grid_->setCurrentCell(column + 1, row);
    else if (key == Qt::Key_Left && column > ColName)
        grid_->setCurrentCell(column - 1, row);
    else if (key == Qt::Key_PageUp && row > 1)
        grid_->setCurrentCell(column, row - 1);
    else if (key == Qt::Key_PageDown && row < editor_.model().viewRowCount() - 1)
        grid_->setCurrentCell(column, row + 1);
    return true;
}

bool CellEditing::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == choiceList_ || watched == choiceList_->view())
            return choiceListKey(key);
        if (watched == grid_) {
            const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
            if (enter || key == Qt::Key_Up || key == Qt::Key_Down)
                leaveTransponderCell();
            if (enter && !grid_->editing()) {
                this->enter();
                return true;
            }
        }
    } else if (event->type() == QEvent::FocusIn && watched == grid_) {
        choiceList_->hide();
    }
    return QObject::eventFilter(watched, event);
}
