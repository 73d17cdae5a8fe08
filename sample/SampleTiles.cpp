#include "sample/SampleTiles.h"

#include "rom/TileGraphics.h"
#include "sample/TileArt.h"

#include <initializer_list>
#include <string_view>

// Each code gets a picture of what the game shows there (the world's tile sheet, the shared
// blocks). Many share one: a mirror, a flip, a turn or a change of shades makes the right half of
// an object from its left half, a bottom from a top, a grey line from a black one.

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

// Other shades of a picture: line art in dark grey, light ovals, a darker face or half.
constexpr std::string_view Grey = "0122";
constexpr std::string_view Light = "0113";
constexpr std::string_view Deeper = "0223";
constexpr std::string_view Darker = "0233";

const Drawings Universal = {
    {127, PlainDark},
    {128, Spiral},
    {129, Question},
    {130, Brick},
    {19, BevelBlock},
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
    {33, TopEdgeBlock},
    {36, TopEdgeBlock, Transpose},
    {37, Colon},
    {41, Dash},
    {43, Times},
    {95, Blank}, // the hidden block shows nothing until it is hit
    {142, GateHalf},
    {143, GateHalf, Mirror},
    {221, Ovals, Plain, Light},
    {222, Ovals, Mirror, Light},
    {225, BossSwitch},
    {236, Barrel},
    {237, Cone},
};

const Drawings World1 = {
    {49, EdgeLine},
    {50, PalmCrown},
    {51, PalmCrown, Mirror},
    {52, PyramidApex},
    {53, TorchHolder},
    {54, PyramidFace},
    {55, Disc},
    {56, Triangles},
    {57, BevelSquare},
    {58, ChainStep},
    {59, FarPyramids},
    {60, FallingEdge},
    {61, BoxCorner, Mirror},
    {64, Stripes},
    {65, CloudTopLeft},
    {66, CloudTopMiddle},
    {67, CloudTopRight},
    {68, CloudLeftEnd},
    {69, CloudBottom},
    {70, CloudBottom},
    {71, CloudRightEnd},
    {72, SphinxHead},
    {73, SphinxChest},
    {74, SphinxBody},
    {75, SphinxBody, Mirror},
    {76, SphinxRear},
    {77, Ovals},
    {78, Ovals, Mirror},
    {79, BoxCorner},
    {80, EdgeLine, Mirror},
    {81, TopLine},
    {82, EdgeLine},
    {83, LightFill},
    {85, GlyphRing},
    {86, GlyphBowl},
    {87, GlyphEye},
    {88, GlyphSquare},
    {89, GlyphFigure},
    {90, GlyphLoops},
    {91, GlyphStrokes},
    {92, GlyphStaff},
    {93, TorchFlame},
    {94, PyramidFace, Mirror, Deeper},
    {96, LedgeTop},
    {97, LedgeBottom},
    {99, BlackBlock},
    {100, Brick, Plain, Deeper},
    {101, GroundTopLeft},
    {102, GroundTopLeft, Mirror},
    {104, CanopyEnd},
    {105, Canopy},
    {106, CanopyEnd, Mirror},
    {107, HalfLedge},
    {109, Ovals},
    {110, Ovals, Mirror},
    {232, Marker},
};

const Drawings World2 = {
    {49, Dither},
    {51, HutRoofEnd},
    {52, HutRoofTop},
    {53, HutRoofEnd, Mirror},
    {54, HutWallEnd},
    {55, HutPorthole},
    {56, HutWallEnd, Mirror},
    {57, DomeTopEnd},
    {58, DomeTop},
    {59, DomeTop, Mirror},
    {60, DomeTopEnd, Mirror},
    {61, DomeBaseEnd},
    {62, DomeBase},
    {63, DomeBase},
    {64, DomeBaseEnd, Mirror},
    {65, Bar},
    {66, CloudTopLeft},
    {67, CloudTopMiddle},
    {68, CloudTopRight},
    {69, CloudLeftEnd},
    {70, CloudBottom},
    {71, CloudBottom},
    {72, CloudRightEnd},
    {73, Diamond},
    {74, WaterBody},
    {76, OvalTopEnd},
    {77, OvalCrown},
    {78, OvalCrown, Mirror},
    {79, OvalTopEnd, Mirror},
    {80, OvalBottomEnd},
    {81, OvalBottom},
    {82, OvalBottom, Mirror},
    {83, OvalBottomEnd, Mirror},
    {84, SmallDome},
    {85, SmallDome, Mirror},
    {86, BevelSquare},
    {87, Ring, Plain, Grey},
    {88, StripedCap},
    {89, Rungs},
    {90, LeftLine},
    {91, SeaweedLeft},
    {92, SeaweedRight},
    {93, WaterSurface},
    {94, NotchedBand},
    {96, PlatformEnd},
    {97, Platform},
    {98, Blank}, // blank in this world, yet solid: an invisible wall
    {99, PlatformEnd, Mirror},
    {100, TwinPosts},
    {101, FramedStone},
    {102, FramedStone, Mirror},
    {103, FramedCorner},
    {104, FramedCorner, Mirror},
    {105, FramedCorner, Flip},
    {106, FramedCorner, MirrorFlip},
    {108, RockyTopA},
    {109, RockyTopB},
    {110, RockyFill},
};

