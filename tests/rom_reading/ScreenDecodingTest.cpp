#include "TestRom.h"

#include "rom/LevelKeys.h"
#include "rom/RomReader.h"
#include "rom/ScreenDecoder.h"

#include <gtest/gtest.h>

#include <map>

using namespace rom;

namespace {

constexpr uint8_t FD = RepeatMark;
constexpr uint8_t FE = ColumnEnd;

// A level-1-1 screen in bank 2.
constexpr long ScreenAt = 0xB100;

std::map<int, std::string> column(const kiv::ConfigFile& doc, std::string_view level, long screen,
                                  int x) {
    std::map<int, std::string> cells;
    for (int y = 0; y < ScreenRows; ++y) {
        const std::string value = doc.GetValue(cellKey(level, num(screen), x, y));
        if (value != kiv::ConfigFile::NotFound)
            cells[y] = value;
    }
    return cells;
}

kiv::ConfigFile load(const TestRom& rom) {
    kiv::ConfigFile doc;
    loadROM(rom.image(), doc);
    return doc;
}

struct ColumnCase {
    const char* name;
    std::vector<uint8_t> bytes;
    std::map<int, std::string> cells;
    friend void PrintTo(const ColumnCase& c, std::ostream* os) { *os << c.name; }
};

class ColumnDecoding : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(ColumnDecoding, WritesExactlyTheCellsOfTheColumn) {
    TestRom rom;
    rom.put(ScreenAt, screenWithFirstColumn(GetParam().bytes));
    rom.setPointer("11", 1, ScreenAt);
    const auto doc = load(rom);

