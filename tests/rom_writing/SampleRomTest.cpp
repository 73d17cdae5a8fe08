#include "WritingFixtures.h"

#include "rom/DataUsage.h"
#include "rom/LevelKeys.h"
#include "rom/RomLayout.h"
#include "rom/RomReader.h"
#include "rom/SampleRom.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

using namespace rom;

namespace {

TEST(SampleRom, HasTheGamesHeaderWithValidChecksums) {
    const std::vector<uint8_t> image = makeSampleRom();
    ASSERT_EQ(image.size(), static_cast<size_t>(RomSize));
    EXPECT_EQ(std::string(image.begin() + TitleFirst, image.begin() + TitleLast + 1),
              "SUPER MARIOLAND");
    EXPECT_EQ(std::accumulate(image.begin() + TitleFirst, image.begin() + TitleLast + 1, 0),
              TitleSum);

    uint8_t header = 0;
    for (int i = 0x134; i <= 0x14C; ++i)
        header = static_cast<uint8_t>(header - image[static_cast<size_t>(i)] - 1);
    EXPECT_EQ(image[0x14D], header);
    unsigned sum = std::accumulate(image.begin(), image.end(), 0u) - image[0x14E] - image[0x14F];
    EXPECT_EQ(image[0x14E] << 8 | image[0x14F], sum & 0xFFFF);
}

TEST(SampleRom, IsTheSameForTheSameSeedOnly) {
    EXPECT_EQ(makeSampleRom(5), makeSampleRom(5));
    EXPECT_NE(makeSampleRom(5), makeSampleRom(6));
}

TEST(SampleRom, LevelsHaveTheGamesScreenCountsWithRepeatsAndSharedScreens) {
    const kiv::ConfigFile doc = sampleDocument();
    bool someLevelRepeats = false;
    for (const LevelTable& table : LevelTables) {
        const std::string level(table.level);
        ASSERT_EQ(doc.GetValue(screensKey(level)), num(table.screens)) << level;
        std::set<std::string> refs;
        for (int k = 1; k <= table.screens; ++k)
            refs.insert(doc.GetValue(screenKey(level, k)));
        someLevelRepeats |= refs.size() < static_cast<size_t>(table.screens);
        if (level[1] == '2') {
            bool shares = false;
            for (int k = 1; k <= table.screens; ++k)
                shares |= CheckDupScreen(doc, std::string(1, level[0]) + "1",
                                         doc.GetValue(screenKey(level, k)));
            EXPECT_TRUE(shares) << level << " shares no screen with its world's first level";
        }
    }
    EXPECT_TRUE(someLevelRepeats);
}

TEST(SampleRom, LeavesRoomInEveryRegion) {
    const kiv::ConfigFile doc = sampleDocument();
    kiv::ConfigFile scratch;
    const DataUsage usage = dataUsage(doc, scratch);
    for (int i = 0; i < 3; ++i) {
        EXPECT_GT(usage.used[i], usage.budget[i] * 55 / 100) << i;
        EXPECT_LT(usage.used[i], usage.budget[i] * 85 / 100) << i;
    }
}

TEST(SampleRom, ObjectListsStayInsideTheEditorsRanges) {
    const kiv::ConfigFile doc = sampleDocument();
    for (const EnemyTable& table : EnemyTables) {
        const std::string level(table.level);
        for (int k = 1; k <= table.records; ++k) {
            SCOPED_TRACE(level + " enemy " + num(k));
            EXPECT_GE(std::stoi(doc.GetValue(enemyKey(level, "screen", k))), 2);
            EXPECT_LE(std::stoi(doc.GetValue(enemyKey(level, "x", k))), 9);
            EXPECT_LE(std::stoi(doc.GetValue(enemyKey(level, "y", k)), nullptr, 16) & 0x3F, 0x13);
        }
    }
    std::set<std::string> levels;
    for (int k = 1; k <= PowerUpCount; ++k) {
        levels.insert(doc.GetValue(powerUpKey("level", k)));
        EXPECT_LE(std::stoi(doc.GetValue(powerUpKey("screen", k))), 25);
        EXPECT_LE(std::stoi(doc.GetValue(powerUpKey("x", k))), 19);
    }
    EXPECT_EQ(levels.size(), Levels.size()) << "every level has a power-up";
    for (std::string_view level : PipeLevels)
        for (int k = 1; k <= PipesPerLevel; ++k) {
            const int exitY = std::stoi(doc.GetValue(pipeKey(level, "exity", k)));
            EXPECT_TRUE(exitY >= 0 && exitY <= 17) << level;
            EXPECT_EQ(doc.GetValue(pipeKey(level, "exitx", k)).find('.'), std::string::npos);
        }
}

TEST(SampleRom, DrawsTilesOutsideTheLevelData) {
    const std::vector<uint8_t> image = makeSampleRom();
    const auto tileAt = [&](int offset) {
        return std::vector<uint8_t>(image.begin() + offset, image.begin() + offset + 16);
    };
    const std::vector<uint8_t> blank(16, 0);
    EXPECT_NE(tileAt(0x9032 + 16 * 127), blank) << "brick";
    EXPECT_NE(tileAt(0x8032 + 16 * 244), blank) << "coin";
    EXPECT_NE(tileAt(0x4402 + 16 * (63 - 49)), blank) << "world 2 ground";
    // The tile areas lie apart from every region the levels are written to.
    const std::vector<std::pair<int, int>> tiles = {
        {0x8832, 0x9831}, {0x4402, 0x47F1}, {0xC402, 0xC7F1}, {0x4BC2, 0x4FB1}};
    for (const Region& region : Regions)
        for (const auto& [first, last] : tiles)
            EXPECT_TRUE(last < region.dataOffset || first > region.dataOffset + region.budget);
    for (const EnemyTable& table : EnemyTables)
        for (const auto& [first, last] : tiles)
            EXPECT_TRUE(last < table.first || first > table.last);
}

} // namespace
