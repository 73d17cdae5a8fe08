#pragma once

// Where everything lies in a Super Mario Land ROM image. Every offset the codec uses is here,
// so that no number appears twice.

#include <array>
#include <cstdint>
#include <string_view>

namespace rom {

inline constexpr int RomSize = 65536;

// Cartridge title field; its bytes sum to TitleSum in the game's image.
inline constexpr int TitleFirst = 0x134;
inline constexpr int TitleLast = 0x142;
inline constexpr int TitleSum = 1094;
inline constexpr int32_t ErrNotSuperMarioLand = -2147221503; // 0x80040001
inline constexpr std::string_view NotSuperMarioLandText = "This is not a Super Mario Land ROM file";

// One level of the game. Its screen pointer table holds 2-byte little-endian pointers from
// `first` to `last` (both inclusive); pointer + refAdd is the file offset of the screen's data.
// The Screen Manager numbers the level's screens from 1 + numberOffset. A level that names
// `borrowsFrom` starts with the first BorrowedScreens screens of that level: their pointers
// stand in a block of their own just before the level's table.
struct LevelTable {
    std::string_view level;
    int world;
    int first;
    int last;
    int refAdd;
    int bank;
    int screens;
    int numberOffset;
    std::string_view borrowsFrom; // "" for a level that borrows nothing
    bool hasPipes;
};

inline constexpr int BorrowedScreens = 2;

// The twelve levels in the game's (and the document's) fixed order; a world's levels stand in
// the order the game plays them.
inline constexpr std::array<LevelTable, 12> LevelTables = {{
    // level, world, first, last, refAdd, bank, screens, numberOffset, borrowsFrom, hasPipes
    {"11", 1, 0xA194, 0xA1B5, 0x4000, 2, 17, 0, "", true},
    {"12", 1, 0xA1BD, 0xA1D8, 0x4000, 2, 14, 2, "", false},
    {"13", 1, 0xA1DC, 0xA1FD, 0x4000, 2, 17, 0, "", true},
    {"21", 2, 0x55BD, 0x55E0, 0x0000, 1, 18, 0, "", true},
    {"22", 2, 0x55E8, 0x5603, 0x0000, 1, 14, 0, "21", true},
    {"23", 2, 0x560B, 0x562E, 0x0000, 1, 18, 2, "", false},
    {"31", 3, 0xD041, 0xD072, 0x8000, 3, 25, 0, "", true},
    {"32", 3, 0xD07A, 0xD099, 0x8000, 3, 16, 0, "31", true},
    {"33", 3, 0xD0A1, 0xD0BE, 0x8000, 3, 15, 0, "31", true},
    {"41", 4, 0x5632, 0x5663, 0x0000, 1, 25, 0, "", true},
    {"42", 4, 0x566B, 0x5692, 0x0000, 1, 20, 0, "41", true},
    {"43", 4, 0x569A, 0x56C9, 0x0000, 1, 24, 2, "", false},
}};

// The document names a level by its world's digit and its place in the world.
static_assert([] {
    for (const LevelTable& table : LevelTables)
        if (table.level.size() != 2 || table.level[0] - '0' != table.world)
            return false;
    return true;
}());

// The level names in the game's order.
inline constexpr std::array<std::string_view, LevelTables.size()> Levels = [] {
    std::array<std::string_view, LevelTables.size()> out{};
    for (size_t i = 0; i < LevelTables.size(); ++i)
        out[i] = LevelTables[i].level;
    return out;
}();

// The row of `level`; nullptr for a text that names no level.
constexpr const LevelTable* findLevel(std::string_view level) {
    for (const LevelTable& table : LevelTables)
        if (table.level == level)
            return &table;
    return nullptr;
}

// The `n`th level (from 0) of `world`; "" when the world has fewer.
constexpr std::string_view levelOfWorld(int world, int n) {
    for (const LevelTable& table : LevelTables)
        if (table.world == world && n-- == 0)
            return table.level;
    return {};
}

// Whether `level` is the `n`th level (from 0) of its world.
constexpr bool isLevelOfWorld(std::string_view level, int n) {
    const LevelTable* table = findLevel(level);
    return table && levelOfWorld(table->world, n) == level;
}
constexpr bool isFirstLevelOfWorld(std::string_view level) {
    return isLevelOfWorld(level, 0);
}
constexpr bool isSecondLevelOfWorld(std::string_view level) {
    return isLevelOfWorld(level, 1);
}

// The second level of `level`'s world; "" for a text that names no level.
constexpr std::string_view secondLevelOfWorld(std::string_view level) {
    const LevelTable* table = findLevel(level);
    return table ? levelOfWorld(table->world, 1) : std::string_view();
}

// One level's enemy table: 3-byte records from First to Last (both inclusive).
struct EnemyTable {
    std::string_view level;
    int first;
    int last;
    int records;
};

inline constexpr std::array<EnemyTable, 12> EnemyTables = {{
    {"11", 0xA002, 0xA070, 37},
    {"12", 0xA073, 0xA0FC, 46},
    {"13", 0xA0FE, 0xA18D, 48},
    {"21", 0x5179, 0x5220, 56},
    {"22", 0x5222, 0x5299, 40},
    {"23", 0x529B, 0x530F, 39},
    {"31", 0xCE74, 0xCF1B, 56},
    {"32", 0xCF1D, 0xCFD6, 62},
    {"33", 0xCFD8, 0xD03D, 34},
    {"41", 0x5311, 0x5403, 81},
    {"42", 0x5405, 0x54D3, 69},
    {"43", 0x54D5, 0x55B8, 76},
}};

// Power-ups: 3-byte records of all levels, 0xFF between the records of consecutive levels.
inline constexpr int PowerUpFirst = 0xD13F;
inline constexpr int PowerUpLast = 0xD22A;
inline constexpr int PowerUpCount = 75;
inline constexpr int PowerUpBytes = PowerUpLast - PowerUpFirst + 1; // 236

// Pipes: two 6-byte records per level that has pipes, 0xFF between levels.
inline constexpr int PipeFirst = 0xD0CA;
inline constexpr int PipeLast = 0xD13D;
inline constexpr int PipeBytes = PipeLast - PipeFirst + 1; // 116
inline constexpr int PipesPerLevel = 2;

inline constexpr size_t PipeLevelCount = [] {
    size_t count = 0;
    for (const LevelTable& table : LevelTables)
        count += table.hasPipes ? 1 : 0;
    return count;
}();

// The levels with pipes, in the order of the pipe table.
inline constexpr std::array<std::string_view, PipeLevelCount> PipeLevels = [] {
    std::array<std::string_view, PipeLevelCount> out{};
    size_t i = 0;
    for (const LevelTable& table : LevelTables)
        if (table.hasPipes)
            out[i++] = table.level;
    return out;
}();

inline constexpr uint8_t Separator = 0xFF;  // between levels in the power-up and pipe tables
inline constexpr uint8_t RepeatMark = 0xFD; // screen data: the run repeats one object
inline constexpr uint8_t ColumnEnd = 0xFE;  // screen data: end of a column

inline constexpr int ScreenColumns = 20;
inline constexpr int ScreenRows = 16;

// Every text that names a save region.
struct RegionCaptions {
    std::string_view report;      // the save report and the data usage check
    std::string_view refusal;     // a save refused for the region's size
    std::string_view meter;       // the status bar's usage meter
    std::string_view meterLabel;  // object name of the meter's label
    std::string_view meterTarget; // what the meter's over-budget tip says Save As will refuse
};

// The levels of a save region, in the order its screens are encoded.
struct RegionLevels {
    std::array<std::string_view, LevelTables.size()> names{};
    size_t count = 0;
    constexpr auto begin() const { return names.begin(); }
    constexpr auto end() const { return names.begin() + count; }
};

// The three save regions: each region's screens are encoded from its data base on, world by
// world in the order listed, each world's levels in the game's order.
// A region may hold Budget + 1 bytes: it is refused when (bytes - 1) > Budget.
struct Region {
    int section; // index into sectionChanged
    std::array<int, 2> worlds;
    int worldCount;
    int dataBase;   // Game Boy address of the first byte
    int dataOffset; // file offset of the first byte
    int budget;
    RegionCaptions captions;

