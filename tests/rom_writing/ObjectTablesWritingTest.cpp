#include "WritingFixtures.h"

#include "rom/LevelKeys.h"
#include "rom/ObjectTablesReader.h"
#include "rom/ObjectTablesWriter.h"
#include "rom/RomImage.h"

#include <gtest/gtest.h>

#include <random>

using namespace rom;

namespace {

constexpr uint8_t FF = Separator;

void setEnemy(kiv::ConfigFile& doc, int k, const char* screen, const char* x, const char* y,
              const char* type, const char* hard) {
    doc.WriteValue(enemyKey("11", "screen", k), screen);
    doc.WriteValue(enemyKey("11", "x", k), x);
    doc.WriteValue(enemyKey("11", "y", k), y);
    doc.WriteValue(enemyKey("11", "type", k), type);
    doc.WriteValue(enemyKey("11", "hard", k), hard);
}

TEST(EnemyWriting, EncodesEachRecord) {
    kiv::ConfigFile doc;
    doc.WriteValue("Enemies_11", "3");
    setEnemy(doc, 1, "4", "7", "5A", "11", "Y");
    setEnemy(doc, 2, "1", "0", "D", "0", "N");
    setEnemy(doc, 3, "26", "5", "c0", "7f", "y"); // only "Y" marks hard mode

    EXPECT_EQ(saveEnemies(doc, "11"),
              (std::vector<uint8_t>{0x25, 0x5A, 0x91, 0x00, 0x0D, 0x00, 255, 0xC0, 0x7F}));
}

TEST(EnemyWriting, WritesNothingPastTheLevelsTable) {
    kiv::ConfigFile doc;
    doc.WriteValue("Enemies_11", "38");
    try {
        saveEnemies(doc, "11");
        FAIL() << "no error";
    } catch (const kiv::Error& e) {
        EXPECT_EQ(e.number(), kiv::errors::SubscriptOutOfRange);
    }
}

std::string pipeExit(int byte, int bias) {
    return pipeExitText(static_cast<uint8_t>(byte), bias);
}

TEST(PipeWriting, ConvertsExitsBackToPixels) {
    kiv::ConfigFile doc = sampleDocument();
    doc.WriteValue("Pipe_11_exitx_1", "5");
    doc.WriteValue("Pipe_11_exity_1", "3");
    doc.WriteValue("Pipe_42_exitx_2", "5.125");
    doc.WriteValue("Pipe_42_exity_2", "-5");
    const auto table = savePipes(doc);

    EXPECT_EQ(table[4], 0x38);
    EXPECT_EQ(table[5], 0x40);
    EXPECT_EQ(table[PipeBytes - 2], 0x39);
    EXPECT_EQ(table[PipeBytes - 1], 0x00);
    for (int level = 1; level <= 8; ++level)
        EXPECT_EQ(table[static_cast<size_t>(level * 13 - 1)], FF) << "separator " << level;
}

TEST(PipeWriting, EveryExitByteComesBackThroughItsText) {
    kiv::ConfigFile doc = sampleDocument();
    for (int byte = 0; byte <= 255; ++byte) {
        doc.WriteValue("Pipe_11_exitx_1", pipeExit(byte, PipeExitXBias));
        doc.WriteValue("Pipe_11_exity_1", pipeExit(byte, PipeExitYBias));
        const auto table = savePipes(doc);
        ASSERT_EQ(table[4], byte) << doc.GetValue("Pipe_11_exitx_1");
        ASSERT_EQ(table[5], byte) << doc.GetValue("Pipe_11_exity_1");
    }
}

TEST(PowerUpWriting, SeparatesEachChangeOfLevel) {
    kiv::ConfigFile doc = sampleDocument();
    ASSERT_EQ(doc.GetValue("PowerUp_level_2"), "11") << "the sample has two power-ups in 1-1";
    doc.WriteValue("PowerUp_level_1", "12");
    const auto table = savePowerUps(doc);

    EXPECT_EQ(table[0], FF);
    EXPECT_EQ(table[1], std::stoi(doc.GetValue("PowerUp_screen_1")));
    EXPECT_EQ(table[4], FF);
    EXPECT_EQ(table[5], std::stoi(doc.GetValue("PowerUp_screen_2")));
}

TEST(PowerUpWriting, FewerLevelChangesLeaveZerosAtTheEnd) {
    kiv::ConfigFile doc = sampleDocument();
    for (int k = 1; k <= PowerUpCount; ++k)
        doc.WriteValue(powerUpKey("level", k), "11");
    const auto table = savePowerUps(doc);
    EXPECT_EQ(std::count(table.begin(), table.end(), FF), 0);
    EXPECT_EQ(std::vector<uint8_t>(table.begin() + 225, table.end()), std::vector<uint8_t>(11, 0));
}

struct BadValue {
    const char* key;
    const char* value;
    int32_t number;

