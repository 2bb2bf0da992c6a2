// The edits of the favourites table. Its rows are the favourites of the
// current kind; after every edit they are written back into the records.
#include "editor/ListEditor.h"

#include "listmodel/ChannelListModel.h"

#include <algorithm>
#include <charconv>

namespace {

std::string number(int value) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

} // namespace

void ListEditor::shiftFavourites(int from, int by) {
    Grid& fav = model_.favouriteGrid;
    const auto moveRow = [&fav](int to, int source) {
        for (int column = 1; column < FavouriteGridColumns; ++column)
            fav.setCell(column, to,
                        source <= FavouriteRows ? fav.cell(column, source) : std::string(" "));
        fav.setCell(0, to, number(to));
    };
    if (by > 0) {
        for (int row = FavouriteRows; row >= from + by; --row)
            moveRow(row, row - by);
    } else {
        for (int row = from; row <= FavouriteRows; ++row)
            moveRow(row, row - by);
    }
}

void ListEditor::fillFavouriteRow(int favouriteRow, int channelRow) {
    Grid& fav = model_.favouriteGrid;
    const Grid& channels = model_.channelGrid;
    fav.setCell(1, favouriteRow, channels.cell(ColName, channelRow));
    fav.setCell(2, favouriteRow, number(channelRow));
    fav.setCell(3, favouriteRow, channels.cell(ColProgramType, channelRow));
}

void ListEditor::dropFavourite(int favouriteRow, int channelRow) {
    // Only a channel of the list can become a favourite.
    if (!listOpen() || favouriteRow < 1 || favouriteRow > FavouriteRows || channelRow < 1 ||
        channelRow > model_.viewRowCount())
        return;
    // The favourites table keeps its rows as they were dropped.
    change(
        Changed::Nothing,
        [&] {
            if (model_.favouriteGrid.cell(1, favouriteRow) != " ")
                shiftFavourites(favouriteRow, 1);
            fillFavouriteRow(favouriteRow, channelRow);
            model_.applyFavouriteGrid(model_.channelCount());
        },
        Changed::Favourites);
    markedRowCount_ = 0;
}

void ListEditor::pasteFavourites(int favouriteRow, int channelTop) {
    const int k = markedRowCount_;
    if (!listOpen() || k == 0 || channelTop < 1)
        return;
    change(Changed::Favourites, [&] {
        shiftFavourites(favouriteRow, k);
        for (int i = 0; i < k && favouriteRow + i <= FavouriteRows; ++i)
            fillFavouriteRow(favouriteRow + i, channelTop + i);
        model_.applyFavouriteGrid(model_.channelCount());
    });
    markedRowCount_ = 0;
}

void ListEditor::deleteFavourites(int top, int bottom) {
    if (!listOpen() || top < 1 || bottom < top)
        return;
    bottom = std::min(bottom, FavouriteRows);
    change(Changed::Favourites, [&] {
        shiftFavourites(top, -(bottom - top + 1));
        model_.applyFavouriteGrid(model_.channelCount());
    });
}

void ListEditor::moveFavourite(int fromRow, int toRow) {
    if (!listOpen() || fromRow < 1 || toRow < 1 || fromRow > FavouriteRows ||
        toRow > FavouriteRows || fromRow == toRow)
        return;
    change(Changed::Favourites, [&] {
        Grid& fav = model_.favouriteGrid;
        std::string moved[FavouriteGridColumns];
        for (int column = 1; column < FavouriteGridColumns; ++column)
            moved[column] = fav.cell(column, fromRow);
        shiftFavourites(fromRow, -1);
        shiftFavourites(toRow, 1);
        for (int column = 1; column < FavouriteGridColumns; ++column)
            fav.setCell(column, toRow, moved[column]);
        model_.applyFavouriteGrid(model_.channelCount());
    });
}
