#include "channellist/GridFind.h"

#include "channellist/Grid.h"

namespace {

constexpr std::size_t FindTextWidth = 35;

} // namespace

std::string normaliseFindText(std::string_view text) {
    text = text.substr(0, FindTextWidth);
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto code = static_cast<unsigned char>(ch);
        if (code <= 32 || (code >= 128 && code <= 159))
            continue;
        out.push_back(code >= 'a' && code <= 'z' ? static_cast<char>(code - 32) : ch);
    }
    return out;
}

bool findTextMatches(std::string_view normalisedNeedle, std::string_view cell) {
    return normaliseFindText(cell).find(normalisedNeedle) != std::string::npos;
}

int GridFinder::findNext(const Grid& grid, int column, int rowCount, std::string_view text,
                         int currentRow) {
    if (!findStarted) {
        findRow = currentRow;
        findStarted = true;
    }
    const std::string needle = normaliseFindText(text);
    ++findRow;
    if (findRow >= rowCount)
        findRow = 1;
    for (; findRow < rowCount; ++findRow)
        if (findTextMatches(needle, grid.cell(column, findRow)))
            return findRow;
    // The next search starts at row 1 again.
    findRow = 0;
    return 0;
}
