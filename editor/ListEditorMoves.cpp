// Moving the marked rows by keyboard and sorting them: each one row move or
// one sort of the list operations, as one undo step.
#include "editor/ListEditor.h"

#include "listmodel/ChannelListModel.h"

#include <algorithm>

int ListEditor::moveMarked(int firstRow, MoveStep step) {
    switch (step) {
    case MoveStep::Up:
        return moveMarkedTo(firstRow, firstRow - 1);
    case MoveStep::Down:
        // Behind the first channel of the view that follows the block.
        return moveMarkedTo(firstRow, firstRow + rowsOfBlock(firstRow));
    case MoveStep::Top:
        return moveMarkedTo(firstRow, 1);
    case MoveStep::End:
        return moveMarkedTo(firstRow, model_.viewRowCount());
    }
    return 0;
}

int ListEditor::moveMarkedInFrontOf(int firstRow, int row) {
    // Downwards the row move puts the block behind its target row.
    return moveMarkedTo(firstRow, row > firstRow ? row - 1 : row);
}

int ListEditor::moveMarkedTo(int fromRow, int toRow) {
    if (!listOpen() || markedRowCount_ <= 0 || fromRow < 1 || toRow < 1)
        return 0;
    int slot = -1;
    change(Changed::Channels,
           [&] { slot = model_.moveRows(fromRow, toRow, markedRowCount_, prompts_); });
    return slot < 0 ? 0 : rowAtSlot(slot);
}

int ListEditor::rowsOfBlock(int fromRow) const {
    const int rows = model_.viewRowCount();
    if (fromRow < 1 || fromRow > rows)
        return markedRowCount_;
    const int end = model_.rowToChannel[static_cast<std::size_t>(fromRow - 1)] + markedRowCount_;
    int row = fromRow;
    while (row <= rows && model_.rowToChannel[static_cast<std::size_t>(row - 1)] < end)
        ++row;
    return row - fromRow;
}

int ListEditor::rowAtSlot(int slot) const {
    const auto first = model_.rowToChannel.begin();
    const auto last = first + model_.viewRowCount();
    return static_cast<int>(std::lower_bound(first, last, slot) - first) + 1;
}

void ListEditor::sortRows(int firstRow, ChannelSortKey key, bool descending) {
    if (!listOpen())
        return;
    const bool marked = markedRowCount_ > 0 && firstRow >= 1;
    const int first = marked ? firstRow : 1;
    const int last = marked ? firstRow + markedRowCount_ - 1 : model_.viewRowCount();
    change(Changed::Both, [&] { sortViewRows(model_, first, last, key, descending); });
}
