#include "listformat/FieldReader.h"

#include <QFile>
#include <algorithm>
#include <cstring>

uint8_t FieldReader::readByte() {
    return byteAt(pos_++);
}

uint16_t FieldReader::readU16() {
    const uint16_t value = static_cast<uint16_t>(byteAt(pos_) | (byteAt(pos_ + 1) << 8));
    pos_ += 2;
    return value;
}

uint32_t FieldReader::readU32() {
    const uint32_t value = static_cast<uint32_t>(byteAt(pos_)) |
                           (static_cast<uint32_t>(byteAt(pos_ + 1)) << 8) |
                           (static_cast<uint32_t>(byteAt(pos_ + 2)) << 16) |
                           (static_cast<uint32_t>(byteAt(pos_ + 3)) << 24);
    pos_ += 4;
    return value;
}

void FieldReader::readBytes(void* buffer, std::size_t n) {
    if (pos_ < size_) {
        const std::size_t available = std::min(n, size_ - pos_);
        std::memcpy(buffer, data_ + pos_, available);
    }
    pos_ += n;
}

bool readFilePrefix(const QString& path, std::size_t maxBytes, std::vector<uint8_t>& out) {
    out.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    out.resize(maxBytes);
    std::size_t filled = 0;
    while (filled < maxBytes) {
        const qint64 got = file.read(reinterpret_cast<char*>(out.data() + filled),
                                     static_cast<qint64>(maxBytes - filled));
        if (got < 0) {
            out.clear();
            return false;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    out.resize(filled);
    return true;
}
