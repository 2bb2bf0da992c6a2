#include "editor/PlainCellDelegate.h"

#include "editor/GridView.h"

#include <QLineEdit>
#include <QPainter>

void PlainCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    if (selected)
        painter->fillRect(option.rect, option.palette.highlight());
    painter->setPen(selected ? option.palette.highlightedText().color()
                             : option.palette.text().color());
    painter->drawText(option.rect.adjusted(2, 0, -2, 0),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
}

QWidget* PlainCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    auto* view = static_cast<GridView*>(this->parent());
    const int column = index.column();
    const int row = index.row() + 1;
    connect(editor, &QLineEdit::textEdited, view, [view, column, row](const QString& text) {
        emit view->cellTextEdited(column, row, text);
    });
    return editor;
}

void PlainCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    static_cast<QLineEdit*>(editor)->setText(index.data(Qt::DisplayRole).toString());
}
