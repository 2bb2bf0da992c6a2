#pragma once

#include <cstdint>

// Sizes every list transfer agrees on: the worker, the main window, the
// console and their tests.

// The list receive records the whole stream in a buffer of this size, and the
// main window hands the worker a receive buffer of the same size (0x80000).
inline constexpr int32_t ReceiveBufferBytes = 524288;

// A list file and the image the receiver sends; also 100 % of the receive's
// progress bar.
inline constexpr int32_t ListImageBytes = 185026;
