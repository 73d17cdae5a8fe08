#include "Drawings.h"

#include "TileKit.h"

#include <QTransform>

#include <array>

namespace draw {

using kit::done;
using kit::piece;
using kit::tile;

namespace {

struct Point {
    int x, y;
};

// Dirt grain, placed by hand so the ground tiles repeat without a visible seam.
constexpr std::array<Point, 9> DarkGrain = {
    {{2, 4}, {9, 2}, {13, 6}, {5, 9}, {11, 11}, {1, 13}, {7, 14}, {14, 10}, {6, 5}}};
constexpr std::array<Point, 6> LightGrain = {{{3, 3}, {10, 5}, {14, 13}, {4, 11}, {8, 8}, {12, 1}}};

const char* const QuestionMark[] = {".####.", "##..##", "....##", "...##.", "..##..",
                                    "..##..", "......", "..##..", "..##.."};

void grain(Canvas& c, const Palette& p, int fromY) {
    for (const Point& g : DarkGrain)
        if (g.y >= fromY)
            c.dot(g.x, g.y, p.earthDark);
    for (const Point& g : LightGrain)
        if (g.y >= fromY)
            c.dot(g.x, g.y, p.earthLight);
}

void questionMark(Canvas& c, int x, int y, QColor colour) {
    for (int row = 0; row < 9; ++row)
        for (int i = 0; i < 6; ++i)
            if (QuestionMark[row][i] == '#')
                c.dot(x + i, y + row, colour);
}

} // namespace

QImage solid(QColor colour) {
    Canvas c(Cell, Cell, colour);
    return done(c);
}

QImage fallback() {
    // Three colours are all it needs, so it is kept as an indexed picture.
    QImage image(Cell, Cell, QImage::Format_Indexed8);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 31, 31), qRgb(255, 255, 255)});
    image.fill(0);
    for (int y = 1; y < Cell - 1; ++y)
        for (int x = 1; x < Cell - 1; ++x)
            image.setPixel(x, y, 1);
    for (int row = 0; row < 9; ++row)
        for (int i = 0; i < 6; ++i)
            if (QuestionMark[row][i] == '#')
                image.setPixel(5 + i, 3 + row, 2);
    return image;
}

QImage groundTop(const Palette& p, Side side) {
    Canvas c = tile(p);
    c.fill(0, 3, 16, 13, p.earth);
    grain(c, p, 7);
    c.fill(0, 2, 16, 4, p.crust);
    c.fill(0, 2, 16, 1, p.crustLight);
    for (int x : {3, 10})
        c.fill(x, 1, 2, 1, p.crust);
    // A ragged lower edge, shaded, so the top layer reads apart from the ground below it.
    for (int x = 0; x < Cell; ++x) {
        const bool ragged = x == 1 || x == 2 || x == 6 || x == 9 || x == 13 || x == 14;
        if (ragged)
            c.dot(x, 6, p.crust);
        c.dot(x, ragged ? 7 : 6, p.earthDark);
    }
    if (side != Side::Middle) {
        c.fill(0, 0, 2, 16, p.sky);
        c.fill(2, 3, 1, 13, p.earthDark);
        c.dot(2, 2, p.sky);
        c.dot(3, 2, p.crust);
    }
    return done(c, side == Side::Right);
}

QImage groundFill(const Palette& p, bool stones) {
    Canvas c(Cell, Cell, p.earth);
    grain(c, p, 0);
    if (stones) {
        c.oval(1, 2, 6, 4, p.stoneDark);
        c.oval(2, 2, 4, 3, p.stone);
        c.dot(3, 2, p.stoneLight);
        c.oval(8, 9, 7, 5, p.stoneDark);
        c.oval(9, 9, 5, 4, p.stone);
        c.dot(10, 10, p.stoneLight);
    }
    return done(c);
}

QImage slope(const Palette& p, bool rising) {
    Canvas c = tile(p);
    for (int x = 0; x < Cell; ++x) {
        const int top = 15 - x;
        c.fill(x, top, 1, Cell - top, p.earth);
        for (const Point& g : DarkGrain)
            if (g.x == x && g.y > top + 3)
                c.dot(g.x, g.y, p.earthDark);
        c.fill(x, top, 1, 3, p.crust);
        c.dot(x, top, p.crustLight);
    }
    return done(c, !rising);
}

