// The fill operations: the channel grid and the favourites grid of the
// current view, with the maps from their rows to channel slots.
#include "listmodel/ChannelListModel.h"

#include "i18n/Messages.h"
#include "listmodel/GridColumns.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace {

class Number {
public:
    explicit Number(long long value) {
        end_ = std::to_chars(buffer_, buffer_ + sizeof buffer_, value).ptr;
    }
    operator std::string_view() const {
        return {buffer_, static_cast<std::size_t>(end_ - buffer_)};
    }

private:
    char buffer_[24];
    char* end_;
};

int boundedCount(int count) {
    return std::clamp(count, 0, ChannelSlots);
}

const std::string& kindWord(const ChannelRecord& c) {
    return i18n::latin1(c.isTv() ? i18n::Msg::WordTv : i18n::Msg::WordRadio);
}

} // namespace

void ChannelListModel::fillChannelRow(int row, const ChannelRecord& c) {
    Grid& g = channelGrid;
    g.setCell(ColName, row, fieldText(c.name));

    // A transponderIndex outside the table (damaged file) shows no transponder
    // data; the record itself is kept as it is.
    const TransponderRecord* tp = transponderAt(image, c.transponderIndex);
    if (tp) {
        const TransponderKind kind = classifyTransponder(image, *tp);
        const SatelliteRecord* sat = satelliteOf(image, *tp);
        const bool satellite = kind == TransponderKind::Satellite;
        g.setCell(ColSatName, row, satellite && sat ? fieldText(sat->name) : std::string());
        g.setCell(ColFrequency, row, Number(static_cast<int32_t>(tp->frequency)));
        g.setCell(ColPolarisation, row, satellite ? (tp->vertical() ? "V" : "H") : "");
        if (kind == TransponderKind::Terrestrial)
            g.setCell(ColSymbolRate, row, Number(8 - ((tp->symbolRate >> 13) & 7)));
        else
            g.setCell(ColSymbolRate, row, Number(static_cast<int32_t>(tp->symbolRate)));
    } else {
        for (int column : {ColSatName, ColFrequency, ColPolarisation, ColSymbolRate})
            g.setCell(column, row, "");
    }

    g.setCell(ColVideoPid, row, Number(c.videoPid));
    g.setCell(ColAudioPid, row, Number(c.audioPid));
    g.setCell(ColPcrPid, row, Number(c.pcrPid));
    g.setCell(ColTeletextPid, row, Number(c.teletextPid));
    g.setCell(ColProgramNumber, row, Number(c.programNumber));
    g.setCell(ColProgramType, row, kindWord(c));
    g.setCell(ColCrypted, row,
              i18n::latin1(c.crypted() ? i18n::Msg::WordCrypted : i18n::Msg::WordFree));
    g.setCell(ColTransponder, row, Number(c.transponderIndex));
    g.setCell(ColFavourite, row, Number(c.favouriteNumber));
}

void ChannelListModel::fillChannelGrid(int count) {
    for (int row = 1; row <= ChannelSlots; ++row)
        channelGrid.setCell(ColNumber, row, Number(row));
    count = boundedCount(count);
    int row = 0;
    for (int slot = 0; slot < count; ++slot) {
        const ChannelRecord& c = image.channels[slot];
        if (!ofCurrentKind(c) || !c.inUse())
            continue;
        ++row;
        fillChannelRow(row, c);
        rowToChannel[row - 1] = slot;
    }
    viewRowCount_ = row;
}

void ChannelListModel::fillFavouriteGrid(int count) {
    for (int row = 1; row <= FavouriteRows; ++row) {
        favouriteGrid.setCell(0, row, Number(row));
        for (int column = 1; column < FavouriteGridColumns; ++column)
            favouriteGrid.setCell(column, row, " ");
    }
    count = boundedCount(count);
    int ordinal = 0;
    for (int slot = 0; slot < count; ++slot) {
        const ChannelRecord& c = image.channels[slot];
        if (!ofCurrentKind(c))
            continue;
        const int f = c.favouriteNumber;
        // Favourite numbers above 255 have no row.
        if (f != 0 && f <= FavouriteRows) {
            favouriteGrid.setCell(1, f, fieldText(c.name));
            favouriteGrid.setCell(2, f, Number(ordinal + 1));
            favouriteGrid.setCell(3, f, kindWord(c));
            favRowToChannel[f] = slot;
        }
        ++ordinal;
    }
}
