#include "WorldScenery.h"

#include "TileKit.h"

#include <array>
#include <cmath>

namespace draw {

using kit::done;
using kit::piece;
using kit::tile;

namespace {

int columnOf(Side side) {
    return static_cast<int>(side);
}

// Sandstone courses, then everything above the line `top(x)` given back to the sky.
template <typename Top> void brickMound(Canvas& c, const Palette& p, Top top) {
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const int course = y / 4, joint = (x + (course % 2) * 4) % 8;
            QColor colour = p.stone;
            if (y % 4 == 3 || joint == 7)
                colour = p.stoneDark;
            else if (y % 4 == 0)
                colour = p.stoneLight;
            c.dot(x, y, y < top(x) ? p.sky : y == top(x) ? p.stoneLight : colour);
        }
    }
}

// Swaps every pixel of colour `from` on even pairs of rows for `to`: stripes on a headdress.
void stripe(Canvas& c, QColor from, QColor to) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if ((y / 2) % 2 == 1 && c.image().pixelColor(x, y) == from)
                c.dot(x, y, to);
}

const QColor Gold(236, 188, 56), GoldLight(255, 232, 140), GoldDark(160, 110, 20);
const QColor Tile(64, 96, 112), TileLight(110, 150, 164), TileDark(34, 56, 70);

} // namespace

QImage pyramid(const Palette& p, Side side) {
    Canvas c = tile(p);
    if (side == Side::Middle)
        brickMound(c, p, [](int x) { return x < 8 ? 14 - 2 * x : 2 * x - 16; });
    else
        brickMound(c, p, [](int x) { return 15 - x; });
    return done(c, side == Side::Right);
}

QImage cactus(const Palette& p, Part part) {
    const QColor spine(248, 244, 210);
    Canvas c = tile(p);
    if (part == Part::Bottom) {
        c.fill(0, 7, 6, 4, p.leafDark);
        c.fill(0, 8, 5, 2, p.leaf);
        c.oval(0, 0, 4, 5, p.leafDark);
        c.fill(0, 2, 4, 7, p.leafDark);
        c.fill(1, 1, 2, 8, p.leaf);
    }
    const int top = part == Part::Top ? 4 : 0;
    if (part == Part::Top) {
        c.oval(4, 0, 8, 8, p.leafDark);
        c.oval(5, 1, 6, 7, p.leaf);
    }
    c.fill(4, top, 8, 16 - top, p.leaf);
    c.fill(4, top, 1, 16 - top, p.leafDark);
    c.fill(11, top, 1, 16 - top, p.leafDark);
    c.fill(7, top, 1, 16 - top, p.leafDark);
    c.fill(5, top, 1, 16 - top, p.leaf.lighter(130));
    for (QPoint s : {QPoint{3, 5}, QPoint{12, 8}, QPoint{3, 12}, QPoint{12, 14}, QPoint{9, 3}})
        c.dot(s.x(), s.y(), spine);
    return done(c);
}

QImage sphinx(const Palette& p, int col, int row) {
    Canvas c(32, 32, p.sky);
    c.oval(3, 0, 26, 18, p.accent);
    c.fill(3, 9, 7, 23, p.accent);
    c.fill(22, 9, 7, 23, p.accent);
    c.fill(13, 25, 6, 7, p.accent);
    stripe(c, p.accent, Gold);
    c.fill(9, 7, 14, 16, p.stone);
    c.oval(9, 14, 14, 12, p.stone);
    c.fill(9, 7, 14, 2, p.stoneDark);
    c.fill(11, 11, 4, 1, p.stoneDark);
    c.fill(17, 11, 4, 1, p.stoneDark);
    c.fill(12, 12, 2, 2, p.ink);
    c.fill(18, 12, 2, 2, p.ink);
    c.fill(15, 13, 2, 6, p.stoneLight);
    c.fill(17, 14, 1, 5, p.stoneDark);
    c.fill(14, 19, 4, 1, p.stoneDark);
    c.fill(13, 22, 6, 1, p.stoneDark);
    c.fill(15, 2, 2, 4, Gold);
    c.dot(15, 2, GoldDark);
    return piece(c, col, row);
}

QImage obelisk(const Palette& p, Part part) {
    Canvas c = tile(p);
    const int top = part == Part::Top ? 6 : 0;
    c.fill(4, top, 8, 16 - top, p.stone);
    c.fill(4, top, 1, 16 - top, p.stoneLight);
    c.fill(11, top, 1, 16 - top, p.stoneDark);
    if (part == Part::Top) {
        c.polygon({{8, 0}, {12.5, 6.5}, {3.5, 6.5}}, Gold);
        c.line(8, 0, 4, 6, GoldLight);
        c.fill(7, 9, 2, 2, p.accentDark);
        c.fill(6, 13, 4, 1, p.accentDark);
    } else {
        for (int y : {1, 5, 9, 13})
            c.fill(7, y, 2, 2, p.accentDark);
        c.fill(6, 4, 4, 1, p.accentDark);
        c.fill(6, 11, 4, 1, p.accentDark);
    }
    return done(c);
}