QImage cliff(const Palette& p, Side side) {
    static constexpr int Jag[Cell] = {0, 1, 1, 2, 1, 0, 0, 1, 2, 2, 1, 0, 1, 1, 0, 0};
    Canvas c(Cell, Cell, p.earth);
    struct Crack {
        int x0, y0, x1, y1;
    };
    for (Crack k : {Crack{6, 2, 10, 5}, Crack{10, 5, 15, 4}, Crack{10, 5, 9, 10},
                    Crack{9, 10, 15, 12}, Crack{5, 12, 9, 10}, Crack{7, 15, 5, 12}}) {
        c.line(k.x0, k.y0 + 1, k.x1, k.y1 + 1, p.earthLight);
        c.line(k.x0, k.y0, k.x1, k.y1, p.earthDark);
    }
    for (int y = 0; y < Cell; ++y) {
        const int edge = 2 + Jag[y];
        c.fill(0, y, edge, 1, p.sky);
        c.dot(edge, y, p.earthDark);
        c.dot(edge + 1, y, p.earthLight);
    }
    return done(c, side == Side::Right);
}

QImage bricks(QColor face, QColor light, QColor mortar) {
    Canvas c(Cell, Cell, face);
    for (int course = 0; course < 4; ++course) {
        const int y = course * 4;
        const int joint = course % 2 == 0 ? 7 : 3;
        c.fill(0, y, 16, 1, light);
        for (int x : {joint, joint + 8})
            c.fill(x, y, 1, 3, mortar);
        c.fill(0, y + 3, 16, 1, mortar);
    }
    return done(c);
}

QImage block(const Palette& p, Mark mark) {
    Canvas c(Cell, Cell, p.stone);
    c.bevel(0, 0, 16, 16, p.stoneLight, p.stoneDark);
    c.bevel(1, 1, 14, 14, p.stoneLight, p.stoneDark);
    switch (mark) {
    case Mark::Plain:
        break;
    case Mark::Rivets:
        for (Point r : {Point{4, 4}, Point{11, 4}, Point{4, 11}, Point{11, 11}}) {
            c.dot(r.x, r.y, p.stoneDark);
            c.dot(r.x - 1, r.y - 1, p.stoneLight);
        }
        break;
    case Mark::Crack:
        c.line(5, 2, 7, 6, p.stoneDark);
        c.line(7, 6, 6, 9, p.stoneDark);
        c.line(6, 9, 10, 13, p.stoneDark);
        c.line(7, 6, 11, 7, p.stoneDark);
        break;
    case Mark::Studs:
        c.line(2, 2, 5, 5, p.stoneDark);
        c.line(13, 2, 10, 5, p.stoneDark);
        c.line(2, 13, 5, 10, p.stoneDark);
        c.line(13, 13, 10, 10, p.stoneDark);
        c.fill(5, 5, 6, 6, p.stoneLight);
        c.bevel(5, 5, 6, 6, Qt::white, p.stoneDark);
        break;
    }
    return done(c);
}

QImage carved(const Palette& p, std::initializer_list<const char*> carving) {
    Canvas c(Cell, Cell, p.stone);
    c.paste(0, 0, block(p, Mark::Plain));
    c.sprite(3, 3, carving, {{'#', p.accentDark}, {'+', p.accent}});
    return done(c);
}

QImage questionBlock(QColor mark) {
    const QColor face(248, 184, 48), light(255, 232, 140), dark(176, 104, 16), rim(80, 48, 16);
    Canvas c(Cell, Cell, face);
    c.frame(0, 0, 16, 16, rim);
    c.bevel(1, 1, 14, 14, light, dark);
    for (Point r : {Point{3, 3}, Point{12, 3}, Point{3, 12}, Point{12, 12}})
        c.dot(r.x, r.y, dark);
    questionMark(c, 6, 4, dark);
    questionMark(c, 5, 3, mark);
    return done(c);
}

QImage usedBlock() {
    const QColor face(160, 96, 48), light(204, 144, 84), dark(104, 56, 24), rim(64, 32, 12);
    Canvas c(Cell, Cell, face);
    c.frame(0, 0, 16, 16, rim);
    c.bevel(1, 1, 14, 14, light, dark);
    for (Point r : {Point{3, 3}, Point{12, 3}, Point{3, 12}, Point{12, 12}})
        c.dot(r.x, r.y, rim);
    return done(c);
}

