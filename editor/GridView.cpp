#include "editor/GridView.h"

#include "editor/ChannelTableModel.h"
#include "editor/PlainCellDelegate.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDrag>
#include <QFontMetrics>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>

#include <algorithm>

namespace {
constexpr int RowHeight = NumberHeader::RowHeight;
} // namespace

GridView::GridView(ChannelTableModel* model, const QList<int>& columnWidths, QWidget* parent)
    : QTableView(parent), model_(model), designWidths_(columnWidths),
      valueWords_(columnWidths.size()) {
    auto* numbers = new NumberHeader(this);
    setVerticalHeader(numbers);
    setModel(model);
    setItemDelegate(new PlainCellDelegate(this));
    setColumnHidden(0, true); // shown as the number column
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setFixedHeight(RowHeight + 2);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 1; column < columnWidths.size(); ++column)
        setColumnWidth(column, columnWidths[column]);

    connect(numbers, &QHeaderView::sectionMoved, this, &GridView::sectionMoved);
    connect(numbers, &NumberHeader::pressed, this,
            [this](int row, Qt::MouseButton button) { emit pressed(0, row, button); });
    connect(numbers, &NumberHeader::released, this,
            [this](int row, Qt::MouseButton button, const QPoint& global) {
                emit released(0, row, button, global);
            });
    connect(itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this] { emit editorClosed(); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    emit currentCellChanged(current.column(), current.row() + 1);
            });
    corner_ = findChild<QAbstractButton*>();
    if (corner_)
        corner_->installEventFilter(this);
    headingsChanged(0, static_cast<int>(columnWidths.size()) - 1);
    connect(model_, &QAbstractItemModel::headerDataChanged, this,
            [this](Qt::Orientation orientation, int first, int last) {
                if (orientation == Qt::Horizontal)
                    headingsChanged(first, last);
            });
}

GridSelection GridView::selectionRect() const {
    GridSelection rect;
    const QItemSelection selection = selectionModel()->selection();
    bool first = true;
    for (const QItemSelectionRange& range : selection) {
        // The hidden column 0 is selected with a whole row; the number
        // column itself is never part of a selection.
        const int left = std::max(range.left(), 1);
        if (range.right() < left)
            continue;
        if (first) {
            rect = {left, range.top() + 1, range.right(), range.bottom() + 1};
            first = false;
            continue;
        }
        rect.left = std::min(rect.left, left);
        rect.top = std::min(rect.top, range.top() + 1);
        rect.right = std::max(rect.right, range.right());
        rect.bottom = std::max(rect.bottom, range.bottom() + 1);
    }
    return rect;
}

void GridView::setSelectionRect(const GridSelection& rect) {
    if (rect.empty() || rect.top < 1 || rect.bottom > model_->rowCount()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex topLeft = model_->index(rect.top - 1, rect.left);
    const QModelIndex bottomRight = model_->index(rect.bottom - 1, rect.right);
    selectionModel()->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(topLeft, bottomRight),
                             QItemSelectionModel::ClearAndSelect);
    viewport()->update();
}

void GridView::clearSelectionAt(int row) {
    selectionModel()->clearSelection();
    if (row >= 1 && row <= model_->rowCount())
        selectionModel()->setCurrentIndex(model_->index(row - 1, 1), QItemSelectionModel::NoUpdate);
}

int GridView::currentGridRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

int GridView::currentGridColumn() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : 0;
}

void GridView::setCurrentCell(int column, int row) {
    if (row < 1 || row > model_->rowCount())
        return;
    setCurrentIndex(model_->index(row - 1, column));
}

void GridView::setRowMoving(bool on) {
    verticalHeader()->setSectionsMovable(on);
}

void GridView::setAcceptRowDrops(bool on) {
    acceptDrops_ = on;
    setAcceptDrops(on);
    viewport()->setAcceptDrops(on);
    setDropIndicatorShown(on);
}

int GridView::gridRowAt(const QPoint& viewportPoint) const {
    const int row = rowAt(viewportPoint.y());
    return row < 0 ? 0 : row + 1;
}

