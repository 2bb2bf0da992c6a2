// Cut, copy, paste and row moves on the channel table. The table holds TV and
// radio records interleaved; the view shows one kind, and these operations
// keep the records of the other kind in their order.
#include "listmodel/ChannelListModel.h"

#include "listmodel/ListEditorPrompts.h"

#include <algorithm>

int ChannelListModel::copyRowsToClipboard(int firstRow, int n) {
    const int start = slotOfRow(firstRow);
    if (start < 0 || n <= 0)
        return 0;
    const int used = usedSlots();
    int taken = 0;
    for (int slot = start; slot < used && taken < n; ++slot) {
        if (ofCurrentKind(image.channels[slot]))
            clipboard[taken++] = image.channels[slot];
    }
    clipboardCount = taken;
    return taken;
}

int ChannelListModel::cutRowsToClipboard(int firstRow, int n) {
    const int s = slotOfRow(firstRow);
    if (s < 0 || n <= 0)
        return 0;
    const int used = countChannels(image);
    if (s >= used)
        return 0;

    // Records of the current kind go to the clipboard; those of the other kind
    // close up towards s in their order.
    int kept = 0;
    int taken = 0;
    int slot = s;
    for (; slot < used && taken < n; ++slot) {
        const ChannelRecord& c = image.channels[slot];
        if (ofCurrentKind(c))
            clipboard[taken++] = c;
        else
            image.channels[s + kept++] = c;
    }
    clipboardCount = taken;

    // The rest of the list, end marker included, follows without a gap. With
    // all 4000 slots in use there is no end marker to pull forward: the freed
    // slot becomes one.
    for (int to = s + kept, from = slot; from <= used; ++to, ++from)
        image.channels[to] = from < ChannelSlots ? image.channels[from] : ChannelRecord{};
    channelCount_ = std::max(channelCount_ - taken, 0);
    // The freed rows at the bottom of the view are emptied before the refill.
    const int shown = std::max(viewRowCount_ - taken, 0);
    for (int row = shown + 1; row <= viewRowCount_; ++row)
        for (int column = 1; column < ChannelGridColumns; ++column)
            channelGrid.setCell(column, row, "");
    viewRowCount_ = shown;
    return taken;
}

int ChannelListModel::insertFromClipboard(int row, int n, ListEditorPrompts& prompts) {
    // In front of the channel of the row; a row below the list means its last
    // row. An empty view has no row to insert in front of: append to the list.
    const int count = std::clamp(channelCount_, 0, ChannelSlots);
    int p = count;
    if (viewRowCount_ > 0) {
        const int target = slotOfRow(std::clamp(row, 1, viewRowCount_));
        if (target >= 0)
            p = std::min(target, count);
    }
    return insertAt(p, n, prompts);
}

int ChannelListModel::insertBehindView(int n, ListEditorPrompts& prompts) {
    const int count = std::clamp(channelCount_, 0, ChannelSlots);
    const int last = slotOfRow(viewRowCount_);
    return insertAt(last >= 0 ? std::min(last + 1, count) : count, n, prompts);
}

int ChannelListModel::insertAt(int p, int n, ListEditorPrompts& prompts) {
    n = std::min(n, clipboardCount);
    if (n <= 0)
        return 0;
    const int count = std::clamp(channelCount_, 0, ChannelSlots);
    if (count + n > ChannelSlots) {
        const int remaining = ChannelSlots - count;
        prompts.capacityExceeded(remaining, pasteCapacityMessage(remaining));
        return 0;
    }
    for (int i = std::min(count, ChannelSlots - 1 - n); i >= p; --i)
        image.channels[i + n] = image.channels[i];
    std::copy_n(clipboard.begin(), n, image.channels.begin() + p);
    channelCount_ = count + n;
    return n;
}

int ChannelListModel::moveRows(int fromRow, int toRow, int n, ListEditorPrompts& prompts) {
    if (n <= 0 || fromRow < 1 || toRow < 1)
        return -1;
    n = std::min(n, ChannelSlots);
    const bool upwards = fromRow > toRow;
    if (upwards && fromRow > viewRowCount_) {
        prompts.warnMoveUp();
        blankRow(viewRowCount_ + 1);
        return -1;
    }

    const int s = slotOfRow(fromRow);
    if (s >= 0) {
        // The moved records followed by one more, as far as the table goes.
        const int copied = std::min(n + 1, ChannelSlots - s);
        std::copy_n(image.channels.begin() + s, copied, clipboard.begin());
        // Only used records move: the block ends with the list.
        n = std::min(n, std::max(usedSlots() - s, 0));
        clipboardCount = n;
    }
    if (!upwards && toRow > viewRowCount_) {
        prompts.warnMoveDown();
        blankRow(toRow);
        return -1;
    }
    const int d = slotOfRow(toRow);
    if (s < 0 || d < 0 || n == 0)
        return -1;

    auto table = image.channels.begin();
    if (upwards) {
        // The block goes in front of the channel of toRow; everything from
        // there up to the block moves behind it.
        if (d >= s)
            return -1;
        std::rotate(table + d, table + s, table + s + n);
        return d;
    }
    // Downwards the block goes directly behind the channel of toRow, as one
    // unit. A target inside the block leaves everything in place.
    if (d < s + n)
        return -1;
    std::rotate(table + s, table + s + n, table + d + 1);
    return d + 1 - n;
}