QImage hiddenBlock(const Palette& p) {
    Canvas c = tile(p);
    const QColor dash(90, 100, 150);
    for (int i = 0; i < Cell; ++i) {
        if ((i / 2) % 2 != 0)
            continue;
        c.dot(i, 0, dash);
        c.dot(i, 15, dash);
        c.dot(0, i, dash);
        c.dot(15, i, dash);
    }
    questionMark(c, 5, 3, QColor(120, 140, 200));
    return done(c);
}

QImage coin(const Palette& p) {
    Canvas c = tile(p);
    c.oval(3, 1, 10, 14, QColor(150, 96, 8));
    c.oval(4, 2, 8, 12, QColor(248, 200, 48));
    c.fill(7, 4, 2, 8, QColor(190, 130, 20));
    c.fill(5, 4, 1, 5, QColor(255, 240, 170));
    return done(c);
}

QImage column(const Palette& p, Part part) {
    Canvas c = tile(p);
    c.fill(3, 0, 10, 16, p.stone);
    c.fill(3, 0, 1, 16, p.stoneDark);
    c.fill(12, 0, 1, 16, p.stoneDark);
    c.fill(4, 0, 1, 16, p.stoneLight);
    for (int x : {6, 9})
        c.fill(x, 0, 1, 16, p.stoneDark);
    if (part == Part::Top) {
        c.fill(0, 0, 16, 5, p.stone);
        c.fill(0, 0, 16, 1, p.stoneLight);
        c.fill(0, 4, 16, 1, p.stoneDark);
        c.fill(2, 5, 12, 2, p.stone);
        c.fill(2, 6, 12, 1, p.stoneDark);
        c.dot(1, 2, p.stoneDark);
        c.dot(14, 2, p.stoneDark);
    } else if (part == Part::Bottom) {
        c.fill(2, 10, 12, 2, p.stone);
        c.fill(2, 10, 12, 1, p.stoneLight);
        c.fill(0, 12, 16, 4, p.stone);
        c.fill(0, 12, 16, 1, p.stoneLight);
        c.fill(0, 15, 16, 1, p.stoneDark);
    }
    return done(c);
}

QImage platform(const Palette& p, QColor face, QColor light, QColor dark, Side side) {
    Canvas c = tile(p);
    c.fill(0, 0, 16, 8, face);
    c.fill(0, 0, 16, 1, light);
    c.fill(0, 7, 16, 1, dark);
    c.fill(15, 1, 1, 6, dark);
    for (int x : {4, 11}) {
        c.dot(x, 3, dark);
        c.dot(x, 4, dark);
        c.dot(x - 1, 3, light);
    }
    if (side != Side::Middle) {
        c.fill(0, 1, 1, 6, dark);
        c.dot(0, 0, p.sky);
        c.dot(0, 7, p.sky);
        c.fill(2, 8, 3, 2, dark);
    }
    return done(c, side == Side::Right);
}

QImage plank(const Palette& p) {
    Canvas c = tile(p);
    c.fill(0, 1, 16, 1, p.woodDark);
    for (int x : {2, 13})
        c.fill(x, 1, 1, 5, p.woodDark);
    c.fill(0, 6, 16, 5, p.wood);
    c.fill(0, 6, 16, 1, p.wood.lighter(130));
    c.fill(0, 10, 16, 1, p.woodDark);
    for (int x : {7, 15})
        c.fill(x, 6, 1, 5, p.woodDark);
    return done(c);
}

QImage post(const Palette& p) {
    Canvas c = tile(p);
    c.fill(0, 4, 16, 1, p.woodDark);
    c.fill(5, 2, 6, 14, p.wood);
    c.fill(5, 2, 1, 14, p.woodDark);
    c.fill(10, 2, 1, 14, p.woodDark);
    c.fill(6, 2, 1, 14, p.wood.lighter(130));
    c.oval(4, 0, 8, 4, p.woodDark);
    c.oval(5, 0, 6, 3, p.wood);
    c.fill(4, 5, 8, 2, p.woodDark);
    return done(c);
}