void GridView::sectionMoved(int, int oldVisual, int newVisual) {
    // The grid shows rows in grid order: the move goes to the handler, which
    // refills the grid, and the header is put back in order.
    auto* header = static_cast<NumberHeader*>(verticalHeader());
    const int target = header->dropRow() > 0 ? header->dropRow() : newVisual + 1;
    const bool blocked = header->blockSignals(true);
    header->moveSection(newVisual, oldVisual);
    header->blockSignals(blocked);
    emit rowMoved(oldVisual + 1, target);
}

void GridView::mousePressEvent(QMouseEvent* event) {
    pressPoint_ = event->position().toPoint();
    // Only the left button selects; a right click is handled on release.
    if (event->button() == Qt::LeftButton)
        QTableView::mousePressEvent(event);
    const QModelIndex index = indexAt(pressPoint_);
    emit pressed(index.isValid() ? index.column() : -1, index.isValid() ? index.row() + 1 : 0,
                 event->button());
}

void GridView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    emit released(index.isValid() ? index.column() : -1, index.isValid() ? index.row() + 1 : 0,
                  event->button(), event->globalPosition().toPoint());
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
    if (dragRows && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - pressPoint_).manhattanLength() >=
            QApplication::startDragDistance()) {
        dragRowFrom(pressPoint_);
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void GridView::dragRowFrom(const QPoint& pressPoint) {
    const GridSelection rect = selectionRect();
    const int row = rect.empty() ? gridRowAt(pressPoint) : rect.top;
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(ChannelTableModel::RowMimeType), QByteArray::number(row));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    emit rowDragStarted(row);
    drag->exec(Qt::CopyAction);
}

void GridView::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void GridView::dragMoveEvent(QDragMoveEvent* event) {
    if (acceptDrops_ &&
        event->mimeData()->hasFormat(QString::fromLatin1(ChannelTableModel::RowMimeType)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void GridView::dropEvent(QDropEvent* event) {
    const QString type = QString::fromLatin1(ChannelTableModel::RowMimeType);
    if (!acceptDrops_ || !event->mimeData()->hasFormat(type)) {
        event->ignore();
        return;
    }
    bool ok = false;
    const int source = event->mimeData()->data(type).toInt(&ok);
    const int target = gridRowAt(event->position().toPoint());
    event->acceptProposedAction();
    if (ok && target > 0)
        emit rowDropped(target, source);
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        qobject_cast<QAbstractButton*>(watched)) {
        paintCorner(static_cast<QWidget*>(watched));
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

// A column keeps its design width unless its heading, in bold (the heading
// of the current column is highlighted) and in the language shown, or its
// longest value word needs more. The corner reads as the number column's
// heading to assistive tools too.
void GridView::headingsChanged(int first, int last) {
    if (corner_ && first == 0)
        corner_->setAccessibleName(
            model_->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString());
    QFont bold = horizontalHeader()->font();
    bold.setBold(true);
    const QFontMetrics headingMetrics(bold);
    const QFontMetrics cellMetrics(font());
    const int margins =
        2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + 2;
    // The cell painter's insets and the grid line.
    constexpr int cellMargins = 2 + 2 + 1;
    for (int column = std::max(first, 1); column <= last && column < designWidths_.size();
         ++column) {
        const QString heading =
            model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        int width =
            std::max(designWidths_[column], headingMetrics.horizontalAdvance(heading) + margins);
        for (const QString& word : valueWords_[column])
            width = std::max(width, cellMetrics.horizontalAdvance(word) + cellMargins);
        setColumnWidth(column, width);
    }
}

void GridView::setValueWords(int column, const QStringList& words) {
    if (column < 1 || column >= valueWords_.size())
        return;
    valueWords_[column] = words;
    headingsChanged(column, column);
}

// The corner above the number column carries the heading of grid column 0.
void GridView::paintCorner(QWidget* corner) {
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.state |= QStyle::State_Enabled; // the corner takes no clicks, but reads as a heading
    option.palette.setCurrentColorGroup(QPalette::Active); // not greyed like a disabled button
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = model_->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString();
    option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    QPainter painter(corner);
    corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
}
