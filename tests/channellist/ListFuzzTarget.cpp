// libFuzzer entry: arbitrary bytes as a list file.
#include "tests/channellist/ListExercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    exerciseListBytes(data, size);
    return 0;
}
