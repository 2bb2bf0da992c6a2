#pragma once

#include "fileio/FileWriter.h"

#include <QString>
#include <cstddef>

// Writes a whole file through the program's one writer (fileio::FileWriter):
// a temporary file renamed over the target when every byte is on disk, a
// character device written in place, a folder, FIFO, socket or block device
// refused. On any failure the old file stays as it was and false is returned;
// the reason goes to *result when given.
bool writeFileReplacing(const QString& path, const char* data, std::size_t size,
                        fileio::WriteResult* result = nullptr);