QImage urn(const Palette& p) {
    const QColor clay(196, 104, 60), light(236, 156, 104), dark(136, 64, 32);
    Canvas c = tile(p);
    // clang-format off
    c.sprite(0, 0,
             {
              "................",
              ".....oooooo.....",
              "....oddddddo....",
              ".....occcco.....",
              "......occo......",
              "....occcccco....",
              "...ocllccccdo...",
              "..ocllcccccddo..",
              "..obbbbbbbbbbo..",
              "..oclccccccddo..",
              "..occcccccccdo..",
              "...occcccccdo...",
              "....occcccdo....",
              ".....occcco.....",
              "....oddddddo....",
              "....oooooooo...."},
             {{'o', p.ink}, {'c', clay}, {'l', light}, {'d', dark}, {'b', p.accent}});
    // clang-format on
    return done(c);
}

QImage quicksand(const Palette& p) {
    Canvas c(16, 16, p.earth);
    c.oval(0, 2, 16, 13, p.earthDark);
    c.oval(2, 4, 12, 9, p.earth);
    c.oval(4, 6, 8, 5, p.earthDark);
    c.oval(6, 7, 4, 3, p.earth);
    c.fill(0, 0, 16, 2, p.crust);
    c.fill(0, 0, 16, 1, p.crustLight);
    return done(c);
}

QImage reeds(const Palette& p) {
    Canvas c = tile(p);
    struct Blade {
        int x0, x1, top;
    };
    for (Blade b :
         {Blade{2, 1, 5}, Blade{5, 6, 1}, Blade{8, 9, 4}, Blade{11, 13, 2}, Blade{14, 15, 7}})
        c.line(b.x0, 15, b.x1, b.top, b.x0 % 2 ? p.leaf : p.leafDark);
    c.fill(5, 2, 2, 4, p.woodDark);
    c.fill(12, 3, 2, 4, p.woodDark);
    return done(c);
}

QImage coral(const Palette& p, bool fan) {
    Canvas c = tile(p);
    if (fan) {
        c.oval(1, 1, 14, 16, p.accentDark);
        c.oval(2, 2, 12, 14, p.accent);
        for (int x : {2, 5, 8, 11, 14})
            c.line(8, 14, x, 3, p.accentDark);
        c.fill(0, 11, 16, 5, p.sky);
        c.fill(7, 10, 2, 6, p.accentDark);
        return done(c);
    }
    struct Twig {
        int x0, y0, x1, y1;
    };
    for (Twig t : {Twig{7, 15, 7, 6}, Twig{7, 10, 3, 5}, Twig{3, 5, 3, 1}, Twig{7, 8, 12, 4},
                   Twig{12, 4, 12, 1}, Twig{7, 6, 8, 2}, Twig{3, 8, 1, 5}}) {
        c.line(t.x0, t.y0, t.x1, t.y1, p.accent);
        c.line(t.x0 + 1, t.y0, t.x1 + 1, t.y1, p.accentDark);
    }
    for (QPoint tip : {QPoint{3, 1}, QPoint{12, 1}, QPoint{8, 2}, QPoint{1, 5}})
        c.dot(tip.x(), tip.y(), p.accent.lighter(130));
    return done(c);
}

QImage seaweed(const Palette& p, bool top) {
    static constexpr int Wave[16] = {0, 1, 2, 2, 1, 0, -1, -1, 0, 1, 2, 2, 1, 0, -1, -1};
    Canvas c = tile(p);
    const int start = top ? 3 : 0;
    for (int y = start; y < 16; ++y) {
        c.fill(4 + Wave[y], y, 3, 1, p.leaf);
        c.dot(4 + Wave[y], y, p.leafDark);
        c.fill(10 - Wave[(y + 4) % 16], y, 3, 1, p.leaf);
        c.dot(12 - Wave[(y + 4) % 16], y, p.leafDark);
    }
    if (top) {
        c.oval(3, 0, 5, 5, p.leaf);
        c.oval(9, 1, 5, 5, p.leaf);
        c.dot(5, 1, p.leaf.lighter(130));
        c.dot(11, 2, p.leaf.lighter(130));
    }
    return done(c);
}

