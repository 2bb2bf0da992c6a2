#include "listformat/FieldReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

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

bool readFilePrefix(const std::filesystem::path& path, std::size_t maxBytes,
                    std::vector<uint8_t>& out) {
    out.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    out.resize(maxBytes);
    std::size_t filled = 0;
    bool failed = false;
    while (filled < maxBytes) {
        const ssize_t got = ::read(fd, out.data() + filled, maxBytes - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            failed = true; // a folder, or the medium failed
            break;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (failed) {
        out.clear();
        return false;
    }
    out.resize(filled);
    return true;
}
