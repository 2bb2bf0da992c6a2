#include "fileio/SafeFileWrite.h"

#include <QFile>

bool writeFileReplacing(const QString& path, const char* data, std::size_t size,
                        fileio::WriteResult* result) {
    fileio::WriteResult written =
        fileio::writeFile(QFile::encodeName(path).toStdString(), std::string_view(data, size));
    const bool ok = written.ok();
    if (result != nullptr)
        *result = std::move(written);
    return ok;
}