QImage shell(const Palette& p) {
    const QColor body(248, 196, 170), light(255, 230, 214), dark(200, 110, 96);
    Canvas c = tile(p);
    c.oval(0, 1, 16, 16, dark);
    c.oval(1, 2, 14, 14, body);
    c.fill(0, 11, 16, 5, p.sky);
    for (int x : {2, 5, 8, 11, 14})
        c.line(8, 11, x, 3, dark);
    c.oval(4, 3, 4, 3, light);
    c.fill(5, 10, 6, 4, dark);
    c.fill(6, 10, 4, 3, body);
    return done(c);
}

QImage starfish(const Palette& p) {
    const QColor orange(244, 144, 64), dark(176, 72, 32);
    std::vector<QPointF> star, rim;
    constexpr std::array<QPointF, 10> Unit = {{{0, -1},
                                               {0.26, -0.36},
                                               {0.95, -0.31},
                                               {0.42, 0.14},
                                               {0.59, 0.81},
                                               {0, 0.44},
                                               {-0.59, 0.81},
                                               {-0.42, 0.14},
                                               {-0.95, -0.31},
                                               {-0.26, -0.36}}};
    for (QPointF u : Unit) {
        rim.push_back(QPointF(8, 8.5) + u * 8.2);
        star.push_back(QPointF(8, 8.5) + u * 6.8);
    }
    Canvas c = tile(p);
    c.polygon(rim, dark);
    c.polygon(star, orange);
    for (QPoint d :
         {QPoint{8, 4}, QPoint{8, 7}, QPoint{5, 8}, QPoint{11, 8}, QPoint{6, 11}, QPoint{10, 11}})
        c.dot(d.x(), d.y(), GoldLight);
    return done(c);
}

QImage urchin(const Palette& p) {
    const QColor body(70, 40, 90), spike(30, 16, 40);
    Canvas c = tile(p);
    for (QPoint tip : {QPoint{8, 0}, QPoint{15, 8}, QPoint{0, 8}, QPoint{2, 2}, QPoint{13, 2},
                       QPoint{2, 14}, QPoint{13, 14}, QPoint{5, 0}, QPoint{11, 0}, QPoint{15, 5},
                       QPoint{0, 5}, QPoint{15, 12}, QPoint{0, 12}})
        c.line(8, 9, tip.x(), tip.y(), spike);
    c.oval(3, 4, 10, 10, spike);
    c.oval(4, 5, 8, 8, body);
    c.dot(6, 7, QColor(180, 140, 210));
    return done(c);
}

QImage bubbles(const Palette& p) {
    Canvas c(16, 16, p.water);
    struct Bubble {
        int x, y, size;
    };
    for (Bubble b : {Bubble{2, 9, 6}, Bubble{9, 3, 5}, Bubble{10, 11, 3}, Bubble{4, 2, 3}}) {
        c.oval(b.x, b.y, b.size, b.size, p.waterLight);
        c.oval(b.x + 1, b.y + 1, b.size - 2, b.size - 2, p.water);
        c.dot(b.x + 1, b.y + 1, Qt::white);
    }
    return done(c);
}

QImage hull(const Palette& p, bool porthole) {
    Canvas c(16, 16, p.wood);
    for (int y : {3, 7, 11, 15})
        c.fill(0, y, 16, 1, p.woodDark);
    for (int y : {0, 4, 8, 12})
        c.fill(0, y, 16, 1, p.wood.lighter(125));
    for (QPoint n : {QPoint{2, 1}, QPoint{13, 5}, QPoint{2, 9}, QPoint{13, 13}})
        c.dot(n.x(), n.y(), p.woodDark);
    if (porthole) {
        c.oval(2, 2, 12, 12, GoldDark);
        c.oval(3, 3, 10, 10, Gold);
        c.oval(5, 5, 6, 6, p.waterLight);
        c.dot(6, 6, Qt::white);
    }
    return done(c);
}

QImage chest(const Palette& p) {
    Canvas c = tile(p);
    c.oval(1, 2, 14, 10, p.woodDark);
    c.oval(2, 3, 12, 8, p.wood);
    c.fill(1, 7, 14, 8, p.woodDark);
    c.fill(2, 8, 12, 6, p.wood);
    c.fill(1, 7, 14, 1, p.woodDark);
    for (int x : {3, 11})
        c.fill(x, 2, 2, 13, Gold);
    c.fill(7, 8, 2, 3, Gold);
    c.dot(7, 9, p.ink);
    return done(c);
}

