#include "Pictures.h"

#include "Canvas.h"

#include <cmath>
#include <map>

// Enemy pictures are small sprites on white, the background of the lists that show them.
namespace {

using Rows = std::initializer_list<const char*>;
using Colours = std::map<char, QColor>;

const QColor Paper(255, 255, 255), Ink(32, 24, 24);
const QColor Stone(150, 146, 150), StoneLight(206, 202, 206), StoneDark(92, 88, 96);
const QColor Green(60, 170, 70), GreenDark(24, 104, 40), Red(216, 40, 40), Gold(240, 196, 64);
const QColor Slab(204, 124, 60), SlabLight(240, 176, 112), SlabDark(120, 64, 24);

// Sprites, one character per pixel; '.' is background and 'o' the outline in every sprite.
// clang-format off
const Rows Chibibo = {
    ".....oooooo.....",
    "...oobbbbbboo...",
    "..obbbbbbbbbbo..",
    ".obbdbbbbbbdbbo.",
    ".obbbddbbddbbbo.",
    "obbbbbbbbbbbbbbo",
    "obbbbbbbbbbbbbbo",
    "oooffffffffffooo",
    "..ofwwoffowwfo..",
    "..ofwwoffowwfo..",
    "..offffffffffo..",
    "...offooooffo...",
    "....offffffo....",
    ".okkkkooookkkko.",
    "okkkkkkookkkkkko",
    ".oooooo..oooooo."};

const Rows Pakkun = {
    "....oooooooo....",
    "..oorrrrrrrroo..",
    ".orrwrrrrrrwrro.",
    ".orrrrrrrrrrrro.",
    "orwrrrrrrrrrrwro",
    "ommmmmmmmmmmmmmo",
    "orrrrwrrrrwrrrro",
    ".orrrrrrrrrrrro.",
    "..oorrrrrrrroo..",
    "....oooooooo....",
    "......oggo......",
    ".oo...oggo...oo.",
    "oggo..oggo..oggo",
    "ogggo.oggo.ogggo",
    ".oggggoggoggggo.",
    "..oooooggooooo.."};

const Rows Nokobon = {
    "..........x.....",
    ".........xfx....",
    "..........f.....",
    "......ooooofo...",
    ".....osSssssso..",
    "....osSsssssssso",
    "....osssssssssso",
    ".ooo.sssssssssso",
    "oyyyoossssssssso",
    "oyeyyossssssssso",
    "oyyyyyosssssssso",
    ".ooyyyyoooooooo.",
    "...oyyyyyyyyyo..",
    "...oyyo..oyyo...",
    "...oyyo..oyyo...",
    "....oo....oo...."};

const Rows Genkotsu = {
    "................",
    "....oooooooo....",
    "...ohhohhohhoo..",
    "..ohhhohhhohhho.",
    "..ohhhohhhohhho.",
    "..ohhhohhhohhho.",
    ".oohhhhhhhhhhho.",
    "ohhohhhhhhhhhho.",
    "ohhhohhhhhhhhho.",
    ".ohhhhhhhhhhhho.",
    "..ohhhhhhhhhhho.",
    "...ohhhhhhhhho..",
    "....ocooooooc...",
    "....occcccccco..",
    "....occcccccco..",
    "....oooooooooo.."};

const Rows Pompon = {
    "...p...oo...p...",
    "....p.oppo.p....",
    ".p..opwppwpo..p.",
    "...opwwppwwpo...",
    "..opwwyyyywwpo..",
    "..opwyyyyyywpo..",
    "..opwwyyyywwpo..",
    "...opwwppwwpo...",
    "....oppppppo....",
    ".....oooooo.....",
    "......oggo......",
    ".oo...oggo...oo.",
    "oggo..oggo..oggo",
    "ogggo.oggo.ogggo",
    ".ooggooggooggoo.",
    "...oooooooooo..."};

const Rows Fly = {
    "....ww....ww....",
    "...wLLw..wLLw...",
    "...wLLLwwLLLw...",
    "....wLLwwLLw....",
    ".....ooooooo....",
    "....okkkkkkko...",
    "...okkwokkwoko..",
    "...okkwokkwoko..",
    "...okkkkkkkkko..",
    "...okggggggkko..",
    "...okkkkkkkkko..",
    "....okkkkkkko...",
    ".....ooooooo....",
    "....o.o...o.o...",
    "...o..o...o..o..",
    "..o...o...o...o."};

const Rows Honen = {
    "................",
    "......oooo......",
    ".o...orrrro.....",
    "oro.orrrrrroo...",
    "orrorrrrrrrrro..",
    "orrrrrrrrrwwro..",
    "orrrrrrrrrwowro.",
    "orrorrrrrrrrrrro",
    "oro.orrrrrrmmmo.",
    ".o...orrrrrrro..",
    "......oorrroo...",
    "........ooo.....",
    "................",
    "................",
    "................",
    "................"};

const Rows Mekabon = {
    "......oooo......",
    "....oohhhhoo....",
    "...ohhhhhhhho...",
    "...ohwohhowho...",
    "...ohwohhowho...",
    "...ohhhhhhhho...",
    "....oooooooo....",
    "......ommo......",
    "...oooommoooo...",
    "..ommmmmmmmmmo..",
    "..omdmmmmmmdmo..",
    "..ommmmmmmmmmo..",
    "...oooooooooo...",
    "....omm..mmo....",
    "...ommmoommmo...",
    "...oooooooooo..."};

const Rows Yurarin = {
    "......oooo......",
    ".....obbbbo.....",
    "....obbwobbo....",
    "..oobbbbbbbo....",
    ".obbbbbbbbo.....",
    "..oo.obbbbo.....",
    ".....obbbbbo....",
    "......obbbbbo...",
    "......obbbbbo...",
    ".....obbbbbo....",
    ".....obbbbo.....",
    "......obbbo.....",
    ".......obbo.....",
    "......obbo..oo..",
    "......obbbooboo.",
    ".......ooooooo.."};

const Rows Gunion = {
    "......oooo......",
    ".....osssso.....",
    "....ossSSsso....",
    "...ossSssSsso...",
    "..osssssssssso..",
    ".osssssssssssso.",
    "osssssssssssssso",
    "osssssssssssssso",
    "osssssssssssssso",
    "ossussssssssusso",
    "ossssussssusssso",
    ".osssssssssssso.",
    "..osssssssssso..",
    "...oooooooooo...",
    "..oyyo....oyyo..",
    "..oooo....oooo.."};

const Rows Boo = {
    "......oooo....b.",
    ".....oggggo..b.b",
    "....oggwoggo..b.",
    "..ooggggggggo...",
    ".oggggggggo.....",
    "..oo.oggggo.....",
    ".....ogggggo....",
    "......ogggggo...",
    "......ogggggo...",
    ".....ogggggo....",
    ".....oggggo.....",
    "......ogggo.....",
    ".......oggo.....",
    "......oggo..oo..",
    "......ogggoogoo.",
    ".......ooooooo.."};

const Rows Suu = {
    ".......oo.......",
    ".......oo.......",
    ".......oo.......",
    ".......oo.......",
    "......oooo......",
    "....ookkkkoo....",
    "...okkkkkkkko...",
    "o.okkwwkkwwkko.o",
    ".ookkwokkowkkoo.",
    "o.okkkkkkkkkko.o",
    ".ookkkkkkkkkkoo.",
    "o.okkkkkkkkkko.o",
    "..ookkkkkkkkoo..",
    ".o..oooooooo..o.",
    "o..o..o..o..o..o",
    "..o..o....o..o.."};

const Rows Torion = {
    "................",
    "......oooo......",
    ".o...obbbbo.....",
    "obo.obbbbbboo...",
    "obbobbbbbbbbbo..",
    "obbbbbbbbbbwwo..",
    "obbbbbbbbbbwowo.",
    "obbobbbbbbbbbbbo",
    "obo.obbbbbbbbbo.",
    ".o...obbbbbbbo..",
    "......oooooooo..",
    "................",
    "..aaaaaaaaaa....",
    ".aa.........aa..",
    "aaaaaaaaaaaa.aa.",
    "...........aa..."};

const Rows Tokotoko = {
    "....oooooooo....",
    "...osssssssso...",
    "..ossssssssso...",
    "..osSsssssssso..",
    "..ossssssssso...",
    "..oossssswwso...",
    "...ossssswoso...",
    "...osssssssso...",
    "...ossssssssso..",
    "...osssssmmmso..",
    "...osssssssso...",
    "....oooooooo....",
    "....ollo.ollo...",
    "...olllo.olllo..",
    "..olllo...ollo..",
    "..oooo....oooo.."};

const Rows Hiyoihoi = {
    "...oooooooooo...",
    "..osssssssssso..",
    ".ossSssssssSsso.",
    ".osssoooooossso.",
    ".osssowwwwossso.",
    ".osssowoowossso.",
    ".osssoooooossso.",
    ".osssssSSssssso.",
    ".osssssSSssssso.",
    ".osssoooooossso.",
    ".osssommmmossso.",
    ".osssoooooossso.",
    "..osssssssssso..",
    "..osssssssssso..",
    ".oooooooooooooo.",
    "oddddddddddddddo"};

const Rows Spike = {
    "oooooooooooooooo",
    "ossssssSSsssssso",
    ".osssssssssssso.",
    ".osssssssssssso.",
    "..ossssSSsssso..",
    "..osssssssssso..",
    "...osssSSssso...",
    "...osssSSssso...",
    "....ossSSsso....",
    "....ossSSsso....",
    ".....osSSso.....",
    ".....osSSso.....",
    "......osso......",
    "......osso......",
    ".......oo.......",
    "................"};

const Rows Dropblock = {
    "oooooooooooooooo",
    "oLLLLLLLLLLLLLLo",
    "oLbbbbbbbbbbbbdo",
    "oLbbbbbbbbbbbbdo",
    "oLbbbbbooobbbbdo",
    "oLbbbbbowobbbbdo",
    "oLbbbbbowobbbbdo",
    "oLbbbbbowobbbbdo",
    "oLbbbooowooobbdo",
    "oLbbbowwwwwobbdo",
    "oLbbbbowwwobbbdo",
    "oLbbbbbowobbbbdo",
    "oLbbbbbbobbbbbdo",
    "oLbbbbbbbbbbbbdo",
    "oddddddddddddddo",
    "oooooooooooooooo"};

const Rows Batadon = {
    "..oooooooooooo..",
    ".osssssSSssssso.",
    "ossSssssssssSsso",
    "osssssssssssssso",
    "ossooossssooosso",
    "osowwwossowwwoso",
    "osowoooooooowoso",
    "osssssssssssssso",
    "ossssoooooosssso",
    "osssomwwwwmossso",
    "osssomwwwwmossso",
    "ossssoooooosssso",
    "osssssssssssssso",
    ".oooooooooooooo.",
    "..oddddddddddo..",
    "..oooooooooooo.."};

const Rows Gao = {
    "....oooooooo....",
    "...oSSSSSSSSo...",
    "..oSssssssssSo..",
    "..osoooossoooo..",
    "..osowwosowwo...",
    "..osooooooooo...",
    "..osssssssssso..",
    "..osooooooooo...",
    "..osorrrrrrrxxx.",
    "..osooooooooxyx.",
    "..osssssssssxxx.",
    "..oSssssssssso..",
    "..oSssssssssso..",
    "..oddddddddddo..",
    ".oddddddddddddo.",
    ".oooooooooooooo."};

const Rows Bunbun = {
    "...wwww..wwww...",
    "..wLLLLwwLLLLw..",
    "..wLLLLwwLLLLw..",
    "...wwwwoowwww...",
    "......oyyyo.....",
    ".....oyyyyyo....",
    "....ookkkkkoo...",
    "...oyyyyyyyyyo..",
    "..oookkkkkkkooo.",
    "..oyyyyyyyyyyyo.",
    "..owoyyyyyyyyyo.",
    "..oookkkkkkkoo..",
    "...oyyyyyyyyo...",
    "....ookkkkoo....",
    "......oooo......",
    ".......ss......."};

const Rows Boulder = {
    ".....oooooo.....",
    "...oossSSssoo...",
    "..ossSSSSSSsso..",
    ".ossSSssssSSsso.",
    ".osSssssssssSso.",
    "ossSssssssssSsso",
    "osssssssssssssso",
    "osssssoooossssso",
    "ossssssddsssssso",
    "osssssssssssssso",
    "ossssossssosssso",
    "osssssossossssso",
    ".osssssddssssso.",
    ".oddssssssssddo.",
    "..ooddddddddoo..",
    "....oooooooo...."};

const Rows Tamao = {
    ".....oooooo.....",
    "...oobbbbbboo...",
    "..obbbbbbbbbbo..",
    ".obbLbbbbbbLbbo.",
    ".obLLbbbbbbLLbo.",
    "obbbbbbbbbbbbbbo",
    "obbbbbwoowbbbbbo",
    "obbbbbwoowbbbbbo",
    "obbbbbbbbbbbbbbo",
    "obbbbbbbbbbbbbbo",
    "obbbbbbbbbbbbbbo",
    ".obbbbbbbbbbbbo.",
    ".obbbbbbbbbbbbo.",
    "..obbbbbbbbbbo..",
    "...oobbbbbboo...",
    ".....oooooo....."};

const Rows Cannonshot = {
    "................",
    "................",
    "................",
    "....oooooooo....",
    "..ooddddddddoo..",
    ".oddLLddddddddo.",
    ".odLLdddddddddo.",
    "oddddddddddddddo",
    "oddddddddddddddo",
    ".oddddddddddddo.",
    ".oddddddddddddo.",
    "..ooddddddddoo..",
    "....oooooooo....",
    "................",
    "................",
    "................"};

const Rows Gira = {
    "................",
    "................",
    "................",
    "................",
    "..........oooo..",
    "......oooorrrro.",
    "..ooooyyyyrrwwro",
    ".yyyyyyyyyrrwwro",
    "..ooooyyyyrrrrro",
    "......oooorrrro.",
    "..........oooo..",
    "................",
    "................",
    "................",
    "................",
    "................"};

const Rows Roketon = {
    "................",
    "......oo........",
    ".....oggo.......",
    "....oggggo......",
    "oo.ogggggggoooo.",
    "ogoggggggggggggo",
    "ogggggwwgggggggo",
    "oggggggggggggggo",
    ".oooooooooooooo.",
    "......oggggo....",
    ".......oggggo...",
    "........oooo....",
    "................",
    "................",
    "................",
    "................"};

const Rows Chicken = {
    "................",
    "..........rr....",
    ".........rrr....",
    "........owwwo...",
    "..o....owwwkwo..",
    ".owo...owwwwwyy.",
    "owwwo..owwwwwyy.",
    "owwwwoowwwwwo...",
    "owwwwwwwwwwwo...",
    ".owwLLLwwwwwo...",
    ".owwwLLLwwwo....",
    "..owwwwwwwo.....",
    "...ooooooo......",
    ".....y..y.......",
    ".....y..y.......",
    "....yy.yy......."};

const Rows Rotodisc = {
    "....oo....oo....",
    "..oo........oo..",
    ".o............o.",
    ".o...oooooo...o.",
    "o...oyyyyyyo...o",
    "o..oyywwwwyyo..o",
    "...oyywwwwyyo...",
    "...oyyyyyyyyo...",
    "...oyyyyyyyyo...",
    "o..oyyyyyyyyo..o",
    "o...oyyyyyyo...o",
    ".o...oooooo...o.",
    ".o............o.",
    "..oo........oo..",
    "....oo....oo....",
    "................"};

const Rows Pionpi = {
    "....kkkkkkkk....",
    "...kkkkkkkkkk...",
    ".kkkkkkkkkkkkkk.",
    "....oooooooo....",
    "....oggggggo....",
    "....ogwoowgo....",
    "....oggggggo....",
    "....oggmmggo....",
    ".....oooooo.....",
    "..ooorrrrrrooo..",
    ".oggorrrrrrorgo.",
    ".ggoorrrrrroogg.",
    "....orrrrrro....",
    "....orrrrrro....",
    "....okko.kko....",
    "....oooo.ooo...."};

const Rows Chikako = {
    "................",
    "...y...yy...y...",
    "....y..yy..y....",
    "......YYYY......",
    ".y...YYYYYY...y.",
    "..y.YYwwwwYY.y..",
    "....YYwwwwYY....",
    "...YYwwwwwwYY...",
    "YYYYYYwwwwYYYYYY",
    "...YYwwwwwwYY...",
    "....YYwwwwYY....",
    "..y.YYwwwwYY.y..",
    ".y...YYYYYY...y.",
    "......YYYY......",
    "....y..yy..y....",
    "...y...yy...y..."};
// clang-format on

QImage sprite(const Rows& rows, Colours colours) {
    colours.emplace('o', Ink);
    Canvas c(16, 16);
    c.sprite(0, 0, rows, colours);
    return c.opaque(Paper);
}

QImage flipped(const QImage& image) {
    return image.mirrored(false, true);
}

// A platform bar across the middle of the picture, `inset` pixels short of each side.
void bar(Canvas& c, int inset, int y, int height) {
    const int w = c.width() - 2 * inset;
    c.fill(inset, y, w, height, Slab);
    c.fill(inset, y, w, 1, SlabLight);
    c.frame(inset, y, w, height, SlabDark);
}

int sign(int v) {
    return (v > 0) - (v < 0);
}

// An arrow from (x0, y0) to (x1, y1), horizontal, vertical or diagonal, with a head at the far
// end and, when `both`, at the near end too.
void arrow(Canvas& c, int x0, int y0, int x1, int y1, bool both) {
    const auto head = [&c](int x, int y, int dx, int dy) {
        // The barbs point back along the shaft, turned 45 degrees either way.
        const int bx = -dx, by = -dy;
        for (int k = 1; k <= 2; ++k) {
            c.dot(x + k * sign(bx - by), y + k * sign(bx + by), Ink);
            c.dot(x + k * sign(bx + by), y + k * sign(by - bx), Ink);
        }
    };
    c.line(x0, y0, x1, y1, Ink);
    const int dx = sign(x1 - x0), dy = sign(y1 - y0);
    head(x1, y1, dx, dy);
    if (both)
        head(x0, y0, -dx, -dy);
}

QImage platform(int width, int inset, int x0, int y0, int x1, int y1, bool both) {
    Canvas c(width, 16);
    bar(c, inset, 10, 5);
    arrow(c, x0, y0, x1, y1, both);
    return c.opaque(Paper);
}

QImage spawner() {
    Canvas c(32, 32);
    const Colours rock = {{'o', Ink}, {'s', Stone}, {'S', StoneLight}, {'d', StoneDark}};
    c.sprite(0, 16, Boulder, rock);
    c.sprite(16, 16, Boulder, rock);
    c.sprite(8, 4, Boulder, rock);
    for (int x : {4, 26})
        for (int y = 1; y < 12; y += 3)
            c.fill(x, y, 2, 2, StoneDark);
    return c.opaque(Paper);
}

QImage lionBoss() {
    const QColor mane(176, 100, 36), body(236, 184, 80), light(250, 222, 150);
    Canvas c(64, 48);
    c.line(56, 24, 62, 10, Ink);
    c.oval(59, 6, 5, 6, mane);
    c.oval(16, 16, 44, 24, Ink);
    c.oval(17, 17, 42, 22, body);
    for (int x : {20, 30, 44, 52}) {
        c.fill(x, 34, 7, 12, Ink);
        c.fill(x + 1, 34, 5, 11, body);
        c.fill(x, 45, 8, 3, Ink);
    }
    c.oval(0, 2, 32, 32, Ink);
    c.oval(1, 3, 30, 30, mane);
    for (int k = 0; k < 8; ++k) {
        const double a = k * M_PI / 4;
        c.line(16, 18, int(16 + 15 * std::cos(a)), int(18 + 15 * std::sin(a)), mane.darker(130));
    }
    c.oval(6, 8, 20, 20, Ink);
    c.oval(7, 9, 18, 18, light);
    c.fill(10, 14, 4, 3, Ink);
    c.fill(18, 14, 4, 3, Ink);
    c.fill(11, 14, 1, 1, Paper);
    c.fill(19, 14, 1, 1, Paper);
    c.fill(14, 18, 4, 3, mane.darker(150));
    c.fill(11, 22, 10, 2, Red);
    c.polygon({{6, 4}, {10, 0}, {13, 4}, {16, -1}, {19, 4}, {22, 0}, {26, 4}, {24, 8}, {8, 8}},
              Gold);
    return c.opaque(Paper);
}

QImage dragonBoss() {
    const QColor scale(64, 168, 136), light(150, 220, 190), dark(24, 96, 80), fin(240, 120, 60);
    Canvas c(32, 64);
    for (int y = 16; y < 52; y += 5)
        c.polygon({{26, double(y)}, {31, y + 2.0}, {26, y + 5.0}}, fin);
    c.oval(6, 48, 18, 16, dark);
    c.oval(10, 52, 10, 8, Paper);
    c.oval(12, 54, 6, 4, dark);
    c.oval(8, 38, 18, 16, dark);
    c.oval(9, 39, 16, 14, scale);
    c.oval(10, 26, 18, 16, dark);
    c.oval(11, 27, 16, 14, scale);
    c.oval(8, 14, 18, 16, dark);
    c.oval(9, 15, 16, 14, scale);
    for (int y = 20; y < 52; y += 4)
        c.fill(12, y, 5, 1, light);
    c.oval(6, 2, 22, 16, dark);
    c.oval(7, 3, 20, 14, scale);
    c.fill(0, 8, 10, 6, dark);
    c.fill(1, 9, 9, 4, scale);
    c.fill(1, 12, 8, 1, Red);
    c.fill(14, 6, 4, 4, Paper);
    c.fill(15, 7, 2, 2, Ink);
    c.polygon({{18, 3}, {24, -2}, {22, 5}}, fin);
    return c.opaque(Paper);
}

QImage cloudBoss() {
    const QColor white(246, 246, 255), shade(200, 210, 232), rim(120, 130, 170);
    Canvas c(64, 32);
    struct Puff {
        int x, y, w, h;
    };
    constexpr Puff Puffs[] = {
        {0, 10, 20, 20}, {10, 2, 22, 22}, {28, 0, 22, 22}, {44, 8, 20, 20}, {16, 14, 34, 18}};
    for (Puff f : Puffs)
        c.oval(f.x, f.y, f.w, f.h, rim);
    for (Puff f : Puffs)
        c.oval(f.x + 1, f.y + 1, f.w - 2, f.h - 2, white);
    c.fill(6, 24, 52, 4, shade);
    c.line(20, 9, 27, 12, Ink);
    c.line(43, 9, 36, 12, Ink);
    c.fill(22, 13, 5, 5, Ink);
    c.fill(37, 13, 5, 5, Ink);
    c.fill(23, 14, 2, 2, Paper);
    c.fill(38, 14, 2, 2, Paper);
    c.oval(26, 20, 12, 6, Ink);
    c.oval(28, 21, 8, 3, Red);
    return c.opaque(Paper);
}

} // namespace