QImage stairs(const Palette& p, bool rising) {
    Canvas c = tile(p);
    for (int step = 0; step < 4; ++step) {
        const int x = step * 4, top = 12 - step * 4;
        c.fill(x, top, 4, Cell - top, p.stone);
        c.fill(x, top, 4, 1, p.stoneLight);
        c.fill(x, top, 1, Cell - top, p.stoneLight);
        c.fill(x + 3, top + 1, 1, 3, p.stoneDark);
    }
    c.fill(0, 15, 16, 1, p.stoneDark);
    return done(c, !rising);
}

QImage door(const Palette& p, Part part) {
    const QColor opening(28, 20, 20);
    Canvas c(Cell, Cell, p.stone);
    c.fill(0, 0, 1, 16, p.stoneLight);
    c.fill(15, 0, 1, 16, p.stoneDark);
    if (part == Part::Top) {
        c.fill(0, 0, 16, 1, p.stoneLight);
        c.oval(3, 4, 10, 10, opening);
        c.fill(3, 9, 10, 7, opening);
        c.fill(7, 0, 2, 3, p.accent);
        c.dot(8, 0, p.accentDark);
    } else {
        c.fill(3, 0, 10, 14, opening);
        c.fill(0, 14, 16, 2, p.stoneDark);
    }
    return done(c);
}

QImage windowSlit(const Palette& p) {
    Canvas c(Cell, Cell, p.stone);
    c.paste(0, 0, block(p, Mark::Plain));
    c.oval(6, 3, 4, 4, p.ink);
    c.fill(6, 5, 4, 8, p.ink);
    return done(c);
}

QImage torch(const Palette& p) {
    Canvas c = tile(p);
    c.fill(7, 9, 2, 7, p.woodDark);
    c.fill(4, 8, 8, 2, p.stoneDark);
    c.oval(5, 1, 6, 8, QColor(240, 112, 32));
    c.oval(6, 3, 4, 5, QColor(255, 216, 80));
    c.dot(8, 0, QColor(240, 112, 32));
    return done(c);
}

QImage girder(const Palette& p) {
    const QColor red(200, 72, 48), light(240, 140, 110), dark(120, 32, 24);
    Canvas c = tile(p);
    for (int y : {1, 12}) {
        c.fill(0, y, 16, 3, red);
        c.fill(0, y, 16, 1, light);
        c.fill(0, y + 2, 16, 1, dark);
    }
    c.line(0, 11, 7, 4, red);
    c.line(8, 4, 15, 11, red);
    c.line(1, 11, 7, 5, dark);
    c.line(9, 4, 15, 10, dark);
    for (int x : {3, 12}) {
        c.dot(x, 2, dark);
        c.dot(x, 13, dark);
    }
    return done(c);
}

QImage liftRail(const Palette& p) {
    Canvas c = tile(p);
    for (int y : {1, 5, 9, 13})
        c.fill(3, y, 10, 2, p.woodDark);
    c.fill(6, 0, 4, 16, p.stoneDark);
    c.fill(7, 0, 1, 16, p.stoneLight);
    return done(c);
}

QImage ladder(const Palette& p) {
    Canvas c = tile(p);
    for (int y : {2, 7, 12}) {
        c.fill(4, y, 8, 2, p.wood);
        c.fill(4, y + 1, 8, 1, p.woodDark);
    }
    for (int x : {2, 12}) {
        c.fill(x, 0, 2, 16, p.wood);
        c.fill(x + 1, 0, 1, 16, p.woodDark);
    }
    return done(c);
}

QImage chain(const Palette& p) {
    Canvas c = tile(p);
    for (int y : {0, 8}) {
        c.oval(4, y, 8, 8, p.stoneDark);
        c.oval(5, y + 1, 6, 6, p.stoneLight);
        c.oval(6, y + 2, 4, 4, p.sky);
    }
    for (int y : {-2, 6, 14}) {
        c.fill(7, y, 2, 4, p.stoneDark);
        c.fill(7, y, 1, 4, p.stone);
    }
    return done(c);
}

QImage rope(const Palette& p) {
    Canvas c = tile(p);
    for (int y = 0; y < Cell; ++y) {
        const int x = 7 + (y / 2) % 2;
        c.fill(x - 1, y, 3, 1, p.wood);
        c.dot(y % 4 < 2 ? x - 1 : x + 1, y, p.woodDark);
    }
    return done(c);
}

