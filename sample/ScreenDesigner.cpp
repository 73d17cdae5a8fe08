#include "sample/ScreenDesigner.h"

#include <algorithm>

namespace rom::sample {

namespace {

int encodedSize(const Grid& grid) {
    SaveBuffer bytes;
    ColumnCells column;
    for (const auto& cells : grid) {
        for (int y = 0; y < ScreenRows; ++y) {
            column.text[y] = cells[y];
            column.code[y] = static_cast<uint8_t>(cells[y]);
        }
        encodeColumn(column, bytes);
    }
    return static_cast<int>(bytes.size());
}

Grid emptyGrid() {
    Grid grid;
    for (auto& column : grid)
        column.fill(Empty);
    return grid;
}

constexpr int MaxPits = 4;

bool hasGround(const Grid& grid, int x) {
    return x >= 0 && x < ScreenColumns && grid[x][GroundRow] != Empty;
}

// Whether the w x h cells from (x, y) lie on the screen and hold nothing yet.
bool isFree(const Grid& grid, int x, int y, int w, int h) {
    if (x < 0 || y < 0 || x + w > ScreenColumns || y + h > ScreenRows)
        return false;
    for (int i = x; i < x + w; ++i)
        for (int j = y; j < y + h; ++j)
            if (grid[i][j] != Empty)
                return false;
    return true;
}

} // namespace

Grid ScreenDesigner::land(int targetBytes, bool firstScreen) {
    Grid grid = emptyGrid();
    for (int x = 0; x < ScreenColumns; ++x)
        grid[x][GroundRow] = grid[x][LastRow] = theme_.groundFill.inner(x);
    if (!firstScreen)
        carvePits(grid, targetBytes * 2 / 3);
    topTheGround(grid, firstScreen);
    addFeatures(grid, targetBytes, false);
    return grid;
}

Grid ScreenDesigner::sky(int targetBytes) {
    Grid grid = emptyGrid();
    addFeatures(grid, targetBytes, true);
    return grid;
}

void ScreenDesigner::carvePits(Grid& grid, int groundBytes) {
    // Pits two cells wide, with ground of at least two cells beside each and under most of the
    // screen, so that Mario can always land.
    int pits = 0;
    for (int tries = 0; tries < 12 && pits < MaxPits && encodedSize(grid) > groundBytes; ++tries) {
        const int x0 = 2 * rng_.range(1, ScreenColumns / 2 - 2);
        if (!hasGround(grid, x0 - 2) || !hasGround(grid, x0 + 3))
            continue;
        for (int x = x0; x < x0 + 2; ++x)
            grid[x][GroundRow] = grid[x][LastRow] = Empty;
        ++pits;
    }
}

void ScreenDesigner::topTheGround(Grid& grid, bool firstScreen) const {
    for (int x = 0; x < ScreenColumns; ++x) {
        if (!hasGround(grid, x))
            continue;
        const bool leftEdge = x == 0 ? firstScreen : !hasGround(grid, x - 1);
        const bool rightEdge = x + 1 < ScreenColumns && !hasGround(grid, x + 1);
        const Span& top = theme_.groundTop;
        grid[x][GroundRow] = leftEdge ? top.left : rightEdge ? top.right : top.inner(x);
    }
}

void ScreenDesigner::addFeatures(Grid& grid, int targetBytes, bool sky) {
    int misses = 0;
    while (misses < 8 && encodedSize(grid) < targetBytes * 19 / 20) {
        Grid candidate = grid;
        if (sky)
            addSkyFeature(candidate);
        else
            addLandFeature(candidate);
        if (candidate != grid && encodedSize(candidate) <= targetBytes * 21 / 20)
            grid = candidate;
        else
            ++misses;
    }
}

void ScreenDesigner::addLandFeature(Grid& grid) {
    switch (rng_.range(0, 6)) {
    case 0:
        blockRow(grid, rng_.chance(70) ? 9 : 5);
        break;
    case 1:
        pipe(grid);
        break;
    case 2:
        stairs(grid);
        break;
    case 3:
        row(grid, rng_.range(6, 8), rng_.range(2, 16), rng_.range(3, 5), Coin);
        break;
    case 4:
        span(grid, rng_.range(8, 11), rng_.range(1, 15), rng_.range(3, 5), theme_.platform);
        break;
    case 5:
        if (hasClouds()) {
            place(grid, rng_.range(0, ScreenColumns - theme_.cloud.width), rng_.range(1, 3),
                  theme_.cloud);
            break;
        }
        [[fallthrough]];
    default:
        scenery(grid);
        break;
    }
}

void ScreenDesigner::addSkyFeature(Grid& grid) {
    switch (rng_.range(0, 4)) {
    case 0:
        bigBlock(grid, rng_.range(0, 18), rng_.range(2, 12));
        break;
    case 1:
        row(grid, 0, rng_.range(0, 14), rng_.range(3, 6), theme_.ceiling);
        break;
    case 2:
        span(grid, LastRow, rng_.range(0, 14), rng_.range(3, 6), theme_.groundTop);
        break;
    case 3:
        row(grid, rng_.range(3, 11), rng_.range(0, 16), rng_.range(2, 4), Coin);
        break;
    default:
        if (hasClouds())
            place(grid, rng_.range(0, ScreenColumns - theme_.cloud.width), rng_.range(1, 5),
                  theme_.cloud);
        else
            span(grid, rng_.range(1, 6), rng_.range(0, 16), rng_.range(2, 4), theme_.platform);
        break;
    }
}

void ScreenDesigner::row(Grid& grid, int y, int x0, int length, int code) {
    span(grid, y, x0, length, same(code));
}

void ScreenDesigner::span(Grid& grid, int y, int x0, int length, const Span& codes) {
    length = std::min(length, ScreenColumns - x0);
    if (codes.pairs())
        length -= length % 2;
    if (length <= 0 || !isFree(grid, x0, y, length, 1))
        return;
    for (int i = 0; i < length; ++i)
        grid[x0 + i][y] = i == 0 ? codes.left : i == length - 1 ? codes.right : codes.inner(i);
}

void ScreenDesigner::blockRow(Grid& grid, int y) {
    const int x0 = rng_.range(1, 15);
    const int length = std::min(rng_.range(3, 5), ScreenColumns - x0);
    if (!isFree(grid, x0, y, length, 1))
        return;
    for (int x = x0; x < x0 + length; ++x)
        grid[x][y] = !rng_.chance(30) ? Breakable : rng_.chance(25) ? PowerUpBlock : CoinBlock;
}

void ScreenDesigner::bigBlock(Grid& grid, int x, int y) {
    place(grid, x, y, theme_.bigBlock);
}

void ScreenDesigner::pipe(Grid& grid) {
    const int x = rng_.range(1, ScreenColumns - 3);
    const int top = GroundRow - rng_.range(2, 4);
    Stamp stamp{2, GroundRow - top, {PipeTopLeft, PipeTopRight}};
    for (int y = 1; y < stamp.height; ++y) {
        stamp.codes[static_cast<size_t>(2 * y)] = PipeLeft;
        stamp.codes[static_cast<size_t>(2 * y + 1)] = PipeRight;
    }
    standOnGround(grid, x, stamp);
}

void ScreenDesigner::stairs(Grid& grid) {
    const int height = rng_.range(3, 4);
    const int x0 = rng_.range(1, ScreenColumns - height - 1);
    const bool up = rng_.chance(50);
    if (!onGround(grid, x0, height) || !isFree(grid, x0, GroundRow - height, height, height))
        return;
    for (int i = 0; i < height; ++i) {
        const int steps = up ? i + 1 : height - i;
        for (int y = GroundRow - steps; y < GroundRow; ++y)
            grid[x0 + i][y] = theme_.block;
    }
}

void ScreenDesigner::scenery(Grid& grid) {
    const Stamp& stamp = theme_.scenery[static_cast<size_t>(rng_.range(0, 3))];
    standOnGround(grid, rng_.range(0, ScreenColumns - stamp.width), stamp);
}

bool ScreenDesigner::onGround(const Grid& grid, int x, int width) {
    for (int i = x; i < x + width; ++i)
        if (!hasGround(grid, i))
            return false;
    return true;
}

void ScreenDesigner::standOnGround(Grid& grid, int x, const Stamp& stamp) {
    if (onGround(grid, x, stamp.width))
        place(grid, x, GroundRow - stamp.height, stamp);
}

void ScreenDesigner::place(Grid& grid, int x, int y, const Stamp& stamp) {
    if (!isFree(grid, x, y, stamp.width, stamp.height))
        return;
    for (int i = 0; i < stamp.width; ++i)
        for (int j = 0; j < stamp.height; ++j)
            if (stamp.at(i, j) != Empty)
                grid[x + i][y + j] = stamp.at(i, j);
}

} // namespace rom::sample
