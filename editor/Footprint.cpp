#include "editor/Footprint.h"

#include "rom/RomLayout.h"

#include <cmath>

namespace footprint {

namespace {

constexpr int CellSize = 16;

struct Area {
    int firstColumn;
    int firstRow;
    int columns;
    int rows;
};

Area areaOf(Placement placement, Cell clicked) {
    switch (placement) {
    case Placement::Single:
        return {clicked.x, clicked.y, 1, 1};
    case Placement::Horizontal:
        return {0, clicked.y, rom::ScreenColumns, 1};
    case Placement::Vertical:
        return {clicked.x, 0, 1, rom::ScreenRows};
    case Placement::Block4:
        return {clicked.x, clicked.y, 4, 4};
    case Placement::Block8:
        return {clicked.x, clicked.y, 8, 8};
    case Placement::Horizontal4:
        return {clicked.x, clicked.y, 4, 1};
    case Placement::Vertical4:
        return {clicked.x, clicked.y, 1, 4};
    }
    return {clicked.x, clicked.y, 1, 1};
}

bool inGrid(int x, int y) {
    return x >= 0 && x < rom::ScreenColumns && y >= 0 && y < rom::ScreenRows;
}

int cellOfPixel(double pixel) {
    // nearbyint rounds halves to even, as the classic integer conversion of a pixel does.
    const int whole = static_cast<int>(std::nearbyint(pixel));
    return static_cast<int>(std::floor(whole / static_cast<double>(CellSize)));
}

} // namespace

Cell cellAt(double x, double y) {
    return {cellOfPixel(x), cellOfPixel(y)};
}

std::vector<Cell> cellsOf(Placement placement, Cell clicked) {
    const Area area = areaOf(placement, clicked);
    std::vector<Cell> cells;
    for (int x = area.firstColumn; x < area.firstColumn + area.columns; ++x)
        for (int y = area.firstRow; y < area.firstRow + area.rows; ++y)
            if (inGrid(x, y))
                cells.push_back({x, y});
    return cells;
}

} // namespace footprint
