#pragma once

// The rectangle of a grid selection in grid co-ordinates (columns and rows
// as the string grid counts them; row 1 is the first row below the heading).
struct GridSelection {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
    bool empty() const { return right < left || bottom < top; }
    int height() const { return empty() ? 0 : bottom - top + 1; }
};