QImage pearl(const Palette& p) {
    const QColor body(248, 196, 170), dark(200, 110, 96);
    Canvas c = tile(p);
    c.oval(0, 6, 16, 10, dark);
    c.oval(1, 7, 14, 8, body);
    c.fill(0, 6, 16, 4, p.sky);
    c.fill(1, 9, 14, 1, dark);
    c.oval(4, 2, 8, 8, QColor(200, 196, 214));
    c.oval(5, 3, 6, 6, QColor(246, 244, 252));
    c.dot(6, 4, Qt::white);
    return done(c);
}

QImage glassBlock(const Palette& p) {
    Canvas c(16, 16, p.waterLight.lighter(115));
    c.frame(0, 0, 16, 16, p.water.darker(130));
    c.frame(1, 1, 14, 14, p.waterLight);
    c.line(3, 10, 10, 3, Qt::white);
    c.line(5, 12, 12, 5, QColor(230, 244, 255));
    return done(c);
}

QImage net(const Palette& p) {
    const QColor cord(196, 170, 110), knot(120, 90, 40);
    Canvas c = tile(p);
    for (int k = -15; k < 16; k += 6) {
        c.line(k, 0, k + 15, 15, cord);
        c.line(k + 15, 0, k, 15, cord);
    }
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if ((x - y + 15) % 6 == 0 && (x + y) % 6 == 0)
                c.dot(x, y, knot);
    return done(c);
}

QImage buoy(const Palette& p) {
    Canvas c = tile(p);
    c.fill(7, 0, 2, 4, p.ink);
    c.oval(2, 3, 12, 10, p.ink);
    c.oval(3, 4, 10, 8, QColor(228, 48, 40));
    c.fill(3, 7, 10, 2, Qt::white);
    c.dot(5, 5, QColor(255, 160, 150));
    c.fill(0, 12, 16, 4, p.water);
    c.fill(0, 12, 16, 1, p.waterLight);
    return done(c);
}

QImage ceiling(const Palette& p, bool icicles) {
    Canvas c = tile(p);
    c.fill(0, 0, 16, 6, p.stone);
    c.fill(0, 0, 16, 1, p.stoneDark);
    for (QPoint d : {QPoint{3, 2}, QPoint{10, 3}, QPoint{13, 1}})
        c.dot(d.x(), d.y(), p.stoneLight);
    for (int x = 0; x < 16; ++x)
        c.fill(x, 6, 1, (x * 7) % 3, p.stone);
    if (icicles) {
        c.polygon({{1, 6}, {7, 6}, {4, 15}}, p.stone);
        c.polygon({{9, 6}, {15, 6}, {12, 12}}, p.stone);
        c.line(4, 7, 4, 13, p.stoneLight);
        c.line(11, 7, 11, 10, p.stoneLight);
    }
    return done(c);
}

QImage darkRock(const Palette& p) {
    Canvas c(16, 16, p.stoneDark);
    for (QPoint d :
         {QPoint{2, 3}, QPoint{9, 1}, QPoint{13, 7}, QPoint{5, 10}, QPoint{11, 13}, QPoint{1, 14}})
        c.fill(d.x(), d.y(), 2, 1, p.stone);
    for (QPoint d : {QPoint{6, 5}, QPoint{14, 11}, QPoint{3, 7}})
        c.dot(d.x(), d.y(), p.ink);
    return done(c);
}

QImage boulder(const Palette& p, int col, int row) {
    Canvas c(32, 32, p.sky);
    c.oval(0, 1, 32, 31, p.stoneDark);
    c.oval(1, 2, 30, 28, p.stone);
    c.oval(6, 5, 12, 8, p.stoneLight);
    c.line(20, 8, 24, 16, p.stoneDark);
    c.line(24, 16, 21, 24, p.stoneDark);
    c.line(8, 20, 13, 23, p.stoneDark);
    c.fill(2, 29, 28, 3, p.stoneDark);
    return piece(c, col, row);
}

QImage statue(const Palette& p, int col, int row) {
    Canvas c(32, 48, p.sky);
    c.oval(4, 0, 24, 14, p.stoneDark);
    c.fill(4, 6, 24, 42, p.stoneDark);
    c.oval(5, 1, 22, 12, p.stone);
    c.fill(5, 6, 22, 42, p.stone);
    c.fill(5, 2, 3, 44, p.stoneLight);
    c.fill(4, 12, 24, 3, p.stoneLight);
    c.fill(6, 15, 20, 2, p.stoneDark);
    c.fill(8, 16, 5, 4, p.ink);
    c.fill(19, 16, 5, 4, p.ink);
    c.fill(14, 15, 4, 15, p.stone);
    c.fill(14, 15, 1, 15, p.stoneLight);
    c.fill(17, 16, 1, 14, p.stoneDark);
    c.fill(12, 29, 8, 2, p.stoneDark);
    c.fill(9, 34, 14, 2, p.stoneDark);
    c.fill(10, 37, 12, 1, p.stoneDark);
    c.fill(1, 16, 3, 14, p.stoneDark);
    c.fill(28, 16, 3, 14, p.stoneDark);
    c.fill(4, 44, 24, 4, p.stoneDark);
    return piece(c, col, row);
}

