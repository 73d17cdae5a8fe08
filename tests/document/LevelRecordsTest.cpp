#include "rom/LevelRecords.h"

#include <gtest/gtest.h>

using namespace rom;

namespace {

const LevelId L11 = *LevelId::fromKey("11");

kiv::ConfigFile documentWith(std::initializer_list<std::pair<const char*, const char*>> entries) {
    kiv::ConfigFile doc;
    for (const auto& [key, value] : entries)
        doc.WriteValue(key, value);
    return doc;
}

} // namespace

TEST(LevelId, NamesTheTwelveLevelsBothWays) {
    EXPECT_EQ(LevelId::fromText("4-3")->index(), 11);
    EXPECT_EQ(LevelId::at(4).key(), "22");
    EXPECT_EQ(LevelId::at(4).text(), "2-2");
    EXPECT_EQ(LevelId::at(10).screenSection(), SectionWorlds2And4);
    EXPECT_FALSE(LevelId::fromKey("14"));
    EXPECT_FALSE(LevelId::fromText("1-"));
}

TEST(LevelRecords, EnemiesReadTheirFieldsAndMissingOnesAsNothing) {
    const kiv::ConfigFile doc = documentWith({{"Enemies_11", "2"},
                                              {"Enemy_11_screen_1", "3"},
                                              {"Enemy_11_x_1", "7"},
                                              {"Enemy_11_y_1", "4C"},
                                              {"Enemy_11_type_1", "1F"},
                                              {"Enemy_11_hard_1", "Y"},
                                              {"Enemy_11_hard_2", "N"}});
    const std::vector<EnemyRecord> enemies = readEnemies(doc, L11);
    ASSERT_EQ(enemies.size(), 2u);
    EXPECT_EQ(enemies[0], (EnemyRecord{3, 7, 0x4C, 0x1F, true}));
    EXPECT_EQ(enemies[1],
              (EnemyRecord{std::nullopt, std::nullopt, std::nullopt, std::nullopt, false}));
}

TEST(LevelRecords, WritingKeepsTheTextOfUnchangedValuesAndFormatsChangedOnes) {
    kiv::ConfigFile doc = documentWith({{"Enemies_11", "1"},
                                        {"Enemy_11_screen_1", "03"},
                                        {"Enemy_11_x_1", "7"},
                                        {"Enemy_11_y_1", "4c"},
                                        {"Enemy_11_type_1", "1F"},
                                        {"Enemy_11_hard_1", "Y"}});
    std::vector<EnemyRecord> enemies = readEnemies(doc, L11);
    enemies[0].type = 0x2A;
    enemies[0].hard = false;
    enemies[0].x = std::nullopt;
    writeEnemies(doc, L11, enemies);
    EXPECT_EQ(doc.GetValue("Enemy_11_screen_1"), "03");
    EXPECT_EQ(doc.GetValue("Enemy_11_y_1"), "4c");
    EXPECT_EQ(doc.GetValue("Enemy_11_type_1"), "2A");
    EXPECT_EQ(doc.GetValue("Enemy_11_hard_1"), "N");
    EXPECT_EQ(doc.GetValue("Enemy_11_x_1"), kiv::ConfigFile::NotFound);
}

TEST(LevelRecords, PipeExitsAreEighthsWrittenAsDecimals) {
    kiv::ConfigFile doc = documentWith({{"Pipe_11_exitx_1", "0.3750"}, {"Pipe_11_exity_1", "-3"}});
    std::vector<PipeRecord> pipes = readPipes(doc, L11);
    ASSERT_EQ(pipes.size(), 2u);
    EXPECT_EQ(pipes[0].exitXEighths, 3);
    EXPECT_EQ(pipes[0].exitYEighths, -24);
    EXPECT_FALSE(pipes[1].exitXEighths);
    pipes[0].exitYEighths = -5;
    writePipes(doc, L11, pipes);
    EXPECT_EQ(doc.GetValue("Pipe_11_exitx_1"), "0.3750");
    EXPECT_EQ(doc.GetValue("Pipe_11_exity_1"), "-0.625");
    EXPECT_EQ(doc.GetValue("Pipe_11_exitx_2"), kiv::ConfigFile::NotFound);
}

TEST(LevelRecords, PowerUpsCoverTheWholeTable) {
    kiv::ConfigFile doc = documentWith({{"PowerUp_level_75", "43"}, {"PowerUp_type_75", "2"}});
    std::vector<PowerUpRecord> powerUps = readPowerUps(doc);
    ASSERT_EQ(powerUps.size(), static_cast<size_t>(PowerUpCount));
    EXPECT_EQ(powerUps.back().level, 43);
    EXPECT_EQ(LevelId::fromKey(num(*powerUps.back().level))->text(), "4-3");
    std::swap(powerUps.front(), powerUps.back());
    writePowerUps(doc, powerUps);
    EXPECT_EQ(doc.GetValue("PowerUp_level_1"), "43");
    EXPECT_EQ(doc.GetValue("PowerUp_type_1"), "2");
    EXPECT_EQ(doc.GetValue("PowerUp_level_75"), kiv::ConfigFile::NotFound);
}

TEST(LevelRecords, ScreenOrderNeverCreatesOrDeletesEntries) {
    kiv::ConfigFile doc =
        documentWith({{"Screens_11", "3"}, {"Screen_11_1", "41472"}, {"Screen_11_3", "41600"}});
    std::vector<ScreenRef> order = readScreenOrder(doc, L11);
    ASSERT_EQ(order, (std::vector<ScreenRef>{"41472", std::nullopt, "41600"}));
    std::swap(order[0], order[2]);
    order[1] = "50000";
    writeScreenOrder(doc, L11, order);
    EXPECT_EQ(doc.GetValue("Screen_11_1"), "41600");
    EXPECT_EQ(doc.GetValue("Screen_11_2"), kiv::ConfigFile::NotFound);
    EXPECT_EQ(doc.GetValue("Screen_11_3"), "41472");
}
