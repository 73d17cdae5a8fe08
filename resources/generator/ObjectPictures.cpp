#include "Pictures.h"

#include "Drawings.h"
#include "WorldScenery.h"

using namespace draw;

namespace {

// Carvings for the carved stone blocks, ten by ten: '#' cut deep, '+' filled with colour.
// clang-format off
const std::initializer_list<const char*> Eye = {
    "...####...",
    ".##....##.",
    "#...++...#",
    "#..++++..#",
    ".##.++.##.",
    "...####...",
    "....#.....",
    "....#..#..",
    "...#....#.",
    "..#......."};
const std::initializer_list<const char*> Ibis = {
    "..##......",
    ".#+##.....",
    "#..##.....",
    "...###....",
    "...#####..",
    "....######",
    ".....####.",
    "......#...",
    "......#...",
    ".....##..."};
const std::initializer_list<const char*> Sun = {
    "#...##...#",
    ".#......#.",
    "...####...",
    "..#++++#..",
    "#.#++++#.#",
    "#.#++++#.#",
    "..#++++#..",
    "...####...",
    ".#......#.",
    "#...##...#"};
const std::initializer_list<const char*> Scarab = {
    "...#..#...",
    "....##....",
    "..######..",
    "#.#+##+#.#",
    ".########.",
    "..#+##+#..",
    "#.######.#",
    "..#+##+#..",
    ".#.####.#.",
    "....##...."};
const std::initializer_list<const char*> Ankh = {
    "...####...",
    "..#....#..",
    "..#....#..",
    "...#..#...",
    "##########",
    "....##....",
    "....##....",
    "....##....",
    "....##....",
    "....##...."};
const std::initializer_list<const char*> Face = {
    ".########.",
    "#........#",
    "#.##..##.#",
    "#.#+..+#.#",
    "#........#",
    "#...##...#",
    "#........#",
    "#.######.#",
    "#........#",
    ".########."};
// clang-format on

const QColor MarkerRed(237, 28, 36);

Palette underground() {
    Palette p = palettes::universal();
    p.stone = QColor(84, 104, 150);
    p.stoneLight = QColor(140, 160, 206);
    p.stoneDark = QColor(40, 50, 84);
    return p;
}

// Rock with a mossy top, for the reefs of world 2.
Palette reef() {
    Palette p = palettes::sea();
    p.earth = QColor(80, 112, 128);
    p.earthLight = p.stoneLight;
    p.earthDark = QColor(44, 68, 84);
    p.crust = p.leaf;
    p.crustLight = p.leaf.lighter(140);
    return p;
}

// Brown soil under grass, for the islands of world 2.
Palette island() {
    Palette p = palettes::universal();
    p.sky = palettes::sea().sky;
    return p;
}

std::vector<Picture> universal() {
    const Palette u = palettes::universal();
    const Palette cave = underground();
    return {
        {19, block(u, Mark::Studs)},
        {33, girder(u)},
        {36, bricks(cave.stone, cave.stoneLight, cave.stoneDark)},
        {37, block(cave, Mark::Studs)},
        {41, solid(QColor(20, 20, 32))},
        {43, hiddenBlock(u)},
        {95, liftRail(u)},
        {112, pipe(PipeFacing::Up, 0, 0)},
        {113, pipe(PipeFacing::Up, 1, 0)},
        {114, pipe(PipeFacing::Up, 0, 1)},
        {115, pipe(PipeFacing::Up, 1, 1)},
        {116, pipe(PipeFacing::Left, 0, 0)},
        {117, pipe(PipeFacing::Left, 0, 1)},
        {118, pipe(PipeFacing::Left, 1, 0)},
        {119, pipe(PipeFacing::Left, 1, 1)},
        {120, pipe(PipeFacing::Down, 0, 1)},
        {121, pipe(PipeFacing::Down, 1, 1)},
        {127, bricks(QColor(200, 96, 56), QColor(236, 150, 110), QColor(96, 40, 24))},
        {128, questionBlock(QColor(120, 60, 16))},
        {129, questionBlock(QColor(216, 32, 32))},
        {130, usedBlock()},
        {142, door(u, Part::Top)},
        {143, door(u, Part::Bottom)},
        {221, waterTop(u)},
        {222, water(u)},
        {225, block(u, Mark::Rivets)},
        {236, chain(u)},
        {237, ladder(u)},
        {244, coin(u)},
    };
}

std::vector<Picture> birabuto() {
    const Palette d = palettes::desert();
    return {
        {1049, groundTop(d, Side::Left)},
        {1050, groundTop(d, Side::Middle)},
        {1051, groundTop(d, Side::Right)},
        {1052, groundFill(d, false)},
        {1053, groundFill(d, true)},
        {1054, bricks(d.stone, d.stoneLight, d.stoneDark)},
        {1055, block(d, Mark::Plain)},
        {1056, carved(d, Eye)},
        {1057, carved(d, Ibis)},
        {1058, pyramid(d, Side::Left)},
        {1059, pyramid(d, Side::Right)},
        {1060, pyramid(d, Side::Middle)},
        {1061, carved(d, Sun)},
        {1064, column(d, Part::Top)},
        {1065, column(d, Part::Middle)},
        {1066, column(d, Part::Bottom)},
        {1067, trunk(d, true)},
        {1068, palmLeaves(d, Side::Left)},
        {1069, palmLeaves(d, Side::Middle)},
        {1070, palmLeaves(d, Side::Right)},
        {1071, cactus(d, Part::Top)},
        {1072, cactus(d, Part::Middle)},
        {1073, cactus(d, Part::Bottom)},
        {1074, sphinx(d, 0, 0)},
        {1075, sphinx(d, 1, 0)},
        {1076, sphinx(d, 0, 1)},
        {1077, sphinx(d, 1, 1)},
        {1078, platform(d, d.stone, d.stoneLight, d.stoneDark, Side::Left)},
        {1079, platform(d, d.stone, d.stoneLight, d.stoneDark, Side::Middle)},
        {1080, platform(d, d.stone, d.stoneLight, d.stoneDark, Side::Right)},
        {1081, plank(d)},
        {1082, post(d)},
        {1083, quicksand(d)},
        {1085, door(d, Part::Top)},
        {1086, door(d, Part::Bottom)},
        {1087, torch(d)},
        {1088, obelisk(d, Part::Top)},
        {1089, obelisk(d, Part::Middle)},
        {1090, stairs(d, true)},
        {1091, stairs(d, false)},
        {1092, urn(d)},
        {1093, carved(d, Scarab)},
        {1094, carved(d, Ankh)},
        {1096, block(d, Mark::Studs)},
        {1097, block(d, Mark::Crack)},
        {1099, spikes(d)},
        {1100, waterTop(d)},
        {1101, water(d)},
        {1102, reeds(d)},
        {1104, chain(d)},
        {1105, ladder(d)},
        {1106, fence(d)},
        {1107, windowSlit(d)},
        {1109, cliff(d, Side::Left)},
        {1110, cliff(d, Side::Right)},
        {1232, solid(MarkerRed)},
    };
}

std::vector<Picture> muda() {
    const Palette s = palettes::sea();
    const Palette r = reef();
    const Palette i = island();
    const QColor raft(206, 176, 104), raftLight(236, 214, 150), raftDark(140, 110, 50);
    return {
        {2049, groundTop(s, Side::Middle)},
        {2051, groundFill(s, false)},
        {2052, groundTop(r, Side::Left)},
        {2053, groundTop(r, Side::Middle)},
        {2054, groundTop(r, Side::Right)},
        {2055, groundFill(r, true)},
        {2056, block(s, Mark::Plain)},
        {2057, coral(s, false)},
        {2058, coral(s, true)},
        {2059, seaweed(s, true)},
        {2060, seaweed(s, false)},
        {2061, shell(s)},
        {2062, starfish(s)},
        {2063, urchin(s)},
        {2064, waterTop(s)},
        {2065, water(s)},
        {2066, bubbles(s)},
        {2067, post(s)},
        {2068, plank(s)},
        {2069, platform(s, s.wood, s.wood.lighter(130), s.woodDark, Side::Left)},
        {2070, platform(s, s.wood, s.wood.lighter(130), s.woodDark, Side::Middle)},
        {2071, platform(s, s.wood, s.wood.lighter(130), s.woodDark, Side::Right)},
        {2072, hull(s, false)},
        {2073, hull(s, true)},
        {2074, chain(s)},
        {2076, column(s, Part::Top)},
        {2077, column(s, Part::Middle)},
        {2078, column(s, Part::Bottom)},
        {2079, bricks(s.stone, s.stoneLight, s.stoneDark)},
        {2080, block(s, Mark::Rivets)},
        {2081, mossBlock(r)},
        {2082, slope(r, true)},
        {2083, slope(r, false)},
        {2084, slope(s, true)},
        {2085, slope(s, false)},
        {2086, trunk(s, true)},
        {2087, palmLeaves(s, Side::Left)},
        {2088, palmLeaves(s, Side::Middle)},
        {2089, palmLeaves(s, Side::Right)},
        {2090, groundTop(i, Side::Left)},
        {2091, groundTop(i, Side::Middle)},
        {2092, groundTop(i, Side::Right)},
        {2093, groundFill(i, false)},
        {2094, buoy(s)},
        {2096, ceiling(s, true)},
        {2097, ceiling(s, false)},
        {2098, darkRock(s)},
        {2099, chest(s)},
        {2100, pearl(s)},
        {2101, glassBlock(s)},
        {2102, spikes(s)},
        {2103, net(s)},
        {2104, ladder(s)},
        {2105, rope(s)},
        {2106, fence(s)},
        {2108, platform(s, raft, raftLight, raftDark, Side::Left)},
        {2109, platform(s, raft, raftLight, raftDark, Side::Middle)},
        {2110, platform(s, raft, raftLight, raftDark, Side::Right)},
    };
}

std::vector<Picture> easton() {
    const Palette r = palettes::rocks();
    return {
        {3049, groundTop(r, Side::Left)},
        {3050, groundTop(r, Side::Middle)},
        {3051, groundTop(r, Side::Right)},
        {3052, groundFill(r, false)},
        {3053, groundFill(r, true)},
        {3054, boulder(r, 0, 0)},
        {3055, boulder(r, 1, 0)},
        {3056, boulder(r, 0, 1)},
        {3057, boulder(r, 1, 1)},
        {3058, statue(r, 0, 0)},
        {3059, statue(r, 1, 0)},
        {3060, statue(r, 0, 1)},
        {3061, statue(r, 1, 1)},
        {3062, statue(r, 0, 2)},
        {3063, statue(r, 1, 2)},
        {3064, slope(r, true)},
        {3065, slope(r, false)},
        {3066, cliff(r, Side::Left)},
        {3067, cliff(r, Side::Right)},
        {3068, block(r, Mark::Crack)},
        {3069, block(r, Mark::Plain)},
        {3070, bricks(r.stone, r.stoneLight, r.stoneDark)},
        {3071, rubble(r)},
        {3072, grassTuft(r)},
        {3073, mossBlock(r)},
        {3076, column(r, Part::Top)},
        {3077, column(r, Part::Middle)},
        {3078, column(r, Part::Bottom)},
        {3079, platform(r, r.stone, r.stoneLight, r.stoneDark, Side::Left)},
        {3080, platform(r, r.stone, r.stoneLight, r.stoneDark, Side::Middle)},
        {3081, platform(r, r.stone, r.stoneLight, r.stoneDark, Side::Right)},
        {3082, ceiling(r, false)},
        {3083, stalagmite(r, true)},
        {3084, stalagmite(r, false)},
        {3085, crystal(r)},
        {3086, darkRock(r)},
        {3087, waterTop(r)},
        {3088, water(r)},
        {3089, trunk(r, false)},
        {3090, branch(r, Side::Left)},
        {3091, branch(r, Side::Right)},
        {3092, vine(r)},
        {3093, ladder(r)},
        {3094, chain(r)},
        {3096, spikes(r)},
        {3097, fossil(r)},
        {3099, stairs(r, true)},
        {3100, stairs(r, false)},
        {3101, carved(r, Face)},
        {3102, arch(r, Side::Left)},
        {3103, arch(r, Side::Middle)},
        {3104, arch(r, Side::Right)},
        {3105, crate(r)},
        {3106, plank(r)},
        {3107, post(r)},
        {3108, torch(r)},
        {3109, gateBars(r)},
        {3110, block(r, Mark::Studs)},
    };
}

std::vector<Picture> chai() {
    const Palette k = palettes::sky();
    return {
        {4049, cloud(k, Side::Left)},
        {4050, cloud(k, Side::Middle)},
        {4051, cloud(k, Side::Right)},
        {4052, cloudFill(k, false)},
        {4053, cloudFill(k, true)},
        {4054, bamboo(k, Part::Middle)},
        {4055, bamboo(k, Part::Bottom)},
        {4056, bamboo(k, Part::Top)},
        {4057, platform(k, k.leaf, k.leaf.lighter(135), k.leafDark, Side::Left)},
        {4058, platform(k, k.leaf, k.leaf.lighter(135), k.leafDark, Side::Middle)},
        {4059, platform(k, k.leaf, k.leaf.lighter(135), k.leafDark, Side::Right)},
        {4061, roof(k, Side::Left)},
        {4062, roof(k, Side::Middle)},
        {4063, roof(k, Side::Right)},
        {4064, roofRidge(k)},
        {4065, lacquerPillar(k, false)},
        {4066, lacquerPillar(k, true)},
        {4067, lattice(k)},
        {4068, templeWall(k)},
        {4069, door(k, Part::Top)},
        {4070, door(k, Part::Bottom)},
        {4071, goldTile(k)},
        {4072, jadeBlock(k)},
        {4073, scales(k)},
        {4074, lantern(k)},
        {4075, bricks(k.stone, k.stoneLight, k.stoneDark)},
        {4076, battlement(k)},
        {4077, stairs(k, true)},
        {4078, groundTop(k, Side::Left)},
        {4079, groundTop(k, Side::Middle)},
        {4081, groundTop(k, Side::Right)},
        {4082, groundFill(k, true)},
        {4083, slope(k, true)},
        {4084, slope(k, false)},
        {4085, trunk(k, false)},
        {4086, pine(k, Side::Left)},
        {4087, pine(k, Side::Right)},
        {4088, blossom(k)},
        {4089, plank(k)},
        {4090, post(k)},
        {4091, rope(k)},
        {4092, ladder(k)},
        {4093, fence(k)},
        {4094, waterTop(k)},
        {4096, water(k)},
        {4097, waterfall(k)},
        {4099, spikes(k)},
        {4100, cloudBlock(k)},
        {4101, thunderCloud(k)},
        {4102, lionHead(k)},
        {4103, drum(k)},
        {4104, gong(k)},
        {4105, fan(k)},
        {4106, roofTiles(k)},
        {4107, eave(k, Side::Left)},
        {4108, eave(k, Side::Right)},
        {4109, column(k, Part::Top)},
        {4110, column(k, Part::Bottom)},
        {4111, block(k, Mark::Studs)},
        {4232, solid(MarkerRed)},
    };
}

} // namespace

std::vector<Picture> objectPictures() {
    std::vector<Picture> all = {{500, fallback()}};
    for (auto world : {universal, birabuto, muda, easton, chai})
        for (Picture& picture : world())
            all.push_back(std::move(picture));
    return all;
}
