#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

// Appends fields to a byte vector in order. Integers are little-endian.
// An optional limit caps the output (a medium that fills up); writeBytes then
// reports a short write, and the integer writers, whose failures nobody
// checks, simply lose their bytes.
class FieldWriter {
public:
    explicit FieldWriter(std::vector<uint8_t>& out,
                         std::size_t limit = std::numeric_limits<std::size_t>::max())
        : out_(out), limit_(limit) {}

    void writeByte(uint8_t value);
    void writeU16(uint16_t value);
    void writeU32(uint32_t value);
    // False when fewer than n bytes could be written.
    bool writeBytes(const void* buffer, std::size_t n);

    // True once any writeBytes came up short.
    bool hadShortWrite() const { return shortWrite_; }

private:
    std::size_t put(const uint8_t* bytes, std::size_t n);

    std::vector<uint8_t>& out_;
    std::size_t limit_;
    bool shortWrite_ = false;
};

// Overwrites four bytes at offset with value, little-endian (patching a
// checksum into serialised data).
void patchU32(std::vector<uint8_t>& bytes, std::size_t offset, uint32_t value);
