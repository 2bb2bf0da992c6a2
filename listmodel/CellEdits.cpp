#include "listmodel/CellEdits.h"

#include "i18n/Messages.h"

namespace {

ChannelRecord* channelAt(ChannelListImage& image, int slot) {
    if (slot < 0 || slot >= ChannelSlots)
        return nullptr;
    return &image.channels[static_cast<std::size_t>(slot)];
}

TransponderRecord* transponderOf(ChannelListImage& image, const ChannelRecord& c) {
    if (c.transponderIndex >= TransponderSlots)
        return nullptr;
    return &image.transponders[c.transponderIndex];
}

uint16_t* sixteenBitField(ChannelRecord& c, int column) {
    switch (column) {
    case ColVideoPid:
        return &c.videoPid;
    case ColAudioPid:
        return &c.audioPid;
    case ColPcrPid:
        return &c.pcrPid;
    case ColTeletextPid:
        return &c.teletextPid;
    case ColProgramNumber:
        return &c.programNumber;
    case ColFavourite:
        return &c.favouriteNumber;
    default:
        return nullptr;
    }
}

void setBit(uint16_t& word, uint16_t bit, bool on) {
    word = static_cast<uint16_t>(on ? word | bit : word & ~bit);
}

} // namespace

uint32_t leadingNumber(std::string_view text) {
    uint32_t value = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9')
            break;
        value = value * 10u + static_cast<uint32_t>(ch - '0');
    }
    return value;
}

int bandwidthMHz(const TransponderRecord& tp) {
    return 8 - static_cast<int>((tp.symbolRate >> 13) & 7u);
}

void setBandwidthMHz(TransponderRecord& tp, int mhz) {
    const auto code = static_cast<uint32_t>(8 - mhz) & 7u;
    tp.symbolRate = (tp.symbolRate & ~(7u << 13)) | (code << 13);
}

bool symbolRateAccepted(TransponderKind kind, uint32_t value) {
    if (kind == TransponderKind::Cable)
        return value >= 871 && value <= 11699;
    if (kind == TransponderKind::Satellite)
        return value >= 2001 && value <= 43999;
    return false;
}

bool frequencyAccepted(TransponderKind kind, uint32_t value) {
    switch (kind) {
    case TransponderKind::Terrestrial:
        return value >= 1775001 && value <= 8579999;
    case TransponderKind::Cable:
        return value >= 505001 && value <= 8579999;
    case TransponderKind::Satellite:
        return value >= 10000001 && value <= 12749999;
    }
    return false;
}

CellWrite writeCellText(ChannelListImage& image, int slot, int column, std::string_view text) {
    ChannelRecord* c = channelAt(image, slot);
    if (!c)
        return CellWrite::Nothing;
    if (column == ColName) {
        // 19 characters, padded with NUL; the 20th byte stays.
        for (std::size_t i = 0; i + 1 < c->name.size(); ++i)
            c->name[i] = i < text.size() ? text[i] : '\0';
        return CellWrite::Channel;
    }
    if (uint16_t* field = sixteenBitField(*c, column)) {
        *field = static_cast<uint16_t>(leadingNumber(text));
        return CellWrite::Channel;
    }
    TransponderRecord* tp = transponderOf(image, *c);
    if (!tp)
        return CellWrite::Nothing;
    if (column == ColFrequency) {
        tp->frequency = leadingNumber(text);
        return CellWrite::Transponder;
    }
    if (column != ColSymbolRate)
        return CellWrite::Nothing;
    const uint32_t value = leadingNumber(text) & 0xFFFFu;
    const TransponderKind kind = classifyTransponder(image, *tp);
    if (kind == TransponderKind::Terrestrial) {
        if (value < 6 || value > 8)
            return CellWrite::Nothing;
        setBandwidthMHz(*tp, static_cast<int>(value));
    } else if (symbolRateAccepted(kind, value)) {
        tp->symbolRate = value;
    } else {
        return CellWrite::Nothing;
    }
    return CellWrite::Transponder;
}

std::vector<std::string> cellChoices(const ChannelListImage& image, int column) {
    switch (column) {
    case ColSatName: {
        std::vector<std::string> names;
        for (const SatelliteRecord& s : image.satellites)
            names.push_back(fieldText(s.name));
        return names;
    }
    case ColPolarisation:
        return {"H", "V"};
    case ColProgramType:
        return {i18n::latin1(i18n::Msg::WordTv), i18n::latin1(i18n::Msg::WordRadio)};
    case ColCrypted:
        return {i18n::latin1(i18n::Msg::WordFree), i18n::latin1(i18n::Msg::WordCrypted)};
    default:
        return {};
    }
}

void applyCellChoice(ChannelListImage& image, int slot, int column, int index) {
    ChannelRecord* c = channelAt(image, slot);
    if (!c || index < 0)
        return;
    if (column == ColProgramType && index < 2)
        setBit(c->flags, ChannelIsTv, index == 0);
    else if (column == ColCrypted && index < 2)
        setBit(c->flags, ChannelCrypted, index == 1);
    TransponderRecord* tp = transponderOf(image, *c);
    if (!tp)
        return;
    if (column == ColSatName && index < SatelliteSlots)
        tp->satelliteIndex = static_cast<uint8_t>(index);
    else if (column == ColPolarisation && index < 2)
        setBit(tp->transponderFlags, 1, index == 1);
}
