// libFuzzer entry: arbitrary bytes as a list file. The fills of all 4000 slots
// and the export cost most of an input's time, so one input in a hundred (by
// its checksum, so a saved input replays the same way) runs them; every input
// is loaded and goes through the checked list operations.
#include "listformat/ListCrc32.h"
#include "tests/channellist/ListExercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const bool everything = listCrc32(data, size) % 100 == 0;
    exerciseListBytes(data, size,
                      everything ? ExerciseDepth::Everything : ExerciseDepth::LoadAndVerify);
    return 0;
}
