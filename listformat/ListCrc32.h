#pragma once

#include <cstddef>
#include <cstdint>

// CRC-32/MPEG-2 of a byte range: polynomial 0x04C11DB7, most significant bit
// first, start value 0xFFFFFFFF, no reflection and no final XOR. The receiver
// and the list file use it for every block checksum. An empty range gives
// 0xFFFFFFFF.
uint32_t listCrc32(const void* data, std::size_t length);

// Continues a checksum over more bytes (start with 0xFFFFFFFF).
uint32_t listCrc32Update(uint32_t crc, const void* data, std::size_t length);