QImage stalagmite(const Palette& p, bool hanging) {
    Canvas c = tile(p);
    c.polygon({{1, 16}, {15, 16}, {8, 0}}, p.stone);
    c.polygon({{8.5, 1}, {15, 16}, {10, 16}}, p.stoneDark);
    c.line(7, 3, 4, 14, p.stoneLight);
    c.fill(0, 15, 16, 1, p.stoneDark);
    QImage image = done(c);
    return hanging ? image.mirrored(false, true) : image;
}

QImage crystal(const Palette& p) {
    Canvas c(16, 16, p.stoneDark);
    c.polygon({{2, 16}, {6, 16}, {5, 5}, {3, 3}}, p.accent);
    c.polygon({{6, 16}, {11, 16}, {10, 2}, {8, 0}, {6, 3}}, p.accent.lighter(120));
    c.polygon({{10, 16}, {15, 16}, {14, 7}, {12, 5}}, p.accentDark);
    c.line(8, 2, 8, 13, Qt::white);
    c.line(4, 5, 4, 12, p.accent.lighter(150));
    return done(c);
}

QImage fossil(const Palette& p) {
    Canvas c(16, 16, p.stone);
    c.paste(0, 0, block(p, Mark::Plain));
    c.oval(3, 3, 10, 10, p.earthDark);
    c.oval(4, 4, 8, 8, p.earthLight);
    c.oval(5, 5, 6, 6, p.earthDark);
    c.oval(6, 6, 4, 4, p.earthLight);
    c.fill(7, 7, 2, 2, p.earthDark);
    for (QPoint r : {QPoint{8, 3}, QPoint{12, 8}, QPoint{8, 12}, QPoint{3, 8}})
        c.dot(r.x(), r.y(), p.earthLight);
    return done(c);
}

QImage arch(const Palette& p, Side side) {
    Canvas c(48, 16, p.stone);
    c.fill(0, 0, 48, 1, p.stoneLight);
    c.oval(2, 2, 44, 28, p.stoneDark);
    c.oval(3, 3, 42, 26, p.stoneLight);
    for (double degrees : {25.0, 50.0, 70.0, 110.0, 130.0, 155.0}) {
        const double a = degrees * M_PI / 180;
        c.line(int(24 + 16 * std::cos(a)), int(16 - 9 * std::sin(a)), int(24 + 21 * std::cos(a)),
               int(16 - 13 * std::sin(a)), p.stoneDark);
    }
    c.oval(8, 7, 32, 18, p.stoneDark);
    c.oval(9, 8, 30, 16, p.sky);
    c.fill(21, 1, 6, 7, p.stoneLight);
    c.frame(21, 1, 6, 7, p.stoneDark);
    return piece(c, columnOf(side), 0);
}

QImage crate(const Palette& p) {
    Canvas c(16, 16, p.wood);
    c.frame(0, 0, 16, 16, p.woodDark);
    c.frame(1, 1, 14, 14, p.woodDark);
    c.line(2, 2, 13, 13, p.woodDark);
    c.line(2, 3, 12, 13, p.woodDark);
    c.line(13, 2, 2, 13, p.wood.lighter(125));
    for (int y : {5, 10})
        c.fill(2, y, 12, 1, p.wood.darker(115));
    return done(c);
}

QImage gateBars(const Palette& p) {
    Canvas c = tile(p);
    for (int y : {2, 12})
        c.fill(0, y, 16, 2, p.stoneDark);
    for (int x : {1, 5, 9, 13}) {
        c.fill(x, 0, 2, 16, p.stoneDark);
        c.fill(x, 0, 1, 16, p.stoneLight);
    }
    return done(c);
}

QImage rubble(const Palette& p) {
    Canvas c = tile(p);
    struct Stone {
        int x, y, w, h;
    };
    for (Stone s : {Stone{0, 10, 7, 6}, Stone{6, 11, 6, 5}, Stone{11, 9, 5, 7}, Stone{4, 6, 6, 5},
                    Stone{9, 5, 4, 4}}) {
        c.oval(s.x, s.y, s.w, s.h, p.stoneDark);
        c.oval(s.x + 1, s.y + 1, s.w - 2, s.h - 2, p.stone);
        c.dot(s.x + 1, s.y + 1, p.stoneLight);
    }
    return done(c);
}

