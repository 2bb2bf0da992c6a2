#pragma once

#include <QFile>
#include <QString>
#include <filesystem>

namespace fileio {

// A Qt path as the system's file name, encoded as QFile encodes it.
inline std::filesystem::path localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace fileio
