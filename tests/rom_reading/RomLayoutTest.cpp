#include "rom/RomLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

using namespace rom;

namespace {

using Names = std::vector<std::string_view>;

// The lists below are the game's facts written out by hand, so that a wrong row in the level or
// region table shows as a difference here.
TEST(RomLayout, LevelListsComeFromTheLevelTable) {
    EXPECT_EQ(Names(Levels.begin(), Levels.end()),
              (Names{"11", "12", "13", "21", "22", "23", "31", "32", "33", "41", "42", "43"}));
    EXPECT_EQ(Names(PipeLevels.begin(), PipeLevels.end()),
              (Names{"11", "13", "21", "22", "31", "32", "33", "41", "42"}));
    const Names regionLevels[] = {
        {"11", "12", "13"}, {"21", "22", "23", "41", "42", "43"}, {"31", "32", "33"}};
    for (const Region& region : Regions) {
        const RegionLevels levels = region.levels();
        EXPECT_EQ(Names(levels.begin(), levels.end()), regionLevels[region.section])
            << region.section;
    }
}

TEST(RomLayout, FirstScreensBlocksStandBeforeTheBorrowingLevelsTables) {
    std::vector<std::tuple<int, std::string_view, std::string_view>> blocks;
    for (const FirstScreensBlock& block : FirstScreensBlocks)
        blocks.emplace_back(block.offset, block.fromLevel, block.beforeLevel);
    std::sort(blocks.begin(), blocks.end());
    EXPECT_EQ(blocks, (decltype(blocks){{0x55E4, "21", "22"},
                                        {0x5667, "41", "42"},
                                        {0xD076, "31", "32"},
                                        {0xD09D, "31", "33"}}));
}

TEST(RomLayout, EachWorldBelongsToOneRegion) {
    const std::pair<char, int> cases[] = {{'1', SectionWorld1},
                                          {'2', SectionWorlds2And4},
                                          {'3', SectionWorld3},
                                          {'4', SectionWorlds2And4},
                                          {'5', SectionWorlds2And4}};
    for (const auto& [digit, section] : cases)
        EXPECT_EQ(screenSectionOfWorld(digit), section) << digit;
}

TEST(RomLayout, AWorldsFirstAndSecondLevels) {
    struct Case {
        std::string_view level;
        bool first;
        bool second;
        std::string_view secondOfWorld;
    };
    const Case cases[] = {{"11", true, false, "12"},  {"12", false, true, "12"},
                          {"13", false, false, "12"}, {"21", true, false, "22"},
                          {"32", false, true, "32"},  {"43", false, false, "42"},
                          {"14", false, false, ""},   {"", false, false, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        EXPECT_EQ(isFirstLevelOfWorld(c.level), c.first);
        EXPECT_EQ(isSecondLevelOfWorld(c.level), c.second);
        EXPECT_EQ(secondLevelOfWorld(c.level), c.secondOfWorld);
    }
    EXPECT_EQ(levelOfWorld(3, 2), "33");
    EXPECT_EQ(levelOfWorld(3, 3), "");
    EXPECT_EQ(findLevel("5"), nullptr);
}

} // namespace
