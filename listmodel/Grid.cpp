#include "listmodel/Grid.h"

#include <cstddef>

Grid::Grid(int columns, int rows)
    : columns_(columns > 0 ? columns : 0), rows_(rows > 0 ? rows : 0),
      cells_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_)) {}

const std::string& Grid::cell(int column, int row) const {
    static const std::string empty;
    if (!contains(column, row))
        return empty;
    return cells_[static_cast<std::size_t>(row) * columns_ + column];
}

void Grid::setCell(int column, int row, std::string_view text) {
    if (!contains(column, row))
        return;
    cells_[static_cast<std::size_t>(row) * columns_ + column].assign(text);
}

void Grid::clear() {
    for (std::string& c : cells_)
        c.clear();
}
