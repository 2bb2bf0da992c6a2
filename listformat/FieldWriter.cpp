#include "listformat/FieldWriter.h"

#include <algorithm>

std::size_t FieldWriter::put(const uint8_t* bytes, std::size_t n) {
    const std::size_t room = out_.size() < limit_ ? limit_ - out_.size() : 0;
    const std::size_t count = std::min(n, room);
    out_.insert(out_.end(), bytes, bytes + count);
    return count;
}

void FieldWriter::writeByte(uint8_t value) {
    put(&value, 1);
}

void FieldWriter::writeU16(uint16_t value) {
    const uint8_t bytes[2] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
    put(bytes, 2);
}

void FieldWriter::writeU32(uint32_t value) {
    const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                              static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
    put(bytes, 4);
}

bool FieldWriter::writeBytes(const void* buffer, std::size_t n) {
    if (put(static_cast<const uint8_t*>(buffer), n) == n)
        return true;
    shortWrite_ = true;
    return false;
}

void patchU32(std::vector<uint8_t>& bytes, std::size_t offset, uint32_t value) {
    if (offset + 4 > bytes.size())
        return;
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}
