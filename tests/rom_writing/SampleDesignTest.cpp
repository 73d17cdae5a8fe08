// The sample's levels read as levels of their world under any tile set: Mario walks on solid
// ground, scenery stands on it, and the blocks and coins hang where a jump reaches them.

#include "WritingFixtures.h"

#include "rom/LevelKeys.h"
#include "rom/ObjectKind.h"
#include "rom/RomLayout.h"

#include <gtest/gtest.h>

#include <optional>

using namespace rom;

namespace {

constexpr int GroundTop = 14;
constexpr int Bottom = ScreenRows - 1;
constexpr int JumpReach = 5; // the highest row a block of the designs may hang in

class Screen {
public:
    Screen(const kiv::ConfigFile& doc, const std::string& level, int k)
        : doc_(doc), level_(level), ref_(doc.GetValue(screenKey(level, k))) {}

    std::optional<int> code(int x, int y) const {
        const std::string value = doc_.GetValue(cellKey(level_, ref_, x, y));
        if (value == kiv::ConfigFile::NotFound || value.empty())
            return std::nullopt;
        return std::stoi(value);
    }
    ObjectKind kind(int x, int y) const { return objectKind(level_[0] - '0', *code(x, y)); }
    bool solid(int x, int y) const { return code(x, y) && kind(x, y) == ObjectKind::Solid; }
    std::string where(int x, int y) const {
        return cat({level_, " screen ", ref_, " cell ", num(x), ",", num(y)});
    }

private:
    const kiv::ConfigFile& doc_;
    std::string level_;
    std::string ref_;
};

// Columns with ground two rows deep; none on a sky screen, which has scraps of floor only.
int groundedColumns(const Screen& screen) {
    int grounded = 0;
    for (int x = 0; x < ScreenColumns; ++x)
        grounded += screen.solid(x, GroundTop) && screen.solid(x, Bottom);
    return grounded;
}

template <typename Check> void forEveryScreen(const kiv::ConfigFile& doc, Check check) {
    for (const LevelTable& table : LevelTables) {
        const std::string level(table.level);
        for (int k = 1; k <= std::stoi(doc.GetValue(screensKey(level))); ++k)
            check(level, Screen(doc, level, k));
    }
}

class SampleDesigns : public testing::TestWithParam<uint32_t> {
protected:
    const kiv::ConfigFile doc = sampleDocument(GetParam());
};

// The two bottom rows hold nothing but solid ground; on land the ground is two rows deep with
// gaps through both, and Mario has ground under most of every screen.
TEST_P(SampleDesigns, GroundIsSolidWithGapsThroughIt) {
    int landScreens = 0;
    forEveryScreen(doc, [&](const std::string&, const Screen& screen) {
        for (int x = 0; x < ScreenColumns; ++x)
            for (int y : {GroundTop, Bottom})
                EXPECT_TRUE(!screen.code(x, y) || screen.solid(x, y)) << screen.where(x, y);
        const int grounded = groundedColumns(screen);
        if (grounded == 0)
            return;
        ++landScreens;
        EXPECT_GE(grounded, ScreenColumns / 2);
        for (int x = 0; x < ScreenColumns; ++x)
            EXPECT_EQ(screen.solid(x, GroundTop), screen.solid(x, Bottom)) << screen.where(x, 15);
    });
    EXPECT_GT(landScreens, 150);
}

// On land, what stands just above the ground (scenery, pipes, stairs) stands on it, not over a
// gap.
TEST_P(SampleDesigns, WhatStandsOnTheGroundHasGroundUnderIt) {
    forEveryScreen(doc, [&](const std::string&, const Screen& screen) {
        if (groundedColumns(screen) == 0)
            return;
        for (int x = 0; x < ScreenColumns; ++x)
            if (screen.code(x, GroundTop - 1)) {
                EXPECT_TRUE(screen.solid(x, GroundTop)) << screen.where(x, GroundTop - 1);
            }
    });
}

// Blocks Mario hits and coins he collects hang within a jump of the ground, never in it;
// every level has some of each, and the scenery between them is walked through.
TEST_P(SampleDesigns, BlocksAndCoinsHangWhereMarioMeetsThem) {
    forEveryScreen(doc, [&](const std::string& level, const Screen& screen) {
        for (int x = 0; x < ScreenColumns; ++x)
            for (int y = 0; y < ScreenRows; ++y) {
                if (!screen.code(x, y))
                    continue;
                const ObjectKind kind = screen.kind(x, y);
                if (kind == ObjectKind::Mystery || kind == ObjectKind::Breakable ||
                    kind == ObjectKind::Coin) {
                    EXPECT_TRUE(y >= JumpReach - 2 && y < GroundTop) << screen.where(x, y);
                }
                EXPECT_NE(kind, ObjectKind::InvisibleWall) << screen.where(x, y);
                EXPECT_NE(kind, ObjectKind::HiddenBlock) << level;
            }
    });
}

INSTANTIATE_TEST_SUITE_P(Seeds, SampleDesigns, testing::Values(1u, 2u, 77u));

} // namespace
