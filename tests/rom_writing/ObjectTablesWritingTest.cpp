#include "WritingFixtures.h"

#include "rom/LevelKeys.h"
#include "rom/ObjectTablesReader.h"
#include "rom/ObjectTablesWriter.h"
#include "rom/RomImage.h"

#include <gtest/gtest.h>

#include <map>
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

// 75 power-ups whose bytes tell them apart: record k is screen k, x 100 + k, type 200 - k.
kiv::ConfigFile powerUpsIn(const std::vector<std::string>& levelOf) {
    kiv::ConfigFile doc;
    for (int k = 1; k <= PowerUpCount; ++k) {
        doc.WriteValue(powerUpKey("level", k), levelOf[static_cast<size_t>(k - 1)]);
        doc.WriteValue(powerUpKey("screen", k), num(k));
        doc.WriteValue(powerUpKey("x", k), num(100 + k));
        doc.WriteValue(powerUpKey("type", k), num(200 - k));
    }
    return doc;
}

std::vector<uint8_t> powerUpRecord(int k) {
    return {static_cast<uint8_t>(k), static_cast<uint8_t>(100 + k), static_cast<uint8_t>(200 - k)};
}

TEST(PowerUpWriting, GroupsByLevelAndKeepsTheSeparatorOfALevelWithout) {
    // Record 1 moved to 1-2 and record 75 to 4-3; the rest in 1-1; levels 1-3 to 4-2 empty.
    std::vector<std::string> levelOf(PowerUpCount, "11");
    levelOf.front() = "12";
    levelOf.back() = "43";
    const auto table = savePowerUps(powerUpsIn(levelOf));

    std::vector<uint8_t> expected;
    for (int k = 2; k <= 74; ++k) {
        const auto record = powerUpRecord(k);
        expected.insert(expected.end(), record.begin(), record.end());
    }
    expected.push_back(FF);
    const auto first = powerUpRecord(1);
    expected.insert(expected.end(), first.begin(), first.end());
    expected.insert(expected.end(), 10, FF);
    const auto last = powerUpRecord(75);
    expected.insert(expected.end(), last.begin(), last.end());
    ASSERT_EQ(expected.size(), static_cast<size_t>(PowerUpBytes));
    EXPECT_EQ(std::vector<uint8_t>(table.begin(), table.end()), expected);
}

// Each level's power-ups as "screen,x,type" in table order.
std::map<std::string, std::vector<std::string>> powerUpsByLevel(const kiv::ConfigFile& doc) {
    std::map<std::string, std::vector<std::string>> out;
    for (int k = 1; k <= PowerUpCount; ++k)
        out[doc.GetValue(powerUpKey("level", k))].push_back(
            doc.GetValue(powerUpKey("screen", k)) + "," + doc.GetValue(powerUpKey("x", k)) + "," +
            doc.GetValue(powerUpKey("type", k)));
    return out;
}

TEST(PowerUpWriting, EmptiedLevelsReadBackWithTheirOwnPowerUps) {
    for (const char* emptied : {"11", "12", "23", "43"}) {
        SCOPED_TRACE(emptied);
        kiv::ConfigFile doc = sampleDocument();
        const std::string into = std::string(emptied) == "11" ? "12" : "11";
        for (int k = 1; k <= PowerUpCount; ++k)
            if (doc.GetValue(powerUpKey("level", k)) == emptied)
                doc.WriteValue(powerUpKey("level", k), into);
        const auto table = savePowerUps(doc);

        std::vector<uint8_t> bytes(RomSize, 0);
        std::copy(table.begin(), table.end(), bytes.begin() + PowerUpFirst);
        kiv::ConfigFile reloaded;
        loadPowerUps(RomImage(bytes), reloaded);
        EXPECT_EQ(reloaded.GetValue(powerUpKey("level", PowerUpCount + 1)),
                  kiv::ConfigFile::NotFound);
        // The sample lists the levels in order, so the moved records follow the receiving
        // level's own in document order as well as in the table.
        EXPECT_EQ(powerUpsByLevel(reloaded), powerUpsByLevel(doc));
        EXPECT_EQ(powerUpsByLevel(reloaded).count(emptied), 0u);
    }
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
                      BadValue{"Pipe_41_entryx_1", "0x10", kiv::errors::TypeMismatch},
                      // 255 starting a record would read back as the end of its level's records.
                      BadValue{"PowerUp_screen_40", "255", kiv::errors::InvalidArgument},
                      BadValue{"Pipe_22_entryscreen_2", "255", kiv::errors::InvalidArgument}));

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

// Enemy records may hold any bytes; the pipe exits any pixel position; the power-ups fall on
// random levels, about a third of the levels holding none.
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
    std::vector<int> holding;
    for (int level = 0; level < static_cast<int>(Levels.size()); ++level)
        if (rng() % 3 != 0 || (level == 11 && holding.empty()))
            holding.push_back(level);
    std::array<int, Levels.size()> count{};
    for (int k = 0; k < PowerUpCount; ++k)
        ++count[static_cast<size_t>(holding[rng() % holding.size()])];
    size_t p = PowerUpFirst;
    for (size_t level = 0; level < Levels.size(); ++level) {
        if (level > 0)
            bytes[p++] = FF;
        for (int r = 0; r < count[level]; ++r) {
            bytes[p++] = static_cast<uint8_t>(rng() % 255);
            bytes[p++] = static_cast<uint8_t>(rng());
            bytes[p++] = static_cast<uint8_t>(rng());
        }
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
        loadPowerUps(image, doc);

        for (const EnemyTable& table : EnemyTables)
            ASSERT_EQ(
                saveEnemies(doc, std::string(table.level)),
                std::vector<uint8_t>(bytes.begin() + table.first, bytes.begin() + table.last + 1));
        const auto pipes = savePipes(doc);
        ASSERT_TRUE(std::equal(pipes.begin(), pipes.end(), bytes.begin() + PipeFirst));
        const auto powerUps = savePowerUps(doc);
        ASSERT_EQ(
            std::vector<uint8_t>(powerUps.begin(), powerUps.end()),
            std::vector<uint8_t>(bytes.begin() + PowerUpFirst, bytes.begin() + PowerUpLast + 1));
    }
}

} // namespace
