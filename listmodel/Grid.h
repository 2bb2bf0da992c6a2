#pragma once

#include <string>
#include <string_view>
#include <vector>

// A plain table of Latin-1 text cells, addressed by column and row (row 0 is
// the heading row). The channel and favourites grids of the editor are kept
// here; the editor's views show them through a table model. Cells outside the
// table read as empty and ignore writes.
class Grid {
public:
    Grid(int columns, int rows);

    int columnCount() const { return columns_; }
    int rowCount() const { return rows_; }

    const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string_view text);
    void clear();

private:
    bool contains(int column, int row) const {
        return column >= 0 && column < columns_ && row >= 0 && row < rows_;
    }

    int columns_;
    int rows_;
    std::vector<std::string> cells_;
};
