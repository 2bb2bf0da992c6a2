#include "tools/receiver-sim/SampleList.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>

namespace sim {
namespace {

constexpr std::size_t kChannelSlots = 4000;
constexpr std::size_t kChannelSize = 42;
constexpr std::size_t kTransponderSlots = 1000;
constexpr std::size_t kTransponderSize = 16;
constexpr std::size_t kSatelliteSlots = 30;
constexpr std::size_t kSatelliteSize = 30;

constexpr std::size_t kParameterOffset = 96;
constexpr std::size_t kParameterSize = 28;
constexpr std::size_t kChannelOffset = 124;
constexpr std::size_t kTransponderOffset = kChannelOffset + kChannelSlots * kChannelSize;
constexpr std::size_t kSatelliteOffset = kTransponderOffset + kTransponderSlots * kTransponderSize;
constexpr std::size_t kTrailerOffset = kSatelliteOffset + kSatelliteSlots * kSatelliteSize;
static_assert(kTrailerOffset + 2 == kListFileSize);

std::array<uint32_t, 256> makeCrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t crc = i << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
        table[i] = crc;
    }
    return table;
}

// Small deterministic generator (xorshift32), so a seed always gives one list.
class Random {
public:
    explicit Random(uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {
        if (state_ == 0)
            state_ = 1;
    }
    uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    uint32_t below(uint32_t bound) { return next() % bound; }

private:
    uint32_t state_;
};

class Writer {
public:
    Writer(std::vector<uint8_t>& bytes, std::size_t offset) : bytes_(bytes), pos_(offset) {}
    void u8(uint32_t v) { bytes_[pos_++] = static_cast<uint8_t>(v); }
    void u16(uint32_t v) {
        u8(v);
        u8(v >> 8);
    }
    void u32(uint32_t v) {
        u16(v);
        u16(v >> 16);
    }
    void text(const std::string& s, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i)
            u8(i < s.size() ? static_cast<uint8_t>(s[i]) : 0);
    }

private:
    std::vector<uint8_t>& bytes_;
    std::size_t pos_;
};

const char* const kTvNames[] = {"Das Erste HD", "ZDF HD",       "3sat",         "arte",
                                "KiKA",         "phoenix",      "ORF1",         "SRF 1",
                                "BR Fernsehen", "hr-fernsehen", "WDR K\xF6ln",  "NDR FS",
                                "MDR Sachsen",  "SWR BW",       "tagesschau24", "ONE"};
const char* const kRadioNames[] = {"Bayern 1",
                                   "hr1",
                                   "WDR 2",
                                   "NDR 2",
                                   "SWR3",
                                   "Deutschlandfunk",
                                   "MDR Kultur",
                                   "radioeins",
                                   "B5 aktuell",
                                   "\xD6"
                                   "3",
                                   "Radio SRF 1",
                                   "France Inter"};
const char* const kSatelliteNames[] = {"Astra 19.2E", "Hotbird 13.0E", "Eutelsat 9E",
                                       "Terrestrisch"};

void writeTransponders(std::vector<uint8_t>& image, Random& rnd, uint32_t count) {
    for (uint32_t t = 0; t < count; ++t) {
        Writer w(image, kTransponderOffset + t * kTransponderSize);
        uint32_t satellite = t % 4;
        if (satellite == 3) { // terrestrial: 8 MHz channel raster, bandwidth code 0
            w.u32(0);
            w.u32(474000 + 8000 * rnd.below(40));
        } else {
            w.u32(rnd.below(2) ? 27500 : 22000);
            w.u32(10700000 + 250 * rnd.below(8200));
        }
        w.u16(1 + rnd.below(0xFFFE));                 // network id
        w.u16(rnd.below(2));                          // polarisation
        w.u8(0);                                      // carried
        w.u8(satellite);                              // satellite index
        w.u16(satellite == 3 ? 0 : 1 + rnd.below(5)); // modulation
    }
}

void writeChannels(std::vector<uint8_t>& image, Random& rnd, uint32_t count,
                   uint32_t transponders) {
    uint32_t tvFav = 0;
    uint32_t radioFav = 0;
    for (uint32_t c = 0; c < count; ++c) {
        Writer w(image, kChannelOffset + c * kChannelSize);
        bool tv = rnd.below(4) != 0;
        bool crypted = rnd.below(5) == 0;
        std::string name;
        char suffix[12];
        if (tv) {
            name = kTvNames[rnd.below(std::size(kTvNames))];
        } else {
            name = kRadioNames[rnd.below(std::size(kRadioNames))];
        }
        std::snprintf(suffix, sizeof suffix, " %u", c + 1);
        if (name.size() + std::strlen(suffix) <= 20)
            name += suffix;
        uint32_t favourite = 0;
        if (rnd.below(8) == 0)
            favourite = tv ? ++tvFav : ++radioFav;
        w.u16(0x80 | (tv ? 0x08 : 0) | (crypted ? 0x01 : 0));
        w.u16(favourite);
        w.u16(0);
        w.u16(28000 + c); // program number
        w.u16(0);
        uint32_t pidBase = 100 + 10 * rnd.below(400);
        w.u16(pidBase);               // PCR PID
        w.u16(tv ? pidBase : 0x1FFF); // video PID
        w.u16(0);
        w.u16(tv ? pidBase + 4 : 0x1FFF); // teletext PID
        w.u16(pidBase + 1);               // audio PID
        w.u16(rnd.below(transponders));   // transponder index
        w.text(name, 20);
    }
    // Slot `count` stays all zeros: the end marker.
}

} // namespace