    friend void PrintTo(const BadValue& c, std::ostream* os) { *os << c.key << "=" << c.value; }
};

class TableValue : public ::testing::TestWithParam<BadValue> {};

TEST_P(TableValue, ThatCannotBeEncodedIsAnErrorNamingIt) {
    kiv::ConfigFile doc = sampleDocument();
    doc.WriteValue(GetParam().key, GetParam().value);
    try {
        saveEnemies(doc, "11");
        savePowerUps(doc);
        savePipes(doc);
        FAIL() << "no error";
    } catch (const kiv::Error& e) {
        EXPECT_EQ(e.number(), GetParam().number);
        EXPECT_FALSE(e.description().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TableValue,
    ::testing::Values(BadValue{"Enemy_11_screen_1", "27", kiv::errors::Overflow},
                      BadValue{"Enemy_11_x_1", "-100", kiv::errors::Overflow},
                      BadValue{"Enemy_11_x_1", "1.5", kiv::errors::TypeMismatch},
                      BadValue{"Enemy_11_y_1", "G5", kiv::errors::TypeMismatch},
                      BadValue{"Enemy_11_y_1", "100", kiv::errors::Overflow},
                      BadValue{"Enemy_11_type_1", "100", kiv::errors::Overflow},
                      BadValue{"Enemies_11", "many", kiv::errors::TypeMismatch},
                      BadValue{"PowerUp_type_5", "256", kiv::errors::Overflow},
                      BadValue{"PowerUp_x_75", "", kiv::errors::TypeMismatch},
                      BadValue{"PowerUp_level_9", "15", kiv::errors::TypeMismatch},
                      BadValue{"Pipe_33_exitx_2", "31", kiv::errors::Overflow},
                      BadValue{"Pipe_33_exity_1", "1,5", kiv::errors::TypeMismatch},
                      BadValue{"Pipe_41_entryx_1", "0x10", kiv::errors::TypeMismatch}));

TEST(TableValue, MissingKeyIsNamed) {
    kiv::ConfigFile doc = sampleDocument();
    doc.DelKey("Enemy_11_type_3");
    try {
        saveEnemies(doc, "11");
        FAIL() << "no error";
    } catch (const kiv::Error& e) {
        EXPECT_NE(e.description().find("Enemy_11_type_3"), std::string::npos) << e.description();
    }
}

// Enemy records may hold any bytes; the pipe exits any pixel position.
std::vector<uint8_t> imageWithRandomTables(unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> bytes(RomSize, 0);
    for (const EnemyTable& table : EnemyTables)
        for (int i = table.first; i <= table.last; ++i)
            bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(rng());
    for (size_t level = 0; level < PipeLevels.size(); ++level)
        for (int k = 0; k < PipesPerLevel; ++k) {
            const size_t record = PipeFirst + level * 13 + static_cast<size_t>(k) * 6;
            for (size_t b = 0; b < 6; ++b)
                bytes[record + b] = static_cast<uint8_t>(b == 0 ? rng() % 255 : rng());
            if (k == 1 && level + 1 < PipeLevels.size())
                bytes[record + 6] = FF;
        }
    return bytes;
}

TEST(TableRoundTrip, ReadAndWrittenTablesAreTheSameBytes) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        const std::vector<uint8_t> bytes = imageWithRandomTables(seed);
        const RomImage image(bytes);
        kiv::ConfigFile doc;
        for (const EnemyTable& table : EnemyTables)
            loadEnemies(image, table, doc);
        loadPipes(image, doc);

        for (const EnemyTable& table : EnemyTables)
            ASSERT_EQ(
                saveEnemies(doc, std::string(table.level)),
                std::vector<uint8_t>(bytes.begin() + table.first, bytes.begin() + table.last + 1));
        const auto pipes = savePipes(doc);
        ASSERT_TRUE(std::equal(pipes.begin(), pipes.end(), bytes.begin() + PipeFirst));
    }
}

} // namespace
