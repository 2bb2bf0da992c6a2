#include "editor/NumberHeader.h"

#include "editor/GridView.h"

#include <QApplication>
#include <QMouseEvent>

namespace {
constexpr int NumberColumnWidth = 64;
} // namespace

NumberHeader::NumberHeader(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {
    setSectionResizeMode(QHeaderView::Fixed);
    setDefaultSectionSize(RowHeight);
    setMinimumSectionSize(RowHeight);
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(true);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

// Fixed: the base class would measure the texts of 200 sections after
// every refill.
QSize NumberHeader::sizeHint() const {
    return {NumberColumnWidth, RowHeight};
}

void NumberHeader::mousePressEvent(QMouseEvent* event) {
    pressPoint_ = event->position().toPoint();
    QHeaderView::mousePressEvent(event);
    emit pressed(logicalIndexAt(event->position().toPoint()) + 1, event->button());
}

void NumberHeader::mouseReleaseEvent(QMouseEvent* event) {
    // The header would put a row dragged downwards in front of the row it
    // is dropped on; the move goes to the row under the pointer instead.
    dropRow_ = logicalIndexAt(event->position().toPoint()) + 1;
    QHeaderView::mouseReleaseEvent(event);
    dropRow_ = 0;
    emit released(logicalIndexAt(event->position().toPoint()) + 1, event->button(),
                  event->globalPosition().toPoint());
}

void NumberHeader::mouseMoveEvent(QMouseEvent* event) {
    auto* grid = qobject_cast<GridView*>(parentWidget());
    if (grid && grid->dragRows && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - pressPoint_).manhattanLength() >=
            QApplication::startDragDistance()) {
        grid->dragRowFrom(QPoint(0, pressPoint_.y()));
        // The drag took the release: end the press here, where it began, so
        // the header neither moves a section nor goes on selecting.
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(pressPoint_),
                            event->globalPosition(), Qt::LeftButton, Qt::NoButton,
                            event->modifiers());
        QHeaderView::mouseReleaseEvent(&release);
        return;
    }
    QHeaderView::mouseMoveEvent(event);
}