QImage grassTuft(const Palette& p) {
    Canvas c = tile(p);
    for (int x = 0; x < 16; ++x) {
        const int height = 3 + (x * 5) % 7;
        c.fill(x, 16 - height, 1, height, x % 3 == 0 ? p.crustLight : p.crust);
    }
    c.fill(0, 14, 16, 2, p.earth);
    return done(c);
}

QImage branch(const Palette& p, Side side) {
    Canvas c = tile(p);
    c.fill(0, 7, 16, 4, p.wood);
    c.fill(0, 10, 16, 1, p.woodDark);
    c.fill(0, 7, 16, 1, p.wood.lighter(125));
    c.line(6, 7, 3, 3, p.wood);
    c.oval(0, 0, 7, 5, p.leafDark);
    c.oval(1, 1, 5, 3, p.leaf);
    c.fill(12, 5, 4, 8, p.woodDark);
    return done(c, side == Side::Right);
}

QImage mossBlock(const Palette& p) {
    Canvas c(16, 16, p.stone);
    c.paste(0, 0, block(p, Mark::Plain));
    c.fill(0, 0, 16, 3, p.crust);
    c.fill(0, 0, 16, 1, p.crustLight);
    for (QPoint drip : {QPoint{2, 3}, QPoint{3, 4}, QPoint{7, 3}, QPoint{11, 3}, QPoint{12, 4},
                        QPoint{12, 5}, QPoint{14, 3}})
        c.dot(drip.x(), drip.y(), p.crust);
    return done(c);
}

QImage bamboo(const Palette& p, Part part) {
    Canvas c = tile(p);
    c.fill(6, 0, 5, 16, p.leaf);
    c.fill(6, 0, 1, 16, p.leafDark);
    c.fill(10, 0, 1, 16, p.leafDark);
    c.fill(7, 0, 1, 16, p.leaf.lighter(130));
    if (part == Part::Bottom) {
        c.fill(5, 7, 7, 2, p.leafDark);
        c.fill(6, 7, 5, 1, p.leaf.lighter(130));
    } else if (part == Part::Top) {
        c.fill(5, 11, 7, 2, p.leafDark);
        c.polygon({{7, 6}, {0, 2}, {1, 5}}, p.leaf);
        c.polygon({{10, 4}, {16, 0}, {15, 3}}, p.leaf);
        c.polygon({{10, 10}, {16, 8}, {14, 11}}, p.leafDark);
    }
    return done(c);
}

QImage roof(const Palette& p, Side side) {
    Canvas c(48, 16, p.sky);
    c.polygon({{0, 5}, {4, 9}, {10, 3}, {38, 3}, {44, 9}, {48, 5}, {46, 13}, {2, 13}}, Tile);
    for (int x = 3; x < 46; x += 3)
        c.line(x, 4, x, 12, TileDark);
    c.fill(8, 2, 32, 2, TileLight);
    c.fill(2, 12, 44, 2, p.accent);
    c.fill(2, 14, 44, 1, p.accentDark);
    return piece(c, columnOf(side), 0);
}

QImage roofRidge(const Palette& p) {
    Canvas c = tile(p);
    c.fill(0, 8, 16, 8, Tile);
    for (int x = 1; x < 16; x += 3)
        c.fill(x, 9, 1, 7, TileDark);
    c.fill(0, 4, 16, 4, TileDark);
    c.fill(0, 4, 16, 1, TileLight);
    c.oval(6, 0, 4, 5, Gold);
    return done(c);
}

QImage roofTiles(const Palette&) {
    Canvas c(16, 16, Tile);
    for (int x = 0; x < 16; x += 4) {
        c.fill(x, 0, 1, 16, TileDark);
        c.fill(x + 1, 0, 1, 16, TileLight);
    }
    for (int y = 4; y < 16; y += 5)
        c.fill(0, y, 16, 1, TileDark);
    return done(c);
}

QImage eave(const Palette& p, Side side) {
    Canvas c = tile(p);
    c.polygon({{0, 2}, {5, 8}, {16, 8}, {16, 14}, {3, 14}}, Tile);
    c.line(0, 2, 5, 8, TileLight);
    c.fill(5, 8, 11, 1, TileLight);
    c.fill(3, 13, 13, 3, p.accent);
    return done(c, side == Side::Right);
}

QImage lattice(const Palette& p) {
    const QColor paper(250, 236, 200);
    Canvas c(16, 16, paper);
    c.frame(0, 0, 16, 16, p.accentDark);
    c.frame(1, 1, 14, 14, p.accent);
    for (int k : {4, 8, 11}) {
        c.fill(k, 2, 1, 12, p.accent);
        c.fill(2, k, 12, 1, p.accent);
    }
    return done(c);
}

