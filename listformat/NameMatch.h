#pragma once

#include <algorithm>
#include <string>
#include <string_view>

// How channel names are compared wherever a name is looked for (find, list
// matching): at most the first 35 characters, without blanks, control
// characters (codes 0 to 32) and codes 128 to 159, with a to z in upper case.
// Other Latin-1 letters keep their case. Input and result are Latin-1 bytes.
inline constexpr std::size_t NameCompareWidth = 35;

inline std::string normaliseChannelName(std::string_view latin1) {
    std::string out;
    out.reserve(std::min(latin1.size(), NameCompareWidth));
    const std::size_t width = std::min(latin1.size(), NameCompareWidth);
    for (std::size_t i = 0; i < width; ++i) {
        const auto code = static_cast<unsigned char>(latin1[i]);
        if (code <= 32 || (code >= 128 && code <= 159))
            continue;
        out.push_back(code >= 'a' && code <= 'z' ? static_cast<char>(code - 'a' + 'A')
                                                 : static_cast<char>(code));
    }
    return out;
}
