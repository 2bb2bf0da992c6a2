#pragma once

#include "reorder/ListMatch.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A reference for reordering, read from a file's bytes: a list file (exactly
// the size of one) or a text file of one channel a line, "position;name" or
// "position<TAB>name", optionally followed by ";programNumber" (as a
// spreadsheet saves it; a heading line and quoted fields are fine). Text is
// taken as UTF-8 when it is valid UTF-8 with non-ASCII characters, else as
// Latin-1. Messages are UTF-8.
struct ReferenceLoad {
    std::optional<ReferenceList> list; // nothing when the bytes are no reference
    std::string error;                 // why not
    std::vector<std::string> warnings; // read, but with something to report
};

inline constexpr std::size_t ReferenceTextLimit = 4 * 1024 * 1024;

ReferenceLoad readReference(const std::vector<uint8_t>& bytes);
ReferenceLoad readReferenceText(std::string_view text);

// Latin-1 bytes as UTF-8, for messages and output.
std::string latin1ToUtf8(std::string_view latin1);