QImage templeWall(const Palette& p) {
    const QColor plaster(240, 232, 220), shade(214, 202, 188);
    Canvas c(16, 16, plaster);
    c.fill(0, 0, 16, 1, shade);
    c.dot(4, 4, shade);
    c.dot(11, 7, shade);
    c.fill(0, 11, 16, 5, p.accent);
    c.fill(0, 11, 16, 1, p.accentDark);
    return done(c);
}

QImage lacquerPillar(const Palette& p, bool top) {
    Canvas c = tile(p);
    c.fill(3, 0, 10, 16, p.accent);
    c.fill(3, 0, 1, 16, p.accentDark);
    c.fill(12, 0, 1, 16, p.accentDark);
    c.fill(5, 0, 2, 16, p.accent.lighter(130));
    if (top) {
        c.fill(0, 0, 16, 3, Gold);
        c.fill(2, 3, 12, 3, GoldDark);
        c.fill(0, 0, 16, 1, GoldLight);
        c.fill(5, 4, 6, 1, Gold);
    }
    return done(c);
}

QImage goldTile(const Palette&) {
    Canvas c(16, 16, Gold);
    c.bevel(0, 0, 16, 16, GoldLight, GoldDark);
    c.frame(3, 3, 10, 10, GoldDark);
    c.frame(5, 5, 6, 6, GoldDark);
    c.fill(7, 7, 2, 2, GoldDark);
    c.fill(8, 3, 1, 3, Gold);
    return done(c);
}

QImage jadeBlock(const Palette&) {
    const QColor jade(72, 176, 128), light(150, 222, 180), dark(30, 110, 76);
    Canvas c(16, 16, jade);
    c.bevel(0, 0, 16, 16, light, dark);
    c.bevel(1, 1, 14, 14, light, dark);
    c.oval(4, 4, 8, 8, dark);
    c.oval(5, 5, 6, 6, light);
    c.oval(7, 7, 2, 2, dark);
    return done(c);
}

QImage scales(const Palette&) {
    const QColor scale(64, 150, 90), light(140, 210, 150), dark(24, 80, 50);
    Canvas c(16, 16, dark);
    for (int y = -2; y < 16; y += 4)
        for (int x = (y / 4) % 2 == 0 ? 0 : -4; x < 16; x += 8) {
            c.oval(x, y, 8, 7, dark);
            c.oval(x + 1, y, 6, 6, scale);
            c.fill(x + 2, y + 1, 2, 1, light);
        }
    return done(c);
}

QImage lantern(const Palette& p) {
    Canvas c = tile(p);
    c.fill(7, 0, 2, 2, p.ink);
    c.fill(5, 2, 6, 2, Gold);
    c.oval(2, 3, 12, 10, p.accentDark);
    c.oval(3, 3, 10, 10, p.accent);
    c.fill(7, 3, 2, 10, p.accentDark);
    c.oval(4, 5, 3, 4, p.accent.lighter(140));
    c.fill(5, 12, 6, 2, Gold);
    c.fill(7, 14, 2, 2, Gold);
    return done(c);
}

QImage battlement(const Palette& p) {
    Canvas c = tile(p);
    c.fill(0, 8, 16, 8, p.stone);
    for (int x : {0, 10}) {
        c.fill(x, 2, 6, 6, p.stone);
        c.fill(x, 2, 6, 1, p.stoneLight);
        c.fill(x + 5, 2, 1, 6, p.stoneDark);
    }
    c.fill(6, 8, 4, 1, p.stoneLight);
    c.fill(0, 12, 16, 1, p.stoneDark);
    c.fill(7, 8, 1, 4, p.stoneDark);
    c.fill(3, 13, 1, 3, p.stoneDark);
    c.fill(11, 13, 1, 3, p.stoneDark);
    return done(c);
}

QImage pine(const Palette& p, Side side) {
    Canvas c(32, 16, p.sky);
    for (int layer = 0; layer < 3; ++layer) {
        const double top = layer * 4.0, half = 7.0 + layer * 4.5;
        c.polygon({{16, top}, {16 + half, top + 7}, {16 - half, top + 7}}, p.leafDark);
        c.polygon({{16, top + 1}, {15 + half, top + 6}, {17 - half, top + 6}}, p.leaf);
    }
    c.fill(14, 14, 4, 2, p.wood);
    return piece(c, side == Side::Left ? 0 : 1, 0);
}

