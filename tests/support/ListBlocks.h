#pragma once

#include "listformat/ListCrc32.h"
#include "serial/TransferSizes.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

// List blocks as the receiver sends them: a list file's bytes whose checksum
// (CRC of bytes 28 to 185023) is stored at offset 8. For the tests of every
// folder that needs a valid list.
namespace listblocks {

constexpr int32_t listBytes = ListImageBytes;
constexpr int32_t crcFirst = 28;
constexpr int32_t crcEnd = 185024;

// Contents differ by seed; the checksum holds unless corrupt is set.
inline std::vector<uint8_t> make(uint32_t seed, bool corrupt = false) {
    std::vector<uint8_t> block(listBytes);
    uint32_t x = seed * 2654435761u + 1;
    for (auto& b : block) {
        x = x * 1103515245u + 12345u;
        b = static_cast<uint8_t>(x >> 16);
    }
    uint32_t crc = listCrc32(block.data() + crcFirst, crcEnd - crcFirst);
    if (corrupt)
        crc ^= 0x00010000u;
    for (int i = 0; i < 4; ++i)
        block[8 + i] = static_cast<uint8_t>(crc >> (8 * i));
    return block;
}

inline bool writeFile(const QString& path, const std::vector<uint8_t>& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline std::string text(const std::vector<uint8_t>& block) {
    return {block.begin(), block.end()};
}

inline QByteArray bytes(const std::vector<uint8_t>& block) {
    return QByteArray(reinterpret_cast<const char*>(block.data()),
                      static_cast<qsizetype>(block.size()));
}

} // namespace listblocks