const Drawings World3 = {
    {49, CloudTopLeft},
    {50, CloudTopMiddle},
    {51, CloudTopRight},
    {52, CloudLeftEnd},
    {53, CloudBottom},
    {54, CloudBottom},
    {55, CloudRightEnd},
    {56, LineThick, Plain, Grey},
    {57, LineArc, Plain, Grey},
    {58, LineThin, Plain, Grey},
    {59, LineSteep, Plain, Grey},
    {60, LineWavy, Plain, Grey},
    {61, LineThick, Mirror, Grey},
    {62, LineEnds, Plain, Grey},
    {63, LineV, Plain, Grey},
    {64, LineBase, Plain, Grey},
    {65, LineBroken, Plain, Grey},
    {66, LineFork, Plain, Grey},
    {67, LineEnd, Plain, Grey},
    {68, LineBumps, Plain, Grey},
    {69, LineJog, Plain, Grey},
    {70, LineArcThick, Plain, Grey},
    {71, LineCorner, Plain, Grey},
    {72, BevelSquare},
    {73, PostFaceA},
    {76, ShrubLeft},
    {77, ShrubRight},
    {78, EggHalf},
    {79, EggHalf, Mirror, Darker},
    {80, BowlEnd},
    {81, Bowl},
    {82, BowlEnd, Mirror},
    {83, PedestalFoot},
    {84, PedestalFoot, Mirror},
    {85, StripeBand},
    {86, PostPoint},
    {87, PostFaceB},
    {88, PostFaceC},
    {89, FriezeBorder},
    {90, FriezeLoopsA},
    {91, PostTop},
    {92, FriezeLoopsB},
    {93, Zigzag},
    {94, NotchedPost},
    {96, RockLumps},
    {97, RockLumps, MirrorFlip},
    {99, Boulder},
    {100, RoughRock},
    {101, DottedStone},
    {102, DottedStone, Mirror},
    {103, DottedStone, Flip},
    {104, DottedStone, MirrorFlip},
    {105, JaggedRock},
    {106, RoundRock},
    {107, PatchyRock},
    {108, ShinyEnd},
    {109, ShinyEnd, Mirror},
    {110, ShinySingle},
};

const Drawings World4 = {
    {49, Fret},
    {50, Fret, Mirror},
    {51, RailPost},
    {52, TwigY},
    {53, Branch},
    {54, Strokes},
    {55, CurvedBranch},
    {56, TreeTip},
    {57, Foliage},
    {58, RailEnd},
    {59, DarkStripes},
    {61, PeakMarked},
    {62, PeakSide},
    {63, PeakRise},
    {64, PeakV},
    {65, Shoulder},
    {66, TwigShoots},
    {67, TwigBitsA},
    {68, TwigBitsB},
    {69, PeakUpright},
    {70, SmallCloudEnd},
    {71, SmallCloud},
    {72, SmallCloudEnd, Mirror},
    {73, LightStripes},
    {74, PeakSteep},
    {75, RoundPeakLeft},
    {76, RoundPeakRight},
    {77, PeakTip},
    {78, Marks},
    {79, TwigBitsC},
    {81, BevelSquare},
    {82, BigCloudTopEnd},
    {83, BigCloudTopA},
    {84, BigCloudTopB},
    {85, BigCloudTopEnd, Mirror},
    {86, BigCloudBottomEnd},
    {87, CloudBottom},
    {88, CloudBottom},
    {89, BigCloudBottomEnd, Mirror},
    {90, Star},
    {91, BlackTopBand},
    {92, BlackTopBand, Flip},
    {93, WaterSurface},
    {94, Horn},
    {96, WavyCap},
    {97, WavyCap, Mirror},
    {99, WavyCapEnd, Mirror},
    {100, TrunkEdge, Mirror},
    {101, WavyCapEnd},
    {102, TrunkEdge},
    {103, Lattice},
    {104, Pill},
    {105, Slab},
    {106, Slab, Mirror},
    {107, ColumnBase},
    {108, ColumnBase, Mirror},
    {109, ColumnShaft},
    {110, ColumnShaft, Mirror},
    {111, FramedSquare},
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