QImage blossom(const Palette& p) {
    const QColor petal(250, 170, 200), heart(200, 60, 110);
    Canvas c = tile(p);
    c.line(0, 12, 15, 5, p.woodDark);
    c.line(0, 13, 15, 6, p.wood);
    c.line(8, 9, 6, 3, p.woodDark);
    for (QPoint f : {QPoint{3, 7}, QPoint{10, 3}, QPoint{12, 9}, QPoint{5, 1}}) {
        c.oval(f.x() - 2, f.y() - 2, 5, 5, petal);
        c.dot(f.x(), f.y(), heart);
    }
    return done(c);
}

QImage thunderCloud(const Palette& p) {
    const QColor grey(120, 124, 140), light(170, 174, 190), dark(70, 72, 88);
    Canvas c = tile(p);
    c.oval(0, 3, 9, 8, dark);
    c.oval(4, 0, 10, 10, dark);
    c.oval(8, 3, 8, 8, dark);
    c.oval(1, 4, 7, 6, grey);
    c.oval(5, 1, 8, 8, grey);
    c.oval(9, 4, 6, 6, grey);
    c.oval(6, 2, 4, 3, light);
    c.polygon({{8, 8}, {11, 8}, {9, 11}, {11, 11}, {6, 16}, {7.5, 12}, {6, 12}}, Gold);
    return done(c);
}

QImage cloudBlock(const Palette& p) {
    const QColor white(250, 250, 255), shade(206, 222, 242), rim(150, 170, 204);
    Canvas c = tile(p);
    c.oval(0, 0, 16, 16, rim);
    c.fill(2, 0, 12, 16, rim);
    c.fill(0, 2, 16, 12, rim);
    c.oval(1, 1, 14, 14, white);
    c.fill(2, 1, 12, 14, white);
    c.fill(1, 2, 14, 12, white);
    c.fill(2, 11, 12, 3, shade);
    return done(c);
}

QImage lionHead(const Palette& p) {
    const QColor mane(196, 132, 40), face(236, 208, 150);
    Canvas c = tile(p);
    // clang-format off
    c.sprite(0, 0,
             {
              "..oo..oooo..oo..",
              ".ommooommoommmo.",
              "ommmmmmmmmmmmmmo",
              "ommmoffffffommmo",
              "ommoffffffffommo",
              "omofeeffffeefomo",
              "omofeeffffeefomo",
              "omoffffnnffffomo",
              "ommofffnnfffommo",
              "ommofnnnnnnfommo",
              "ommmofrrrrfommmo",
              ".ommmoffffommmo.",
              ".ommmmoooommmmo.",
              "..ommmmmmmmmmo..",
              "...oommmmmmoo...",
              ".....oooooo....."},
             {{'o', p.ink},
              {'m', mane},
              {'f', face},
              {'e', p.ink},
              {'n', p.stoneDark},
              {'r', p.accent}});
    // clang-format on
    return done(c);
}

QImage drum(const Palette& p) {
    const QColor skin(246, 226, 180);
    Canvas c = tile(p);
    c.fill(2, 4, 12, 10, p.accent);
    c.oval(2, 10, 12, 5, p.accent);
    c.oval(2, 1, 12, 6, p.accentDark);
    c.oval(3, 2, 10, 4, skin);
    for (int x : {3, 6, 9, 12}) {
        c.dot(x, 7, Gold);
        c.dot(x, 12, Gold);
    }
    c.fill(2, 4, 1, 9, p.accentDark);
    c.fill(13, 4, 1, 9, p.accentDark);
    return done(c);
}

QImage gong(const Palette& p) {
    Canvas c = tile(p);
    c.fill(0, 1, 16, 2, p.woodDark);
    c.fill(0, 1, 2, 15, p.woodDark);
    c.fill(14, 1, 2, 15, p.woodDark);
    c.fill(7, 3, 2, 2, p.ink);
    c.oval(3, 5, 10, 10, GoldDark);
    c.oval(4, 6, 8, 8, Gold);
    c.oval(6, 8, 4, 4, GoldLight);
    return done(c);
}

QImage fan(const Palette& p) {
    const QColor paper(250, 232, 210);
    Canvas c = tile(p);
    c.polygon({{8, 14}, {0, 6}, {2, 3}, {5, 1}, {8, 0.5}, {11, 1}, {14, 3}, {16, 6}}, p.accentDark);
    c.polygon({{8, 13}, {1, 6}, {3, 3.5}, {5.5, 2}, {8, 1.5}, {10.5, 2}, {13, 3.5}, {15, 6}},
              paper);
    for (QPoint rib : {QPoint{1, 6}, QPoint{4, 3}, QPoint{8, 1}, QPoint{12, 3}, QPoint{15, 6}})
        c.line(8, 14, rib.x(), rib.y(), p.accent);
    c.oval(6, 12, 4, 4, p.woodDark);
    return done(c);
}

} // namespace draw
