#pragma once

#include <vector>

// Which cells one edit click covers, for each placement option of the tools frame.
namespace footprint {

enum class Placement {
    Single,      // the clicked cell
    Horizontal,  // the clicked row, all columns
    Vertical,    // the clicked column, all rows
    Block4,      // 4 x 4 cells, top-left at the clicked cell
    Block8,      // 8 x 8 cells, top-left at the clicked cell
    Horizontal4, // 4 cells to the right, starting at the clicked cell
    Vertical4,   // 4 cells down, starting at the clicked cell
};

struct Cell {
    int x = 0;
    int y = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// The cell under a pixel coordinate of the editing area: the coordinate is rounded to a whole
// pixel, then divided by the cell size and rounded down, so a release left of or above the area
// gives a negative cell.
Cell cellAt(double x, double y);

// The cells of the footprint of `placement` for a click in `clicked`, column by column and top
// to bottom within a column. Cells outside the screen grid are left out; nothing wraps.
std::vector<Cell> cellsOf(Placement placement, Cell clicked);

} // namespace footprint
