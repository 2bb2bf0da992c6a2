#include "listmodel/ChannelListModel.h"

#include "i18n/Messages.h"
#include "listmodel/ListEditorPrompts.h"

#include <cstdio>
#include <memory>

ChannelListModel::ChannelListModel() {
    eraseImage(image);
}

int ChannelListModel::slotOfRow(int row) const {
    if (row < 1 || row > viewRowCount_ || row > ChannelSlots)
        return -1;
    const int slot = rowToChannel[row - 1];
    return slot >= 0 && slot < ChannelSlots ? slot : -1;
}

int ChannelListModel::usedSlots() const {
    int used = 0;
    while (used < ChannelSlots && image.channels[used].inUse())
        ++used;
    return used;
}

void ChannelListModel::recount() {
    channelCount_ = countChannels(image);
}

void ChannelListModel::clear() {
    eraseImage(image);
    channelCount_ = 0;
    viewRowCount_ = 0;
}

void ChannelListModel::blankRow(int row) {
    for (int column = 1; column < ChannelGridColumns; ++column)
        channelGrid.setCell(column, row, " ");
}

ChannelListModel& channelList() {
    static const std::unique_ptr<ChannelListModel> model = std::make_unique<ChannelListModel>();
    return *model;
}

QString pasteCapacityMessage(int remaining) {
    const std::string& first = i18n::latin1(i18n::Msg::PasteCapacityFirst);
    const std::string& last = i18n::latin1(i18n::Msg::PasteCapacityLast);
    char number[16];
    std::snprintf(number, sizeof number, "%d", remaining);
    return QString::fromLatin1(first + number + last);
}
