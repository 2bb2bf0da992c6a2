#include "editor/ChannelTableModel.h"

#include "listmodel/Grid.h"

#include <algorithm>

ChannelTableModel::ChannelTableModel(const Grid& grid, const QStringList& headings, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), headings_(headings), rows_(grid.rowCount()) {
    while (headings_.size() < grid_.columnCount())
        headings_ << QString();
}

void ChannelTableModel::setGridRowCount(int rows) {
    rows = std::clamp(rows, 1, grid_.rowCount());
    if (rows == rows_)
        return;
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

void ChannelTableModel::refresh(bool numbersChanged) {
    const int rows = rowCount();
    if (rows == 0)
        return;
    emit dataChanged(index(0, 0), index(rows - 1, columnCount() - 1), {Qt::DisplayRole});
    if (numbersChanged)
        emit headerDataChanged(Qt::Vertical, 0, rows - 1);
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_ - 1;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.columnCount();
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return QString::fromLatin1(grid_.cell(index.column(), index.row() + 1));
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < headings_.size() ? headings_[section] : QVariant();
    return QString::fromLatin1(grid_.cell(0, section + 1));
}

bool ChannelTableModel::setHeaderData(int section, Qt::Orientation orientation,
                                      const QVariant& value, int role) {
    if (orientation != Qt::Horizontal || role != Qt::EditRole || section < 0 ||
        section >= headings_.size())
        return false;
    headings_[section] = value.toString();
    emit headerDataChanged(Qt::Horizontal, section, section);
    return true;
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return editable ? flags | Qt::ItemIsEditable : flags;
}
