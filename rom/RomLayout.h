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

// The twelve levels in the game's (and the document's) fixed order.
inline constexpr std::array<std::string_view, 12> Levels = {"11", "12", "13", "21", "22", "23",
                                                            "31", "32", "33", "41", "42", "43"};

// One level's screen pointer table: 2-byte little-endian pointers from First to Last
// (both inclusive). Pointer + RefAdd is the file offset of the screen's data.
struct LevelTable {
    std::string_view level;
    int first;
    int last;
    int refAdd;
    int bank;
    int screens;
};

inline constexpr std::array<LevelTable, 12> LevelTables = {{
    {"11", 0xA194, 0xA1B5, 0x4000, 2, 17},
    {"12", 0xA1BD, 0xA1D8, 0x4000, 2, 14},
    {"13", 0xA1DC, 0xA1FD, 0x4000, 2, 17},
    {"21", 0x55BD, 0x55E0, 0x0000, 1, 18},
    {"22", 0x55E8, 0x5603, 0x0000, 1, 14},
    {"23", 0x560B, 0x562E, 0x0000, 1, 18},
    {"31", 0xD041, 0xD072, 0x8000, 3, 25},
    {"32", 0xD07A, 0xD099, 0x8000, 3, 16},
    {"33", 0xD0A1, 0xD0BE, 0x8000, 3, 15},
    {"41", 0x5632, 0x5663, 0x0000, 1, 25},
    {"42", 0x566B, 0x5692, 0x0000, 1, 20},
    {"43", 0x569A, 0x56C9, 0x0000, 1, 24},
}};

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

// Pipes: two 6-byte records per pipe level, 0xFF between levels.
inline constexpr int PipeFirst = 0xD0CA;
inline constexpr int PipeLast = 0xD13D;
inline constexpr int PipeBytes = PipeLast - PipeFirst + 1; // 116
inline constexpr int PipesPerLevel = 2;
inline constexpr std::array<std::string_view, 9> PipeLevels = {"11", "13", "21", "22", "31",
                                                               "32", "33", "41", "42"};

inline constexpr uint8_t Separator = 0xFF;  // between levels in the power-up and pipe tables
inline constexpr uint8_t RepeatMark = 0xFD; // screen data: the run repeats one object
inline constexpr uint8_t ColumnEnd = 0xFE;  // screen data: end of a column

inline constexpr int ScreenColumns = 20;
inline constexpr int ScreenRows = 16;

// The three save regions: each world group's screens are encoded from its data base on.
// A region may hold Budget + 1 bytes: it is refused when (bytes - 1) > Budget.
struct Region {
    int section; // index into sectionChanged
    std::string_view name;
    std::array<std::string_view, 6> levels;
    int levelCount;
    int dataBase;   // Game Boy address of the first byte
    int dataOffset; // file offset of the first byte
    int budget;
};

inline constexpr std::array<Region, 3> Regions = {{
    {0, "world 1", {"11", "12", "13"}, 3, 0x6200, 0xA200, 5847},
    {1, "worlds 2 and 4", {"21", "22", "23", "41", "42", "43"}, 6, 0x56CD, 0x56CD, 10544},
    {2, "world 3", {"31", "32", "33"}, 3, 0x52CC, 0xD2CC, 4426},
}};

// Levels 22, 32, 33 and 42 start with screens 1 and 2 of their world's first level; those two
// pointers stand in a 4-byte block just before the level's own table.
struct FirstScreensBlock {
    int offset;
    std::string_view fromLevel;
    std::string_view beforeLevel;
};

inline constexpr std::array<FirstScreensBlock, 4> FirstScreensBlocks = {{
    {0x55E4, "21", "22"},
    {0x5667, "41", "42"},
    {0xD076, "31", "32"},
    {0xD09D, "31", "33"},
}};

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

// The screen section of a level's world: "1" -> 0, "2"/"4" -> 1, "3" -> 2.
constexpr int screenSectionOfWorld(char worldDigit) {
    return worldDigit == '1'   ? SectionWorld1
           : worldDigit == '3' ? SectionWorld3
                               : SectionWorlds2And4;
}

} // namespace rom