uint32_t mpeg2Crc(const uint8_t* data, std::size_t length) {
    static const std::array<uint32_t, 256> table = makeCrcTable();
    uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < length; ++i)
        crc = (crc << 8) ^ table[((crc >> 24) ^ data[i]) & 0xFF];
    return crc;
}

std::vector<uint8_t> makeSampleList(uint32_t seed) {
    std::vector<uint8_t> file(kListFileSize, 0);
    Random rnd(seed);
    const uint32_t transponders = 24 + rnd.below(40);
    const uint32_t channels = 120 + rnd.below(400);

    // Parameter block: values the receiver keeps and the PC carries.
    Writer p(file, kParameterOffset);
    p.u16(1);
    p.u16(2);
    p.u32(0x00010000u | rnd.below(0x10000));
    p.u16(50);
    p.u16(1);
    p.u8(1);
    p.u8(0);
    p.u8(3);
    p.u8(0);
    p.u32(rnd.next());
    for (int i = 0; i < 6; ++i)
        p.u8(rnd.below(256));
    p.u16(0);

    writeChannels(file, rnd, channels, transponders);
    writeTransponders(file, rnd, transponders);
    for (std::size_t s = 0; s < std::size(kSatelliteNames); ++s) {
        Writer w(file, kSatelliteOffset + s * kSatelliteSize);
        w.u8(1);
        w.u8(static_cast<uint32_t>(s));
        w.u8(0);
        w.u8(0);
        w.u16(s == 3 ? 0 : 192 - 60 * static_cast<uint32_t>(s));
        w.u16(0);
        w.text(kSatelliteNames[s], 20);
        w.u8(0);
        w.u8(0);
    }
    Writer trailer(file, kTrailerOffset);
    trailer.u16(0xA55A);

    // Descriptor with the block checksums over the blocks just written.
    Writer d(file, 28);
    d.u16(1 + seed % 9); // receiver type 1..9; its low byte is the identity byte
    const uint8_t identity[6] = {0x00, 0x09, 0x34, 0x01, 0x02, 0x00};
    for (uint8_t b : identity)
        d.u8(b);
    const char* const entryTexts[3] = {"SW 1.03", "BL 0.9", "HW B2"};
    for (int e = 0; e < 3; ++e) {
        d.u32(static_cast<uint32_t>(e + 1));
        d.text(entryTexts[e], 8);
    }
    d.u32(0x20261207u);
    d.u32(channels);
    d.u32(mpeg2Crc(&file[kParameterOffset], kParameterSize));
    d.u32(mpeg2Crc(&file[kChannelOffset], kChannelSlots * kChannelSize));
    d.u32(mpeg2Crc(&file[kTransponderOffset], kTransponderSlots * kTransponderSize));
    d.u32(mpeg2Crc(&file[kSatelliteOffset], kSatelliteSlots * kSatelliteSize));

    // Header: word 0 must not start with '-' (the stream puts dashes right before it).
    Writer h(file, 0);
    h.u32(0x00000001u);
    h.u32(static_cast<uint32_t>(kListFileSize));
    h.u32(mpeg2Crc(&file[kCrcFrom], kCrcLength));
    for (int i = 3; i < 7; ++i)
        h.u32(0);
    return file;
}

bool listChecksumValid(const std::vector<uint8_t>& file) {
    if (file.size() != kListFileSize)
        return false;
    uint32_t stored =
        file[8] | file[9] << 8 | file[10] << 16 | static_cast<uint32_t>(file[11]) << 24;
    return stored == mpeg2Crc(&file[kCrcFrom], kCrcLength);
}

bool setIdentity(std::vector<uint8_t>& file, uint8_t identity) {
    if (file.size() != kListFileSize)
        return false;
    file[kIdentityOffset] = identity;
    const uint32_t crc = mpeg2Crc(&file[kCrcFrom], kCrcLength);
    for (std::size_t i = 0; i < 4; ++i)
        file[kFileCrcOffset + i] = static_cast<uint8_t>(crc >> (8 * i));
    return true;
}

} // namespace sim
