#include "TestRom.h"

#include "rom/LevelKeys.h"
#include "rom/RomReader.h"
#include "sample/SampleRom.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace rom;

namespace {

constexpr uint8_t FE = ColumnEnd;

kiv::ConfigFile prefilled() {
    kiv::ConfigFile doc;
    doc.WriteValue("Screens_11", "3");
    doc.WriteValue("11_41472_0_0", "12");
    return doc;
}

TEST(LoadRom, ReadsTheFirst65536BytesOfAFile) {
    TestRom rom;
    rom.put(0xB100, screenWithFirstColumn({0x01, 7, FE}));
    rom.setPointer("11", 1, 0xB100);
    const auto file = rom.writeFile("longer.gb", 2 * RomSize);
    kiv::ConfigFile doc = prefilled();
    loadROM(file.path, doc);

    EXPECT_EQ(doc.GetValue("Screens_11"), "17");
    EXPECT_EQ(doc.GetValue("11_45312_0_0"), "7");
    // The previous document is gone, not merged.
    EXPECT_EQ(doc.GetValue("11_41472_0_0"), kiv::ConfigFile::NotFound);
    EXPECT_EQ(doc.GetValue("Enemies_43"), "76");
    EXPECT_EQ(doc.GetValue("Pipe_11_exity_1"), "-5");
}

TEST(LoadRom, AcceptsAnyTitleWithTheGameSum) {
    TestRom rom;
    // Same sum as the game's title, other bytes: 1094 = 14 * 73 + 72.
    rom.put(TitleFirst, std::vector<uint8_t>(15, 73));
    rom.put(TitleLast, {72});
    kiv::ConfigFile doc;
    EXPECT_NO_THROW(loadROM(rom.image(), doc));
    EXPECT_EQ(doc.GetValue("Screens_43"), "24");
}

struct BadInput {
    const char* name;
    std::function<void(TestRom&)> corrupt;
    long fileSize;
    int32_t number;
    std::string description;
    friend void PrintTo(const BadInput& c, std::ostream* os) { *os << c.name; }
};

class BadRom : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadRom, IsRefusedAndLeavesTheDocumentAsItWas) {
    TestRom rom;
    GetParam().corrupt(rom);
    const auto file = rom.writeFile(std::string(GetParam().name) + ".gb", GetParam().fileSize);
    kiv::ConfigFile doc = prefilled();
    const std::string before = doc.GetAll();
    try {
        loadROM(file.path, doc);
        FAIL() << "loaded";
    } catch (const kiv::Error& e) {
        EXPECT_EQ(e.number(), GetParam().number);
        EXPECT_EQ(e.description(), GetParam().description);
    }
    EXPECT_EQ(doc.GetAll(), before);
}

void nothing(TestRom&) {}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadRom,
    ::testing::Values(
        BadInput{"ShortFile", nothing, 32768, ErrRomTooShort,
                 "The file is too short to be a Super Mario Land ROM (32768 bytes)"},
        BadInput{"EmptyFile", nothing, 0, ErrRomTooShort,
                 "The file is too short to be a Super Mario Land ROM (0 bytes)"},
        BadInput{"WrongTitle", [](TestRom& r) { r.put(TitleFirst, {'X'}); }, RomSize,
                 ErrNotSuperMarioLand, "This is not a Super Mario Land ROM file"},
        BadInput{"PointerPastTheEnd", [](TestRom& r) { r.setPointerWord("31", 2, 0x9000); },
                 RomSize, ErrCorruptRomData,
                 "A screen pointer of level 3-1 points outside the screen data of the ROM image "
                 "(pointer at 0xD043)"},
        BadInput{"PointerIntoBankZero", [](TestRom& r) { r.setPointerWord("21", 1, 0x0100); },
                 RomSize, ErrCorruptRomData,
                 "A screen pointer of level 2-1 points outside the screen data of the ROM image "
                 "(pointer at 0x55BD)"},
        BadInput{"ScreenRunsOffTheEnd",
                 [](TestRom& r) {
                     r.put(0xFFF8, std::vector<uint8_t>(8, FE));
                     r.setPointer("33", 3, 0xFFF8);
                 },
                 RomSize, ErrCorruptRomData,
                 "Screen data of level 3-3 runs past the end of the ROM image (screen 65528)"},
        BadInput{"LiteralRunRunsOffTheEnd",
                 [](TestRom& r) {
                     r.put(0xFFFD, {0x0F, 1, 2});
                     r.setPointer("43", 1, 0xFFFD);
                 },
                 RomSize, ErrCorruptRomData,
                 "Screen data of level 4-3 runs past the end of the ROM image (screen 65533)"}),
    [](const auto& info) { return std::string(info.param.name); });

