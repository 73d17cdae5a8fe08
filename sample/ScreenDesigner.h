#pragma once

#include "rom/ScreenEncoder.h"

#include <array>
#include <cstdint>

// The pieces the sample's screens are designed from: a seeded random source, the objects the
// designs use and one world's theme, and the designer that fills a screen from them.

namespace rom::sample {

// A small deterministic generator: the same seed gives the same image on every platform.
class Random {
public:
    explicit Random(uint32_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
    uint32_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
    }
    int range(int lo, int hi) {
        return lo + static_cast<int>(next() % static_cast<uint32_t>(hi - lo + 1));
    }
    bool chance(int percent) { return range(1, 100) <= percent; }
    template <typename T, size_t N> T pick(const std::array<T, N>& items) {
        return items[static_cast<size_t>(range(0, static_cast<int>(N) - 1))];
    }

private:
    uint64_t state_;
};

// Object codes the designs use, by what the game does with them. Universal blocks look the same
// in every world; everything below code 96 is walked through, so ground, stairs and ledges come
// from the solid codes of each world.
inline constexpr int Empty = ColumnCells::Empty;
inline constexpr int Breakable = 130;
inline constexpr int CoinBlock = 128;
inline constexpr int PowerUpBlock = 129;
inline constexpr int Coin = 244;
inline constexpr int PipeTopLeft = 112;
inline constexpr int PipeTopRight = 113;
inline constexpr int PipeLeft = 114;
inline constexpr int PipeRight = 115;

inline constexpr int GroundRow = 14; // the ground covers rows 14 and 15
inline constexpr int LastRow = ScreenRows - 1;

// A small picture made of several objects, row by row from the top; Empty leaves a cell alone.
struct Stamp {
    int width;
    int height;
    std::array<int, 9> codes;
    int at(int x, int y) const { return codes[static_cast<size_t>(y * width + x)]; }
};

// Codes that make a row of any length: its left end, its right end and, between them, `middle`
// at odd places from the left end and `alternate` at even ones (objects two cells wide repeat).
struct Span {
    int left;
    int middle;
    int right;
    int alternate;
    bool pairs() const { return alternate != middle; }
    int inner(int i) const { return i % 2 == 1 ? middle : alternate; }
};
constexpr Span same(int code) {
    return {code, code, code, code};
}

// Each world's own objects (codes 49 to 111 are drawn per world) and the enemies met there.
struct WorldTheme {
    Span groundTop;               // solid
    Span groundFill;              // solid, under the top
    int block;                    // a solid block of the world's own, for stairs
    Stamp bigBlock;               // two by two solid cells floating in the sky levels
    Span platform;                // a floating ledge Mario can stand on
    Stamp cloud;                  // width 0 when the world has none
    int ceiling;                  // the sky levels' scraps of ceiling
    std::array<Stamp, 4> scenery; // things that stand on the ground, all walked through
    std::array<int, 6> enemies;
    int boss;
};

using Grid = std::array<std::array<int, ScreenRows>, ScreenColumns>;

// Designs one screen: ground with pits, then features until the screen takes about
// `targetBytes` when encoded.
class ScreenDesigner {
public:
    ScreenDesigner(Random& rng, const WorldTheme& theme) : rng_(rng), theme_(theme) {}

    // The first screen of a level starts the ground at its left edge.
    Grid land(int targetBytes, bool firstScreen);

    // The scrolling levels fly over open sky: floating blocks and scraps of floor and ceiling.
    Grid sky(int targetBytes);

private:
    void carvePits(Grid& grid, int groundBytes);

    // The ground's top row gets its edges beside the pits; objects two cells wide line up on
    // even columns.
    void topTheGround(Grid& grid, bool firstScreen) const;
    void addFeatures(Grid& grid, int targetBytes, bool sky);
    bool hasClouds() const { return theme_.cloud.width > 0; }
    void addLandFeature(Grid& grid);
    void addSkyFeature(Grid& grid);
    static void row(Grid& grid, int y, int x0, int length, int code);

    // A row with its ends, left where it would cover something or leave the screen.
    static void span(Grid& grid, int y, int x0, int length, const Span& codes);
    void blockRow(Grid& grid, int y);
    void bigBlock(Grid& grid, int x, int y);
    void pipe(Grid& grid);
    void stairs(Grid& grid);
    void scenery(Grid& grid);
    static bool onGround(const Grid& grid, int x, int width);
    static void standOnGround(Grid& grid, int x, const Stamp& stamp);
    static void place(Grid& grid, int x, int y, const Stamp& stamp);

    Random& rng_;
    const WorldTheme& theme_;
};

} // namespace rom::sample
