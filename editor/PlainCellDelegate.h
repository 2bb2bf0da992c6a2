#pragma once

#include <QStyledItemDelegate>

// Cells are plain one-line texts: drawn straight with the painter, which is
// several times quicker than the styled item path with its text layouts.
// In-place editing reports every change of the text at once (GridView's
// cellTextEdited); the grid itself is written by whoever handles the report.
class PlainCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}
};
