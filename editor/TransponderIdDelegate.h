#pragma once

#include <QStyledItemDelegate>
#include <functional>

// The transponder dialog's id list: free transponders in silver, the text
// one pixel in.
class TransponderIdDelegate : public QStyledItemDelegate {
public:
    TransponderIdDelegate(std::function<bool(int)> isFree, QObject* parent)
        : QStyledItemDelegate(parent), isFree_(std::move(isFree)) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    std::function<bool(int)> isFree_;
};