std::vector<Picture> enemyPictures() {
    const QColor brown(168, 96, 48), brownDark(110, 56, 24), face(244, 216, 170);
    const QColor shell(56, 56, 68), shellLight(130, 130, 150), skin(150, 200, 80);
    const QColor seaGreen(70, 180, 150), blue(70, 110, 220), blueLight(150, 180, 250);
    const QColor wing(220, 236, 255), wingLine(150, 170, 200), yellow(248, 208, 48);
    const Colours stone = {
        {'s', Stone}, {'S', StoneLight}, {'d', StoneDark}, {'w', Paper}, {'m', Red}};
    const QImage pakkun =
        sprite(Pakkun, {{'r', Red}, {'w', Paper}, {'m', QColor(110, 16, 16)}, {'g', Green}});
    return {
        {600,
         sprite(Chibibo,
                {{'b', brown}, {'d', brownDark}, {'f', face}, {'w', Paper}, {'k', brownDark}})},
        {602, pakkun},
        {603, spawner()},
        {604, sprite(Nokobon, {{'s', shell},
                               {'S', shellLight},
                               {'y', skin},
                               {'e', Ink},
                               {'f', QColor(200, 160, 90)},
                               {'x', QColor(255, 120, 0)}})},
        {606, sprite(Genkotsu, {{'h', face}, {'c', QColor(120, 90, 200)}})},
        {608, lionBoss()},
        {609,
         sprite(Pompon, {{'p', QColor(240, 120, 180)}, {'w', Paper}, {'y', yellow}, {'g', Green}})},
        {610, platform(48, 0, 8, 5, 39, 5, true)},
        {611, platform(16, 0, 7, 1, 7, 8, true)},
        {612, platform(16, 0, 7, 1, 7, 8, false)},
        {614, sprite(Fly, {{'w', wingLine},
                           {'L', wing},
                           {'k', QColor(70, 70, 80)},
                           {'g', QColor(140, 140, 150)}})},
        {616,
         sprite(Honen, {{'r', QColor(240, 110, 60)}, {'w', Paper}, {'m', QColor(150, 40, 20)}})},
        {622, sprite(Mekabon, {{'h', StoneLight}, {'w', Red}, {'m', Stone}, {'d', Gold}})},
        {626, dragonBoss()},
        {629, sprite(Yurarin, {{'b', seaGreen}, {'w', Paper}})},
        {632, sprite(Gunion, {{'s', QColor(140, 70, 160)},
                              {'S', QColor(200, 150, 220)},
                              {'u', QColor(90, 40, 110)},
                              {'y', yellow}})},
        {636, sprite(Boo, {{'g', blue}, {'w', Paper}, {'b', blueLight}})},
        {637, sprite(Suu, {{'k', QColor(60, 60, 70)}, {'w', Paper}})},
        {647, sprite(Torion, {{'b', QColor(90, 150, 230)}, {'w', Paper}, {'a', blueLight}})},
        {649,
         sprite(Tokotoko,
                {{'s', Stone}, {'S', StoneLight}, {'w', Paper}, {'m', StoneDark}, {'l', brown}})},
        {650, sprite(Hiyoihoi, stone)},
        {653, sprite(Spike, {{'s', Stone}, {'S', StoneLight}})},
        {654, sprite(Dropblock, {{'b', Slab}, {'L', SlabLight}, {'d', SlabDark}, {'w', Paper}})},
        {656, platform(16, 0, 4, 8, 12, 0, false)},
        {657, platform(16, 0, 11, 8, 3, 0, false)},
        {658, platform(16, 3, 7, 1, 7, 8, true)},
        {659, platform(16, 3, 3, 5, 12, 5, true)},
        {660, sprite(Batadon, stone)},
        {663, sprite(Gao, {{'s', Stone},
                           {'S', StoneLight},
                           {'d', StoneDark},
                           {'w', Paper},
                           {'r', Red},
                           {'x', QColor(255, 140, 0)},
                           {'y', yellow}})},
        {666,
         sprite(
             Bunbun,
             {{'w', wingLine}, {'L', wing}, {'y', yellow}, {'k', QColor(40, 40, 40)}, {'s', Ink}})},
        {671, sprite(Boulder, {{'s', Stone}, {'S', StoneLight}, {'d', StoneDark}})},
        {672, sprite(Tamao, {{'b', blue}, {'L', blueLight}, {'w', Paper}})},
        {673, sprite(Cannonshot, {{'d', QColor(50, 50, 60)}, {'L', QColor(150, 150, 170)}})},
        {675, sprite(Gira, {{'r', QColor(230, 70, 40)}, {'y', yellow}, {'w', Paper}})},
        {682, sprite(Roketon, {{'g', QColor(110, 140, 90)}, {'w', blueLight}})},
        {683, sprite(Chicken, {{'w', Paper},
                               {'r', Red},
                               {'k', Ink},
                               {'y', QColor(240, 160, 40)},
                               {'L', QColor(210, 210, 220)}})},
        {684, sprite(Rotodisc, {{'y', QColor(250, 140, 40)}, {'w', yellow}})},
        {685, flipped(pakkun)},
        {686, sprite(Pionpi, {{'k', QColor(40, 40, 50)},
                              {'g', QColor(150, 200, 160)},
                              {'w', Paper},
                              {'m', Red},
                              {'r', QColor(60, 80, 170)}})},
        {689, sprite(Chikako, {{'y', yellow}, {'Y', QColor(255, 230, 120)}, {'w', Paper}})},
        {697, cloudBoss()},
    };
}
