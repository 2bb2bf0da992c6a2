#pragma once

#include "serial/TransferSizes.h"

#include <cstdint>
#include <string>

// Streams as the receiver prints them after "500": some text, "Start Upload",
// a run of '-', the list image, "End Upload".
namespace list_streams {

constexpr size_t kImageSize = ListImageBytes;

// Bytes that look like nothing in particular; never '-' at the front.
inline std::string image(size_t size = kImageSize) {
    std::string bytes(size, '\0');
    uint32_t state = 12345;
    for (size_t i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        bytes[i] = static_cast<char>(state >> 16);
    }
    if (!bytes.empty() && bytes[0] == '-')
        bytes[0] = 1;
    return bytes;
}

inline std::string
framed(const std::string& body, size_t dashes = 400,
       const std::string& text = "\r\n500 Upload Ch_Data\r\nReading channel data from "
                                 "flash...\r\nImage size: 185026 bytes\r\n") {
    return text + "Start Upload" + std::string(dashes, '-') + body + "End Upload\r\n";
}

// A framed stream of exactly `total` bytes (the text before the marker fills up).
inline std::string framedOfLength(const std::string& body, size_t total) {
    const size_t fixed = 12 + 400 + body.size() + 12;
    return framed(body, 400, std::string(total - fixed, 'x'));
}

inline const std::string& menu() {
    static const std::string text = "\r\n100 Download Ch_Data\r\n300 Standby\r\n400 Help\r\n"
                                    "500 Upload Ch_Data\r\nSelect> ";
    return text;
}

} // namespace list_streams
