#pragma once

#include <QString>
#include <cstddef>

// Writes a whole file through a temporary file in the same folder that is
// renamed over the target only when every byte was written. On any failure
// the old file stays as it was and false is returned.
bool writeFileReplacing(const QString& path, const char* data, std::size_t size);
