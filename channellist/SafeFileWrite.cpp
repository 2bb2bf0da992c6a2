#include "channellist/SafeFileWrite.h"

#include <QSaveFile>

bool writeFileReplacing(const QString& path, const char* data, std::size_t size) {
    QSaveFile file(path);
    // Never fall back to writing the target in place: a failure half-way
    // would leave a truncated file behind.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    std::size_t written = 0;
    while (written < size) {
        const qint64 n = file.write(data + written, static_cast<qint64>(size - written));
        if (n <= 0) {
            file.cancelWriting();
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return file.commit();
}
