#pragma once

#include <cstdint>
#include <vector>

// A channel list as the receiver keeps it, in the list-file layout (28-byte
// header, descriptor, parameter block, 4000 channel slots, 1000 transponder
// slots, 30 satellite slots, trailer word; 185026 bytes). The stand-in
// receiver builds its own so that it depends on nothing else of the project.
namespace sim {

constexpr std::size_t kListFileSize = 185026;
constexpr std::size_t kCrcFrom = 28;
constexpr std::size_t kCrcLength = 184996; // bytes 28..185023
constexpr std::size_t kFileCrcOffset = 8;
constexpr std::size_t kIdentityOffset = 28;

// CRC-32/MPEG-2: polynomial 0x04C11DB7, MSB first, start 0xFFFFFFFF, no final XOR.
uint32_t mpeg2Crc(const uint8_t* data, std::size_t length);

// A realistic list, the same bytes for the same seed, with valid block and file
// checksums.
std::vector<uint8_t> makeSampleList(uint32_t seed);

// True when the buffer is a whole list file whose word at offset 8 matches the
// CRC of bytes 28..185023.
bool listChecksumValid(const std::vector<uint8_t>& file);

// Gives a whole list file another identity byte and a checksum that matches
// again. False (and nothing changed) for a buffer that is no whole list file.
bool setIdentity(std::vector<uint8_t>& file, uint8_t identity);

} // namespace sim
