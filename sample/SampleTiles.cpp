#include "sample/SampleTiles.h"

#include "rom/TileGraphics.h"
#include "sample/TileArt.h"

#include <initializer_list>
#include <string_view>

// Many objects share a picture: a mirror, a flip, a turn or a change of shades makes the right
// half of an object from its left half, a base from a top, a dark block from a light one.

namespace rom {

namespace {

using namespace sample::tiles;

// How a picture is turned before it is written: the right half of an object is the mirror of
// its left half, a base the flip of a top, a side pipe the turn of an upright one.
enum Turn : int { Plain = 0, Mirror = 1, Flip = 2, MirrorFlip = 3, Transpose = 4 };

// `shades` gives the shade each of the picture's shades 0 to 3 is written as.
struct Drawing {
    int code;
    const TileArt& art;
    int turn = Plain;
    std::string_view shades = "0123";
};

using Drawings = std::initializer_list<Drawing>;

// Darker and lighter versions of a picture.
constexpr std::string_view Darker = "0233";
constexpr std::string_view Deeper = "0223";
constexpr std::string_view Swapped = "0213";
constexpr std::string_view Softer = "0122";

const Drawings Universal = {
    {127, Brick},
    {128, Question},
    {129, Question, Plain, "0203"},
    {130, HitBlock},
    {19, HardBlock},
    {244, Coin},
    {112, PipeTop},
    {113, PipeTop, Mirror},
    {114, PipeBody},
    {115, PipeBody, Mirror},
    {116, PipeTop, Transpose},
    {117, PipeTop, Transpose | Mirror},
    {118, PipeBody, Transpose},
    {119, PipeBody, Transpose | Mirror},
    {120, PipeTop, Flip},
    {121, PipeTop, MirrorFlip},
    {33, Girder},
    {36, Brick, Plain, Deeper},
    {37, HardBlock, Plain, "0231"},
    {41, Dark},
    {43, Hidden},
    {95, Rail},
    {142, DoorTop, Plain, "0113"},
    {143, DoorBottom, Plain, "0113"},
    {221, WaterSurface},
    {222, Water},
    {225, Riveted},
    {236, Chain},
    {237, Ladder},
};

const Drawings World1 = {
    {49, SandTopLeft},
    {50, SandTop},
    {51, SandTopLeft, Mirror},
    {52, Sand},
    {53, Stones},
    {54, Brick, Plain, Softer},
    {55, StoneBlock},
    {56, CarvedEye},
    {57, CarvedBird},
    {58, SlopeUp},
    {59, SlopeUp, Mirror},
    {60, Peak},
    {61, CarvedSun},
    {64, ColumnTop},
    {65, Column},
    {66, ColumnTop, Flip},
    {67, Trunk},
    {68, LeavesLeft},
    {69, Leaves},
    {70, LeavesLeft, Mirror},
    {71, CactusTop},
    {72, Cactus},
    {73, CactusArm},
    {74, SphinxTop},
    {75, SphinxTop, Mirror},
    {76, SphinxBottom},
    {77, SphinxBottom, Mirror},
    {78, LedgeLeft},
    {79, Ledge},
    {80, LedgeLeft, Mirror},
    {81, RopeBridge},
    {82, Post},
    {83, Quicksand},
    {85, DoorTop},
    {86, DoorBottom},
    {87, Torch},
    {88, ObeliskTop},
    {89, Obelisk},
    {90, Steps},
    {91, Steps, Mirror},
    {92, Urn},
    {93, CarvedScarab},
    {94, CarvedAnkh},
    {96, HardBlock, Plain, Swapped},
    {97, Cracked},
    {99, Spikes},
    {100, WaterSurface},
    {101, Water},
    {102, Reeds},
    {104, Chain},
    {105, Ladder},
    {106, Fence},
    {107, Slit},
    {109, CliffLeft},
    {110, CliffLeft, Mirror},
    {232, Marker},
};

const Drawings World2 = {
    {49, SeaFloorTop},
    {51, Sand},
    {52, RockTopLeft},
    {53, RockTop},
    {54, RockTopLeft, Mirror},
    {55, Rock},
    {56, StoneBlock},
    {57, CoralBranch},
    {58, CoralFan},
    {59, SeaweedTop},
    {60, Seaweed},
    {61, Scallop},
    {62, Starfish},
    {63, Urchin},
    {64, WaterSurface},
    {65, Water, Plain, Darker},
    {66, Bubbles},
    {67, Post},
    {68, RopeBridge},
    {69, DeckLeft},
    {70, Deck},
    {71, DeckLeft, Mirror},
    {72, Planks},
    {73, Porthole},
    {74, Chain},
    {76, ColumnTop},
    {77, Column},
    {78, ColumnTop, Flip},
    {79, Brick, Plain, Deeper},
    {80, Barnacles},
    {81, Mossy},
    {82, SlopeUp, Plain, Darker},
    {83, SlopeUp, Mirror, Darker},
    {84, SlopeUp},
    {85, SlopeUp, Mirror},
    {86, Trunk},
    {87, LeavesLeft},
    {88, Leaves},
    {89, LeavesLeft, Mirror},
    {90, GrassTopLeft},
    {91, GrassTop},
    {92, GrassTopLeft, Mirror},
    {93, Soil},
    {94, Buoy},
    {96, Stalactites},
    {97, Rock, Plain, Deeper},
    {98, Rock, Plain, "0332"},
    {99, Chest},
    {100, Pearl},
    {101, Glass},
    {102, Spikes},
    {103, Net},
    {104, Ladder},
    {105, Rope},
    {106, Fence},
    {108, RaftLeft},
    {109, Raft},
    {110, RaftLeft, Mirror},
};

const Drawings World3 = {
    {49, GrassTopLeft},
    {50, GrassTop},
    {51, GrassTopLeft, Mirror},
    {52, Rock, Plain, "0112"},
    {53, Stones},
    {54, BoulderTop},
    {55, BoulderTop, Mirror},
    {56, BoulderBottom},
    {57, BoulderBottom, Mirror},
    {58, HeadTop},
    {59, HeadTop, Mirror},
    {60, HeadEyes},
    {61, HeadEyes, Mirror},
    {62, HeadMouth},
    {63, HeadMouth, Mirror},
    {64, SlopeUp, Plain, Deeper},
    {65, SlopeUp, Mirror, Deeper},
    {66, CliffLeft, Plain, Darker},
    {67, CliffLeft, Mirror, Darker},
    {68, Cracked},
    {69, Granite},
    {70, Brick, Plain, Softer},
    {71, Rubble},
    {72, GrassTuft},
    {73, Mossy},
    {76, ColumnTop},
    {77, Column},
    {78, ColumnTop, Flip},
    {79, LedgeLeft},
    {80, Ledge},
    {81, LedgeLeft, Mirror},
    {82, Rock, Plain, Deeper},
    {83, Stalactite},
    {84, Stalactite, Flip},
    {85, Crystal},
    {86, Rock, Plain, "0332"},
    {87, WaterSurface, Plain, Deeper},
    {88, Water, Plain, Darker},
    {89, Trunk, Plain, Darker},
    {90, BranchLeft},
    {91, BranchLeft, Mirror},
    {92, Vine},
    {93, Ladder},
    {94, Chain},
    {96, Spikes},
    {97, Fossil},
    {99, Steps},
    {100, Steps, Mirror},
    {101, CarvedFace},
    {102, ArchLeft},
    {103, Keystone},
    {104, ArchLeft, Mirror},
    {105, Crate},
    {106, RopeBridge},
    {107, Post},
    {108, Torch},
    {109, Gate},
    {110, HardBlock, Plain, Darker},
};

const Drawings World4 = {
    {49, CloudLeft},
    {50, CloudMiddle},
    {51, CloudLeft, Mirror},
    {52, CloudInside},
    {53, CloudUnderside},
    {54, Bamboo},
    {55, BambooNode},
    {56, BambooLeaves},
    {57, PoleLeft},
    {58, Pole},
    {59, PoleLeft, Mirror},
    {61, RoofLeft},
    {62, Roof},
    {63, RoofLeft, Mirror},
    {64, Ridge},
    {65, Pillar},
    {66, PillarTop},
    {67, Lattice},
    {68, Wall},
    {69, DoorTop, Plain, Swapped},
    {70, DoorBottom, Plain, Swapped},
    {71, Gold},
    {72, Jade},
    {73, Scales},
    {74, Lantern},
    {75, Brick, Plain, Deeper},
    {76, Battlement},
    {77, Steps},
    {78, MountainTopLeft},
    {79, MountainTop},
    {81, MountainTopLeft, Mirror},
    {82, Rock, Plain, "0112"},
    {83, SlopeUp},
    {84, SlopeUp, Mirror},
    {85, Trunk},
    {86, PineLeft},
    {87, PineLeft, Mirror},
    {88, Blossom},
    {89, RopeBridge},
    {90, Post},
    {91, Rope},
    {92, Ladder},
    {93, Fence},
    {94, WaterSurface},
    {96, Water},
    {97, Waterfall},
    {99, Spikes},
    {100, CloudBlock},
    {101, ThunderCloud},
    {102, LionHead},
    {103, Drum},
    {104, Gong},
    {105, Fan},
    {106, Roof},
    {107, EaveLeft},
    {108, EaveLeft, Mirror},
    {109, ColumnTop},
    {110, ColumnTop, Flip},
    {111, HardBlock, Plain, Swapped},
    {232, Marker},
};

int shadeAt(const Drawing& drawing, int x, int y) {
    int u = x;
    int v = y;
    if (drawing.turn & Transpose)
        std::swap(u, v);
    if (drawing.turn & Mirror)
        u = TileSize - 1 - u;
    if (drawing.turn & Flip)
        v = TileSize - 1 - v;
    const int shade = drawing.art[static_cast<size_t>(v)][static_cast<size_t>(u)] - '0';
    return drawing.shades[static_cast<size_t>(shade)] - '0';
}

void put(std::vector<uint8_t>& image, long offset, const Drawing& drawing) {
    for (int y = 0; y < TileSize; ++y) {
        uint8_t low = 0;
        uint8_t high = 0;
        for (int x = 0; x < TileSize; ++x) {
            const int shade = shadeAt(drawing, x, y);
            low |= static_cast<uint8_t>((shade & 1) << (TileSize - 1 - x));
            high |= static_cast<uint8_t>((shade >> 1) << (TileSize - 1 - x));
        }
        image[static_cast<size_t>(offset + 2 * y)] = low;
        image[static_cast<size_t>(offset + 2 * y + 1)] = high;
    }
}

} // namespace

void drawSampleTiles(std::vector<uint8_t>& image) {
    const std::array<const Drawings*, 4> worlds = {&World1, &World2, &World3, &World4};
    for (int world = 1; world <= static_cast<int>(worlds.size()); ++world) {
        for (const Drawing& drawing : Universal)
            put(image, *tileOffset(world, drawing.code), drawing);
        for (const Drawing& drawing : *worlds[static_cast<size_t>(world - 1)])
            put(image, *tileOffset(world, drawing.code), drawing);
    }
}

} // namespace rom
