#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

// Reads the fields of a binary file image in order. Integers are little-endian.
// Bytes beyond the end of the data read as 0; readBytes leaves the part of the
// destination that lies beyond the end untouched, so a short file keeps
// whatever fill the caller put there.
class FieldReader {
public:
    FieldReader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    explicit FieldReader(const std::vector<uint8_t>& bytes)
        : FieldReader(bytes.data(), bytes.size()) {}

    uint8_t readByte();
    uint16_t readU16();
    uint32_t readU32();
    void readBytes(void* buffer, std::size_t n);

    std::size_t position() const { return pos_; }
    bool exhausted() const { return pos_ >= size_; }

private:
    uint8_t byteAt(std::size_t index) const { return index < size_ ? data_[index] : 0; }

    const uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Reads at most maxBytes from the start of a file. False when the file cannot
// be opened or read; out then holds nothing.
bool readFilePrefix(const std::filesystem::path& path, std::size_t maxBytes,
                    std::vector<uint8_t>& out);
