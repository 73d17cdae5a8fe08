#include "WritingFixtures.h"

#include "rom/DataUsage.h"
#include "rom/LevelKeys.h"
#include "rom/ObjectKind.h"
#include "rom/RomLayout.h"
#include "rom/RomReader.h"
#include "rom/TileGraphics.h"
#include "sample/SampleRom.h"

#include <gtest/gtest.h>

#include <map>
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
        if (isSecondLevelOfWorld(level)) {
            const std::string first(levelOfWorld(table.world, 0));
            bool shares = false;
            for (int k = 1; k <= table.screens; ++k)
                shares |= CheckDupScreen(doc, first, doc.GetValue(screenKey(level, k)));
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

// One entry of the object catalogue: the worlds that show it (0 for all) and its tile.
struct CatalogueEntry {
    int world;
    int code;
    std::string description;
};

std::vector<CatalogueEntry> catalogueEntries() {
    kiv::ConfigFile catalogue;
    catalogue.ConfigLoad(TARNWICK_OBJECTS_CATALOGUE);
    std::vector<CatalogueEntry> entries;
    const auto list = [&](int world, const std::string& count, const std::string& suffix) {
        for (int k = 1; k <= std::stoi(catalogue.GetValue(count)); ++k)
            entries.push_back({world, std::stoi(catalogue.GetValue(cat({"Code", suffix, num(k)}))),
                               catalogue.GetValue(cat({"Desc", suffix, num(k)}))});
    };
    list(0, "Universal", "U");
    for (int world = 1; world <= 4; ++world)
        list(world, cat({"World", num(world)}), cat({"W", num(world), "_"}));
    return entries;
}

std::vector<int> worldsOf(const CatalogueEntry& entry) {
    return entry.world == 0 ? std::vector<int>{1, 2, 3, 4} : std::vector<int>{entry.world};
}

TEST(SampleRom, DrawsATileForEveryObjectOfTheCatalogueWhereItsWorldsReadIt) {
    const std::vector<uint8_t> image = makeSampleRom();
    const std::vector<CatalogueEntry> entries = catalogueEntries();
    ASSERT_GT(entries.size(), 200u);
    std::map<long, std::string> meaningAt;
    for (const CatalogueEntry& entry : entries)
        for (int world : worldsOf(entry)) {
            SCOPED_TRACE(cat({"world ", num(world), ": ", entry.description}));
            const long offset = *tileOffset(world, entry.code);
            // As in the game, only the hidden block and a blank solid code show nothing.
            const ObjectKind kind = objectKind(world, entry.code);
            const bool blank = kind == ObjectKind::HiddenBlock || kind == ObjectKind::InvisibleWall;
            EXPECT_EQ(std::vector<uint8_t>(image.begin() + offset, image.begin() + offset + 16) ==
                          std::vector<uint8_t>(16, 0),
                      blank);
            // One tile cannot show two different objects.
            const auto [at, added] = meaningAt.emplace(offset, entry.description);
            EXPECT_EQ(at->second, entry.description);
        }
}

TEST(SampleRom, DrawsTilesApartFromLevelDataTablesAndHeader) {
    std::vector<std::pair<long, long>> taken = {
        {0x100, 0x14F}, {PowerUpFirst, PowerUpLast}, {PipeFirst, PipeLast}};
    for (const Region& region : Regions)
        taken.emplace_back(region.dataOffset, region.dataOffset + region.budget);
    for (const LevelTable& table : LevelTables)
        taken.emplace_back(table.first, table.last);
    for (const EnemyTable& table : EnemyTables)
        taken.emplace_back(table.first, table.last);
    for (const FirstScreensBlock& block : FirstScreensBlocks)
        taken.emplace_back(block.offset, block.offset + 3);
    for (int world = 1; world <= 4; ++world)
        for (int tile = 0; tile < TileCount; ++tile) {
            const long first = *tileOffset(world, tile);
            for (const auto& [from, to] : taken)
                EXPECT_TRUE(first + TileBytes - 1 < from || first > to)
                    << "world " << world << " tile " << tile << " meets " << from;
        }
}

} // namespace
