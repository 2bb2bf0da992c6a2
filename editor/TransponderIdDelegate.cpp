#include "editor/TransponderIdDelegate.h"

#include <QPainter>

void TransponderIdDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    if (selected)
        painter->fillRect(option.rect, option.palette.highlight());
    else
        painter->fillRect(option.rect, option.palette.base());
    const QColor ink = selected               ? option.palette.highlightedText().color()
                       : isFree_(index.row()) ? QColor(0xC0, 0xC0, 0xC0)
                                              : QColor(Qt::black);
    painter->setPen(ink);
    painter->drawText(option.rect.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                      index.data(Qt::DisplayRole).toString());
}