QImage fence(const Palette& p) {
    Canvas c = tile(p);
    for (int y : {5, 11}) {
        c.fill(0, y, 16, 2, p.wood);
        c.fill(0, y + 1, 16, 1, p.woodDark);
    }
    for (int x : {2, 10}) {
        c.fill(x, 2, 4, 14, p.wood);
        c.fill(x + 3, 2, 1, 14, p.woodDark);
        c.fill(x + 1, 1, 2, 1, p.wood);
        c.dot(x, 2, p.sky);
        c.dot(x + 3, 2, p.sky);
    }
    return done(c);
}

QImage spikes(const Palette& p) {
    constexpr double Width = Cell / 3.0;
    Canvas c = tile(p);
    for (double x = 0; x < Cell - 1; x += Width) {
        const double tip = x + Width / 2;
        c.polygon({{x, 12}, {tip, 2}, {tip, 12}}, p.stoneLight);
        c.polygon({{tip, 2}, {x + Width, 12}, {tip, 12}}, p.stoneDark);
    }
    c.fill(0, 12, 16, 4, p.stoneDark);
    c.fill(0, 12, 16, 1, p.stone);
    return done(c);
}

QImage waterTop(const Palette& p) {
    static constexpr int Wave[Cell] = {1, 0, 0, 1, 2, 2, 1, 0, 1, 0, 0, 1, 2, 2, 1, 0};
    Canvas c = tile(p);
    for (int x = 0; x < Cell; ++x) {
        const int top = 4 + Wave[x];
        c.fill(x, top, 1, Cell - top, p.water);
        c.dot(x, top, p.waterLight);
        if (Wave[x] == 0)
            c.dot(x, top, Qt::white);
    }
    c.fill(3, 10, 4, 1, p.waterLight);
    c.fill(10, 13, 4, 1, p.waterLight);
    return done(c);
}

QImage water(const Palette& p) {
    Canvas c(Cell, Cell, p.water);
    c.fill(2, 3, 4, 1, p.waterLight);
    c.fill(9, 7, 5, 1, p.waterLight);
    c.fill(3, 11, 4, 1, p.waterLight);
    c.fill(11, 14, 3, 1, p.waterLight);
    return done(c);
}

QImage waterfall(const Palette& p) {
    Canvas c(Cell, Cell, p.water);
    for (int x : {1, 6, 11}) {
        const int gap = (x * 5) % 16;
        c.fill(x, 0, 2, 16, p.waterLight);
        c.fill(x, gap, 2, 3, p.water);
        c.dot(x, (gap + 8) % 16, Qt::white);
    }
    return done(c);
}

QImage trunk(const Palette& p, bool palm) {
    Canvas c = tile(p);
    if (palm) {
        c.fill(5, 0, 6, 16, p.wood);
        c.fill(5, 0, 1, 16, p.woodDark);
        c.fill(10, 0, 1, 16, p.woodDark);
        for (int y : {1, 5, 9, 13}) {
            c.line(5, y, 7, y + 2, p.woodDark);
            c.line(8, y + 2, 10, y, p.woodDark);
        }
    } else {
        c.fill(4, 0, 8, 16, p.wood);
        c.fill(4, 0, 1, 16, p.woodDark);
        c.fill(11, 0, 1, 16, p.woodDark);
        c.fill(6, 2, 1, 5, p.woodDark);
        c.fill(9, 8, 1, 6, p.woodDark);
        c.fill(5, 0, 1, 16, p.wood.lighter(125));
    }
    return done(c);
}

QImage canopy(const Palette& p, int col, int row) {
    Canvas c(2 * Cell, 2 * Cell, p.sky);
    c.oval(0, 0, 32, 32, p.leafDark);
    c.oval(1, 1, 30, 29, p.leaf);
    c.oval(7, 5, 9, 6, p.leaf.lighter(125));
    for (Point d : {Point{6, 16}, Point{12, 22}, Point{20, 9}, Point{24, 18}, Point{16, 26},
                    Point{9, 11}, Point{18, 15}, Point{26, 12}})
        c.fill(d.x, d.y, 2, 1, p.leafDark);
    return piece(c, col, row);
}

