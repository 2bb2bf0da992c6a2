#pragma once

#include <cstddef>
#include <cstdint>

enum class ExerciseDepth {
    LoadAndVerify, // load, repair, count, then the list operations
    Everything,    // also both fills of all 4000 slots, both kinds, and the export
};

// Loads arbitrary bytes as a list file and runs the editor's load sequence
// and a short series of list operations picked from the input. Aborts when an
// operation loses or duplicates records, printing the step, the operation and
// the seeds that replay it (callerSeed: the seed the caller made the input
// from). Shared by the fuzz target and the randomized test.
void exerciseListBytes(const uint8_t* data, std::size_t size,
                       ExerciseDepth depth = ExerciseDepth::Everything, uint32_t callerSeed = 0);
