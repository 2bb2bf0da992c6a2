#pragma once

#include "listformat/ChannelListImage.h"
#include "listmodel/Grid.h"
#include "listmodel/GridColumns.h"
#include "listmodel/UndoHistory.h"

#include <array>
#include <cstdint>

class ListEditorPrompts;

inline constexpr int ChannelGridColumns = ColFavourite + 1;
inline constexpr int ChannelGridRows = ChannelSlots + 1; // heading row + 4000
inline constexpr int FavouriteGridColumns = 4;
inline constexpr int FavouriteGridRows = 256;               // heading row + 255
inline constexpr int FavouriteRows = FavouriteGridRows - 1; // favourite numbers 1 to 255

// The channel-list image with the view state the editor works through: which
// kind is shown, the maps from grid rows to channel slots, the clipboard and
// the two grids (channel grid StringGrid1, favourites grid StringGrid2).
// Rows are 1-based rows of the current view. Arguments that point outside the
// view or the table are bounded: such calls change nothing they cannot
// address.
class ChannelListModel {
public:
    ChannelListModel();

    ChannelListImage image;
    // Steps back and forward through changes of the image; the editor frames
    // every change with history.begin() and history.commit().
    UndoHistory history{image};

    uint8_t currentKind = 1; // 1 TV, 0 radio
    // Channels of the list (its leading used records), as the list
    // operations keep it; rows of the current view, as the last fill left it.
    int channelCount() const { return channelCount_; }
    int viewRowCount() const { return viewRowCount_; }
    // Counts the channels of the image anew, after a load or a change made
    // outside the list operations.
    void recount();
    // Erases the image: no channels, an empty view.
    void clear();
    std::array<int, ChannelSlots> rowToChannel{};
    std::array<int, FavouriteGridRows> favRowToChannel{};
    std::array<ChannelRecord, ChannelSlots> clipboard{};
    // Records the last cut, copy or move put into the clipboard; a paste
    // takes no more than these (so it never pastes empty slots). A caller
    // that fills the clipboard itself sets it too.
    int clipboardCount = 0;

    Grid channelGrid{ChannelGridColumns, ChannelGridRows};       // StringGrid1
    Grid favouriteGrid{FavouriteGridColumns, FavouriteGridRows}; // StringGrid2

    void fillChannelGrid(int count);
    void fillFavouriteGrid(int count);

    // Each returns the number of records it took or inserted.
    int copyRowsToClipboard(int firstRow, int n);
    // Lowers channelCount and viewRowCount by the result, and empties the
    // freed rows at the bottom of the view.
    int cutRowsToClipboard(int firstRow, int n);
    // Adds the result to channelCount.
    int insertFromClipboard(int row, int n, ListEditorPrompts& prompts);
    // The same, but behind the last channel of the view (a paste whose row
    // lies below the list).
    int insertBehindView(int n, ListEditorPrompts& prompts);
    // Returns the slot where the moved block starts now, -1 when nothing
    // moved.
    int moveRows(int fromRow, int toRow, int n, ListEditorPrompts& prompts);

    void applyFavouriteGrid(int count);
    bool repairFavourites();

private:
    int channelCount_ = 0;
    int viewRowCount_ = 0;

    int insertAt(int slot, int n, ListEditorPrompts& prompts);
    bool ofCurrentKind(const ChannelRecord& c) const { return c.kind() == currentKind; }
    // The slot shown in a row of the view, or -1 for a row outside it.
    int slotOfRow(int row) const;
    // Number of leading used records (ChannelInUse from slot 0).
    int usedSlots() const;
    void blankRow(int row);
    void fillChannelRow(int row, const ChannelRecord& c);
};

// The process-wide model that the editor shows.
ChannelListModel& channelList();
