#include "listmodel/GridFind.h"

#include "listformat/NameMatch.h"
#include "listmodel/Grid.h"

std::string normaliseFindText(std::string_view text) {
    return normaliseChannelName(text);
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