QImage palmLeaves(const Palette& p, Side side) {
    Canvas c(3 * Cell, Cell, p.sky);
    const Point crown{24, 5};
    for (Point tip :
         {Point{1, 13}, Point{9, 15}, Point{46, 13}, Point{38, 15}, Point{6, 4}, Point{42, 4}}) {
        for (int dy = 0; dy < 3; ++dy)
            c.line(crown.x, crown.y + dy, tip.x, tip.y + dy / 2, dy == 2 ? p.leafDark : p.leaf);
    }
    c.oval(14, 1, 20, 8, p.leaf);
    c.oval(18, 2, 12, 4, p.leaf.lighter(125));
    c.oval(20, 8, 4, 4, p.woodDark);
    c.oval(24, 8, 4, 4, p.woodDark);
    const int col = static_cast<int>(side);
    return piece(c, col, 0);
}

QImage bush(const Palette& p) {
    Canvas c = tile(p);
    c.oval(0, 5, 16, 12, p.leafDark);
    c.oval(1, 6, 14, 10, p.leaf);
    c.oval(3, 7, 5, 3, p.leaf.lighter(125));
    c.fill(0, 15, 16, 1, p.leafDark);
    return done(c);
}

QImage vine(const Palette& p) {
    Canvas c = tile(p);
    for (int y = 0; y < Cell; ++y)
        c.fill(7 + ((y / 4) % 2), y, 2, 1, p.leafDark);
    for (Point leaf : {Point{3, 2}, Point{10, 6}, Point{3, 10}, Point{10, 13}}) {
        c.oval(leaf.x, leaf.y, 4, 3, p.leaf);
        c.dot(leaf.x + 1, leaf.y + 1, p.leafDark);
    }
    return done(c);
}

QImage pipe(PipeFacing facing, int col, int row) {
    const QColor green(56, 168, 64), light(150, 224, 120), dark(24, 104, 40), ink(8, 48, 16);
    Canvas c(2 * Cell, 2 * Cell);
    c.fill(2, 12, 28, 20, green);
    c.fill(2, 12, 1, 20, ink);
    c.fill(29, 12, 1, 20, ink);
    c.fill(5, 12, 3, 20, light);
    c.fill(10, 12, 1, 20, light);
    c.fill(22, 12, 5, 20, dark);
    c.fill(0, 0, 32, 12, green);
    c.frame(0, 0, 32, 12, ink);
    c.fill(3, 1, 3, 10, light);
    c.fill(8, 1, 1, 10, light);
    c.fill(24, 1, 5, 10, dark);
    QImage whole = c.opaque(palettes::universal().sky);
    if (facing == PipeFacing::Left)
        whole = whole.transformed(QTransform().rotate(-90));
    else if (facing == PipeFacing::Down)
        whole = whole.mirrored(false, true);
    return whole.copy(col * Cell, row * Cell, Cell, Cell);
}

QImage cloud(const Palette& p, Side side) {
    const QColor white(250, 250, 255), shade(206, 222, 242), rim(150, 170, 204);
    Canvas c(3 * Cell, Cell, p.sky);
    struct Puff {
        int x, y, w, h;
    };
    constexpr Puff Puffs[] = {{0, 5, 16, 12}, {8, 0, 16, 15}, {21, 2, 14, 13}, {32, 5, 16, 12}};
    for (Puff f : Puffs)
        c.oval(f.x, f.y, f.w, f.h, rim);
    c.fill(4, 10, 40, 6, rim);
    for (Puff f : Puffs)
        c.oval(f.x + 1, f.y + 1, f.w - 2, f.h - 2, white);
    c.fill(5, 10, 38, 5, white);
    c.fill(5, 13, 38, 2, shade);
    const int col = static_cast<int>(side);
    return piece(c, col, 0);
}

QImage cloudFill(const Palette& p, bool bottom) {
    const QColor white(250, 250, 255), shade(206, 222, 242), rim(150, 170, 204);
    if (!bottom) {
        Canvas c(Cell, Cell, white);
        c.oval(2, 3, 6, 3, shade);
        c.oval(9, 9, 5, 3, shade);
        return done(c);
    }
    Canvas c = tile(p);
    for (int x : {-3, 3, 9})
        c.oval(x, 0, 10, 14, rim);
    for (int x : {-2, 4, 10})
        c.oval(x, 0, 8, 13, white);
    c.fill(0, 0, 16, 6, white);
    for (int x : {-2, 4, 10})
        c.fill(x + 2, 11, 4, 1, shade);
    return done(c);
}

} // namespace draw