// Which error each unreadable file reports is the file layer's (tests/files); the load passes it
// on with its wording and leaves the document as it was.
TEST(LoadRom, AnUnreadableFileReportsItsErrorAndLeavesTheDocument) {
    kiv::ConfigFile doc = prefilled();
    const std::string before = doc.GetAll();
    try {
        loadROM(::testing::TempDir() + "no-such-folder/rom.gb", doc);
        FAIL() << "no error";
    } catch (const kiv::Error& e) {
        EXPECT_EQ(e.number(), kiv::errors::PathNotFound);
        EXPECT_EQ(e.description(), "Path not found");
    }
    EXPECT_EQ(doc.GetAll(), before);
}

TEST(LoadRom, SampleImageGivesTheGameShape) {
    kiv::ConfigFile doc;
    loadROM(RomImage(makeSampleRom()), doc);

    for (const auto& table : LevelTables)
        EXPECT_EQ(doc.GetValue(screensKey(table.level)), num(table.screens)) << table.level;
    EXPECT_EQ(doc.GetValue("Screens_11"), "17");
    EXPECT_NE(doc.GetValue("Screen_11_17"), kiv::ConfigFile::NotFound);
    EXPECT_EQ(doc.GetValue("Screen_11_18"), kiv::ConfigFile::NotFound);
    for (const auto& table : EnemyTables)
        EXPECT_EQ(doc.GetValue(enemiesKey(table.level)), num(table.records)) << table.level;
    // The game's own numbers, written out rather than taken from the layout tables above.
    const struct {
        const char* level;
        const char* screens;
        const char* enemies;
    } shape[] = {{"11", "17", "37"}, {"12", "14", "46"}, {"13", "17", "48"}, {"21", "18", "56"},
                 {"22", "14", "40"}, {"23", "18", "39"}, {"31", "25", "56"}, {"32", "16", "62"},
                 {"33", "15", "34"}, {"41", "25", "81"}, {"42", "20", "69"}, {"43", "24", "76"}};
    for (const auto& level : shape) {
        EXPECT_EQ(doc.GetValue(screensKey(level.level)), level.screens) << level.level;
        EXPECT_EQ(doc.GetValue(enemiesKey(level.level)), level.enemies) << level.level;
    }

    EXPECT_NE(doc.GetValue(powerUpKey("level", PowerUpCount)), kiv::ConfigFile::NotFound);
    EXPECT_EQ(doc.GetValue(powerUpKey("level", PowerUpCount + 1)), kiv::ConfigFile::NotFound);
    EXPECT_EQ(doc.GetValue(powerUpKey("level", 1)), "11");
    EXPECT_EQ(doc.GetValue(powerUpKey("level", PowerUpCount)), "43");

    for (const auto level : PipeLevels) {
        EXPECT_NE(doc.GetValue(pipeKey(level, "exity", PipesPerLevel)), kiv::ConfigFile::NotFound)
            << level;
        EXPECT_EQ(doc.GetValue(pipeKey(level, "entryscreen", PipesPerLevel + 1)),
                  kiv::ConfigFile::NotFound)
            << level;
    }
    for (const char* level : {"12", "23", "43"})
        EXPECT_EQ(doc.GetValue(pipeKey(level, "entryscreen", 1)), kiv::ConfigFile::NotFound);

    // Every listed screen has a five-digit reference and its level's marker.
    for (const auto& table : LevelTables) {
        for (int k = 1; k <= table.screens; ++k) {
            const std::string ref = doc.GetValue(screenKey(table.level, k));
            EXPECT_EQ(ref.size(), 5u);
            EXPECT_EQ(doc.GetValue(markerKey(table.level, ref)), "Y");
        }
    }
}

} // namespace
