#include "listformat/ListCrc32.h"

#include <array>

namespace {

constexpr uint32_t polynomial = 0x04C11DB7u;

// table[0] is the classic byte table; table[k][b] is the CRC contribution of
// byte b followed by k zero bytes, so eight bytes can be folded in at once.
using SliceTables = std::array<std::array<uint32_t, 256>, 8>;

constexpr SliceTables makeTables() {
    SliceTables t{};
    for (uint32_t b = 0; b < 256; ++b) {
        uint32_t crc = b << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ polynomial : crc << 1;
        t[0][b] = crc;
    }
    for (std::size_t k = 1; k < 8; ++k)
        for (uint32_t b = 0; b < 256; ++b)
            t[k][b] = (t[k - 1][b] << 8) ^ t[0][t[k - 1][b] >> 24];
    return t;
}

constexpr SliceTables tables = makeTables();
static_assert(tables[0][1] == polynomial);

} // namespace

uint32_t listCrc32Update(uint32_t crc, const void* data, std::size_t length) {
    const auto* p = static_cast<const uint8_t*>(data);
    while (length >= 8) {
        const uint32_t high =
            crc ^ ((static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
                   (static_cast<uint32_t>(p[2]) << 8) | p[3]);
        crc = tables[7][high >> 24] ^ tables[6][(high >> 16) & 0xFF] ^
              tables[5][(high >> 8) & 0xFF] ^ tables[4][high & 0xFF] ^ tables[3][p[4]] ^
              tables[2][p[5]] ^ tables[1][p[6]] ^ tables[0][p[7]];
        p += 8;
        length -= 8;
    }
    while (length-- > 0)
        crc = (crc << 8) ^ tables[0][((crc >> 24) ^ *p++) & 0xFF];
    return crc;
}

uint32_t listCrc32(const void* data, std::size_t length) {
    return listCrc32Update(0xFFFFFFFFu, data, length);
}
