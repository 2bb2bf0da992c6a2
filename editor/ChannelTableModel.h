#pragma once

#include <QAbstractTableModel>
#include <QStringList>

class Grid;

// A string grid of the model layer (channel grid or favourites grid) as a Qt
// table: table row r shows grid row r + 1 (grid row 0 is the heading row,
// kept here as header texts), table column c is grid column c. Cells are
// converted from Latin-1 when a view asks for them; nothing is copied.
class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr const char* RowMimeType = "application/x-quelvox-channel-row";

    ChannelTableModel(const Grid& grid, const QStringList& headings, QObject* parent = nullptr);

    // Rows of the grid shown, the heading row included (4001, 3999, 256).
    void setGridRowCount(int rows);
    // The grid was refilled: every visible cell is read again, and the row
    // numbers too when they may have changed (a fill writes the same 1..4000).
    void refresh(bool numbersChanged = false);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Horizontal: the column headings; vertical: the grid's column 0 (the
    // number cells).
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Cells may be edited in place (the view decides when).
    bool editable = false;

private:
    const Grid& grid_;
    QStringList headings_;
    int rows_;
};