    constexpr RegionLevels levels() const {
        RegionLevels out;
        for (int w = 0; w < worldCount; ++w)
            for (const LevelTable& table : LevelTables)
                if (table.world == worlds[w])
                    out.names[out.count++] = table.level;
        return out;
    }
};

// clang-format off
inline constexpr std::array<Region, 3> Regions = {{
    // section, worlds, worldCount, dataBase, dataOffset, budget,
    //     captions: report, refusal, meter, meterLabel, meterTarget
    {0, {1},    1, 0x6200, 0xA200, 5847,
        {"world 1",        "world 1",       "World 1",      "lblWorld1",      "this world"}},
    {1, {2, 4}, 2, 0x56CD, 0x56CD, 10544,
        {"worlds 2 and 4", "world 2 and 4", "Worlds 2 & 4", "lblWorlds2And4", "these worlds"}},
    {2, {3},    1, 0x52CC, 0xD2CC, 4426,
        {"world 3",        "world 3",       "World 3",      "lblWorld3",      "this world"}},
}};
// clang-format on

// A level that borrows the first screens of another: the two pointers stand in a 4-byte block
// just before the level's own table.
struct FirstScreensBlock {
    int offset;
    std::string_view fromLevel;
    std::string_view beforeLevel;
};

inline constexpr size_t FirstScreensBlockCount = [] {
    size_t count = 0;
    for (const LevelTable& table : LevelTables)
        count += table.borrowsFrom.empty() ? 0 : 1;
    return count;
}();

inline constexpr std::array<FirstScreensBlock, FirstScreensBlockCount> FirstScreensBlocks = [] {
    std::array<FirstScreensBlock, FirstScreensBlockCount> out{};
    size_t i = 0;
    for (const LevelTable& table : LevelTables)
        if (!table.borrowsFrom.empty())
            out[i++] = {table.first - 2 * BorrowedScreens, table.borrowsFrom, table.level};
    return out;
}();

// Section flags: which parts of the ROM a save must rewrite.
enum Section : int {
    SectionWorld1 = 0,
    SectionWorlds2And4 = 1,
    SectionWorld3 = 2,
    SectionEnemies = 3,
    SectionPowerUps = 4,
    SectionPipes = 5,
    SectionCount = 6,
};
using SectionFlags = std::array<bool, SectionCount>;

// The screen section of a world, given as its digit: the region that holds the world. A digit
// of no world falls to worlds 2 and 4.
constexpr int screenSectionOfWorld(char worldDigit) {
    for (const Region& region : Regions)
        for (int w = 0; w < region.worldCount; ++w)
            if (region.worlds[w] == worldDigit - '0')
                return region.section;
    return SectionWorlds2And4;
}

} // namespace rom
