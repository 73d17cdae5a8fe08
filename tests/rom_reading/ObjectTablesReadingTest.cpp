#include "TestRom.h"

#include "rom/LevelKeys.h"
#include "rom/ObjectTablesReader.h"

#include <gtest/gtest.h>

using namespace rom;

namespace {

constexpr uint8_t FF = Separator;

struct EnemyCase {
    std::vector<uint8_t> record;
    const char* screen;
    const char* x;
    const char* y;
    const char* type;
    const char* hard;
};

TEST(EnemyReading, ConvertsEachRecordByte) {
    const std::vector<EnemyCase> cases = {
        {{37, 0x0A, 0x11}, "4", "7", "A", "11", "N"},
        {{9, 0x00, 0x91}, "1", "9", "0", "11", "Y"},
        {{10, 0xFF, 0x80}, "2", "0", "FF", "0", "Y"},
        {{0, 0x1B, 0x7F}, "1", "0", "1B", "7F", "N"},
        {{255, 0x80, 0xFF}, "26", "5", "80", "7F", "Y"},
    };
    TestRom rom;
    const EnemyTable& table = EnemyTables[0];
    for (size_t k = 0; k < cases.size(); ++k)
        rom.put(table.first + 3 * static_cast<long>(k), cases[k].record);
    kiv::ConfigFile doc;
    loadEnemies(rom.image(), table, doc);

    EXPECT_EQ(doc.GetValue("Enemies_11"), "37");
    for (size_t i = 0; i < cases.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        SCOPED_TRACE(k);
        EXPECT_EQ(doc.GetValue(enemyKey("11", "screen", k)), cases[i].screen);
        EXPECT_EQ(doc.GetValue(enemyKey("11", "x", k)), cases[i].x);
        EXPECT_EQ(doc.GetValue(enemyKey("11", "y", k)), cases[i].y);
        EXPECT_EQ(doc.GetValue(enemyKey("11", "type", k)), cases[i].type);
        EXPECT_EQ(doc.GetValue(enemyKey("11", "hard", k)), cases[i].hard);
    }
    // The last record ends at the table's last byte; nothing past it is read.
    EXPECT_EQ(doc.GetValue("Enemy_11_screen_37"), "1");
    EXPECT_EQ(doc.GetValue("Enemy_11_screen_38"), kiv::ConfigFile::NotFound);
}

TEST(PowerUpReading, SeparatorsGiveTheLevel) {
    TestRom rom;
    rom.put(PowerUpFirst, {1, 2, 3, FF, 4, 5, 6, FF, 7, 8, 9, FF, 10, 11, 12, FF, FF, 13, 14, 15});
    rom.put(PowerUpFirst + 20, std::vector<uint8_t>(PowerUpBytes - 20, FF));
    kiv::ConfigFile doc;
    loadPowerUps(rom.image(), doc);

    const std::vector<std::string> levels = {"11", "12", "13", "21", "23"};
    for (int k = 1; k <= 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(doc.GetValue(powerUpKey("level", k)), levels[k - 1]);
        EXPECT_EQ(doc.GetValue(powerUpKey("screen", k)), num(3 * k - 2));
        EXPECT_EQ(doc.GetValue(powerUpKey("x", k)), num(3 * k - 1));
        EXPECT_EQ(doc.GetValue(powerUpKey("type", k)), num(3 * k));
    }
    EXPECT_EQ(doc.GetValue(powerUpKey("level", 6)), kiv::ConfigFile::NotFound);
}

TEST(PowerUpReading, GameLayoutGivesSeventyFiveRecords) {
    TestRom rom;
    // 75 records spread over the twelve levels: seven in each of the first three, six after.
    std::vector<uint8_t> table;
    for (int level = 0; level < 12; ++level) {
        if (level > 0)
            table.push_back(FF);
        for (int r = 0; r < (level < 3 ? 7 : 6); ++r)
            table.insert(table.end(), {static_cast<uint8_t>(level), 0x50, 0x02});
    }
    ASSERT_EQ(table.size(), static_cast<size_t>(PowerUpBytes));
    rom.put(PowerUpFirst, table);
    kiv::ConfigFile doc;
    loadPowerUps(rom.image(), doc);

    EXPECT_EQ(doc.GetValue(powerUpKey("level", 75)), "43");
    EXPECT_EQ(doc.GetValue(powerUpKey("screen", 75)), "11");
    EXPECT_EQ(doc.GetValue(powerUpKey("level", 76)), kiv::ConfigFile::NotFound);
}

std::vector<uint8_t> pipeRecord(uint8_t entry, uint8_t exitX, uint8_t exitY) {
    return {entry, 0x40, 0x07, 0x05, exitX, exitY};
}

TEST(PipeReading, TwoRecordsPerPipeLevelInOrder) {
    TestRom rom;
    std::vector<uint8_t> table;
    for (size_t level = 0; level < PipeLevels.size(); ++level) {
        if (level > 0)
            table.push_back(FF);
        for (int k = 0; k < PipesPerLevel; ++k) {
            const auto record = pipeRecord(static_cast<uint8_t>(10 * level + k), 0x38, 0x30);
            table.insert(table.end(), record.begin(), record.end());
        }
    }
    ASSERT_EQ(table.size(), static_cast<size_t>(PipeBytes));
    rom.put(PipeFirst, table);
    kiv::ConfigFile doc;
    loadPipes(rom.image(), doc);

    for (size_t level = 0; level < PipeLevels.size(); ++level) {
        for (int k = 1; k <= PipesPerLevel; ++k) {
            const auto nn = PipeLevels[level];
            EXPECT_EQ(doc.GetValue(pipeKey(nn, "entryscreen", k)), num(10 * level + k - 1));
            EXPECT_EQ(doc.GetValue(pipeKey(nn, "entryx", k)), "64");
            EXPECT_EQ(doc.GetValue(pipeKey(nn, "bonusscreen", k)), "7");
            EXPECT_EQ(doc.GetValue(pipeKey(nn, "exitscreen", k)), "5");
            EXPECT_EQ(doc.GetValue(pipeKey(nn, "exitx", k)), "5");
            EXPECT_EQ(doc.GetValue(pipeKey(nn, "exity", k)), "1");
        }
    }
    EXPECT_EQ(doc.GetValue("Pipe_12_entryscreen_1"), kiv::ConfigFile::NotFound);
    EXPECT_EQ(doc.GetValue("Pipe_11_entryscreen_3"), kiv::ConfigFile::NotFound);
}

TEST(PipeReading, ExitBytesAreEighthsLessTheBias) {
    TestRom rom;
    std::vector<uint8_t> table = pipeRecord(1, 0x10, 0x10);
    const auto second = pipeRecord(2, 0x39, 0x00);
    table.insert(table.end(), second.begin(), second.end());
    rom.put(PipeFirst, table);
    kiv::ConfigFile doc;
    loadPipes(rom.image(), doc);

    EXPECT_EQ(doc.GetValue("Pipe_11_exitx_1"), "0");
    EXPECT_EQ(doc.GetValue("Pipe_11_exity_1"), "-3");
    EXPECT_EQ(doc.GetValue("Pipe_11_exitx_2"), "5.125");
    EXPECT_EQ(doc.GetValue("Pipe_11_exity_2"), "-5");
}

TEST(PipeReading, LevelStaysAtTheLastPipeLevel) {
    TestRom rom;
    rom.put(PipeFirst, std::vector<uint8_t>(PipeBytes, FF));
    rom.put(PipeLast - 5, pipeRecord(3, 0x38, 0x38));
    kiv::ConfigFile doc;
    loadPipes(rom.image(), doc);

    EXPECT_EQ(doc.GetValue("Pipe_42_entryscreen_1"), "3");
    EXPECT_EQ(doc.GetValue("Pipe_42_exity_1"), "2");
}

TEST(EighthsText, ExactDecimalWithoutTrailingZeros) {
    const std::vector<std::pair<int, std::string>> cases = {
        {0, "0"},    {40, "5"},       {-24, "-3"},  {41, "5.125"},  {-4, "-0.5"},
        {2, "0.25"}, {-15, "-1.875"}, {7, "0.875"}, {-1, "-0.125"}, {1023, "127.875"},
    };
    for (const auto& [eighths, text] : cases)
        EXPECT_EQ(eighthsText(eighths), text) << eighths;
    EXPECT_EQ(pipeExitText(0x38, PipeExitXBias), "5");
    EXPECT_EQ(pipeExitText(0x00, PipeExitYBias), "-5");
    EXPECT_EQ(pipeExitText(0xFF, PipeExitXBias), "29.875");
}

} // namespace
