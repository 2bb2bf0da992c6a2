#pragma once

#include <cstddef>
#include <cstdint>

// Loads arbitrary bytes as a list file and runs the editor's load sequence,
// both fills of both kinds, the export and a short series of list operations
// picked from the input. Aborts when an operation loses or duplicates
// records. Shared by the fuzz target and the randomized test.
void exerciseListBytes(const uint8_t* data, std::size_t size);
