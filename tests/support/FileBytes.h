#pragma once

#include "fileio/LocalPath.h"
#include "listformat/FieldReader.h"

#include <QFile>
#include <QString>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

// Whole small files as bytes, for tests that compare what was written.
inline std::vector<uint8_t> readAll(const QString& path) {
    std::vector<uint8_t> bytes;
    readFilePrefix(fileio::localPath(path), 1 << 20, bytes);
    return bytes;
}

inline void writeAll(const QString& path, const std::vector<uint8_t>& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}
