// The month grid's width and column widths for a window width: 55 % of the window, and the columns
// 9, 9, 10, 16, 9, 10, 16, 16 % of the grid (the rest is left for the scroll bar).
#pragma once

#include <array>

#include "gitterspeicher.h"

namespace korvalt {

struct Gittermasse {
    int breite = 0;  // twips
    std::array<int, gitterSpalten> spalten{};
};

// Every width rounded to whole twips, a half to the even neighbour; no 16-bit limit.
Gittermasse gittermasse(int fensterbreiteTwips);

}  // namespace korvalt
