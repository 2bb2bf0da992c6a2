#pragma once

#include <string>
#include <string_view>

class Grid;

// The part match of the find command: blanks, control characters and the
// codes 128..159 are dropped, a..z become upper case (other Latin-1 letters
// keep their case), and both texts are cut to 35 characters first.
std::string normaliseFindText(std::string_view text);
bool findTextMatches(std::string_view normalisedNeedle, std::string_view cell);

// Walks one column of a grid below the last hit, row by row, and starts at
// row 1 again after a walk that found nothing.
class GridFinder {
public:
    // The row found, or 0 when the walk reached the end. rowCount counts the
    // heading row; currentRow is where the very first search starts below.
    int findNext(const Grid& grid, int column, int rowCount, std::string_view text, int currentRow);

    int findRow = 0;
    bool findStarted = false;
};
