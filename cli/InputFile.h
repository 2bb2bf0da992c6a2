#pragma once

#include "cli/CliCommand.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A file named on the command line as input. Only regular files (or links to
// them) are read: a FIFO without a writer, a device or a directory is turned
// away before it is opened, so no command ever waits on one.
struct InputFile {
    std::vector<uint8_t> bytes; // the file's first bytes, up to the limit asked for
    uint64_t size = 0;          // the size of the whole file
};

// Nothing, after one error line, when the path is not a regular file or
// cannot be read.
std::optional<InputFile> readInputFile(const std::string& path, std::size_t maxBytes,
                                       CliContext& context);