    EXPECT_EQ(column(doc, "11", ScreenAt, 0), GetParam().cells);
    // The next column starts where this one ended.
    EXPECT_EQ(column(doc, "11", ScreenAt, 1), (std::map<int, std::string>{{0, "99"}}));
}

std::map<int, std::string> rows(int first, int last, const std::string& value) {
    std::map<int, std::string> cells;
    for (int y = first; y <= last; ++y)
        cells[y] = value;
    return cells;
}

std::map<int, std::string> sixteenLiterals() {
    std::map<int, std::string> cells;
    for (int y = 0; y < 16; ++y)
        cells[y] = num(y + 1);
    return cells;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnDecoding,
    ::testing::Values(
        ColumnCase{"EmptyColumn", {FE}, {}},
        ColumnCase{"HeaderZeroIsSixteenLiterals",
                   {0x00, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, FE},
                   sixteenLiterals()},
        ColumnCase{"HeaderZeroIsSixteenRepeats", {0x00, FD, 7, FE}, rows(0, 15, "7")},
        ColumnCase{"RepeatRun", {0x35, FD, 0x2A, FE}, rows(3, 7, "42")},
        ColumnCase{"LiteralRunToBottomRow", {0xE2, 0x10, 0x11, FE}, {{14, "16"}, {15, "17"}}},
        ColumnCase{
            "ColumnEndInsideLiteralRunIsAnObject", {0x02, 5, FE, FE}, {{0, "5"}, {1, "254"}}},
        ColumnCase{
            "RepeatMarkInsideLiteralRunIsAnObject", {0x02, 5, FD, FE}, {{0, "5"}, {1, "253"}}},
        ColumnCase{"SeveralGroups",
                   {0x01, 9, 0x52, 3, 4, 0xA3, FD, 0, FE},
                   {{0, "9"}, {5, "3"}, {6, "4"}, {10, "0"}, {11, "0"}, {12, "0"}}},
        ColumnCase{"RepeatMarkBeforeTheHeader", {FD, 0x23, 8, FE}, rows(2, 4, "8")},
        ColumnCase{"ColumnEndRightAfterAHeader", {0x35, FE}, {}},
        ColumnCase{"RepeatOfObjectZeroIsKept", {0x12, FD, 0, FE}, {{1, "0"}, {2, "0"}}},
        ColumnCase{"RepeatBelowTheBottomRowIsCut", {0xF3, FD, 5, FE}, {{15, "5"}}},
        ColumnCase{"LiteralBelowTheBottomRowIsCut", {0xE3, 1, 2, 3, FE}, {{14, "1"}, {15, "2"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScreenDecoding, KeepsNoCellBelowTheBottomRow) {
    TestRom rom;
    rom.put(ScreenAt, screenWithFirstColumn({0xF3, FD, 5, 0xE3, 1, 2, 3, FE}));
    rom.setPointer("11", 1, ScreenAt);
    const auto doc = load(rom);
    for (int y = ScreenRows; y < ScreenRows + 3; ++y)
        EXPECT_EQ(doc.GetValue(cellKey("11", num(ScreenAt), 0, y)), kiv::ConfigFile::NotFound);
}

TEST(LevelDecoding, ListsEveryPointerAndMarksEachScreenOnce) {
    TestRom rom;
    constexpr long Other = 0xB200;
    rom.put(ScreenAt, screenWithFirstColumn({0x01, 7, FE}));
    rom.put(Other, screenWithFirstColumn({0x11, 8, FE}));
    rom.setPointer("11", 1, ScreenAt);
    rom.setPointer("11", 2, Other);
    rom.setPointer("11", 3, ScreenAt);
    const auto doc = load(rom);

    EXPECT_EQ(doc.GetValue("Screens_11"), "17");
    EXPECT_EQ(doc.GetValue("Screen_11_1"), "45312");
    EXPECT_EQ(doc.GetValue("Screen_11_2"), "45568");
    EXPECT_EQ(doc.GetValue("Screen_11_3"), "45312");
    EXPECT_EQ(doc.GetValue("Screen_11_4"), num(TestRom::EmptyScreenBank2));
    EXPECT_EQ(doc.GetValue("Screen_11_17"), num(TestRom::EmptyScreenBank2));
    EXPECT_EQ(doc.GetValue("Screen_11_18"), kiv::ConfigFile::NotFound);
    EXPECT_EQ(doc.GetValue("11_45312"), "Y");
    EXPECT_EQ(doc.GetValue("11_45568"), "Y");
    EXPECT_EQ(doc.GetValue("11_45312_0_0"), "7");
    EXPECT_EQ(doc.GetValue("11_45568_0_1"), "8");
}

TEST(LevelDecoding, SameScreenInTwoLevelsIsDecodedForEach) {
    TestRom rom;
    constexpr long Shared = 0x6100;
    rom.put(Shared, screenWithFirstColumn({0x01, 7, FE}));
    rom.setPointer("21", 1, Shared);
    rom.setPointer("22", 5, Shared);
    const auto doc = load(rom);

    EXPECT_EQ(doc.GetValue("Screen_21_1"), "24832");
    EXPECT_EQ(doc.GetValue("Screen_22_5"), "24832");
    EXPECT_EQ(doc.GetValue("21_24832"), "Y");
    EXPECT_EQ(doc.GetValue("22_24832"), "Y");
    EXPECT_EQ(doc.GetValue("21_24832_0_0"), "7");
    EXPECT_EQ(doc.GetValue("22_24832_0_0"), "7");
    EXPECT_EQ(doc.GetValue("22_24832_1_0"), "99");
}

TEST(CheckDupScreen, TrueOnlyForFirstLevelScreensListedBySecondLevel) {
    kiv::ConfigFile doc;
    doc.WriteValue("Screens_12", "2");
    doc.WriteValue("Screen_12_1", "45312");
    doc.WriteValue("Screen_12_2", "45568");
    doc.WriteValue("Screen_12_3", "50000"); // beyond the count: not part of the list
    doc.WriteValue("Screens_11", "1");
    doc.WriteValue("Screen_11_1", "45312");
    doc.WriteValue("Screens_13", "1");
    doc.WriteValue("Screen_13_1", "45312");

    EXPECT_TRUE(CheckDupScreen(doc, "11", "45312"));
    EXPECT_TRUE(CheckDupScreen(doc, "11", "45568"));
    EXPECT_FALSE(CheckDupScreen(doc, "11", "41472"));
    EXPECT_FALSE(CheckDupScreen(doc, "11", "50000"));
    EXPECT_FALSE(CheckDupScreen(doc, "12", "45312"));
    EXPECT_FALSE(CheckDupScreen(doc, "13", "45312"));
    EXPECT_FALSE(CheckDupScreen(doc, "21", "45312")); // level 22 has no list
    EXPECT_FALSE(CheckDupScreen(doc, "", "45312"));
}

} // namespace
