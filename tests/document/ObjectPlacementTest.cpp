#include "rom/ObjectPlacement.h"

#include <gtest/gtest.h>

using namespace rom;

namespace {

struct EnemyCase {
    const char* what;
    int screen;
    int left;
    int bottom;
    std::optional<EnemyPlace> place;
};

} // namespace

// Pixels of a screen picture: an enemy's picture stands with its bottom edge on the top of the
// row above its row, shifted right by its fine bits in half cells.
TEST(ObjectPlacement, EnemiesLandOnThePlacesTheScreenManagerOffers) {
    const EnemyCase cases[] = {
        {"on a cell", 5, 64, 48, EnemyPlace{5, 2, 0x04}},
        {"half a cell right", 5, 72, 48, EnemyPlace{5, 2, 0x44}},
        {"a cell right: bit 7", 5, 80, 48, EnemyPlace{5, 2, 0x84}},
        {"the nearest half cell", 5, 75, 53, EnemyPlace{5, 2, 0x44}},
        {"rightmost", 6, 312, 0, EnemyPlace{6, 9, 0xC1}},
        {"row 0: above the screen", 6, 0, -16, EnemyPlace{6, 0, 0x00}},
        {"rows 16 to 19 through bit 4", 6, 0, 240, EnemyPlace{6, 0, 0x10}},
        {"row 19", 6, 0, 288, EnemyPlace{6, 0, 0x13}},
        {"screen 4 keeps X from 2", 4, 16, 48, EnemyPlace{4, 2, 0x84}},
        {"screen 4 further right", 4, 96, 48, EnemyPlace{4, 3, 0x04}},
        {"screen 3", 3, 64, 48, std::nullopt},
        {"left of the screen", 5, -8, 48, std::nullopt},
        {"right of X 9", 5, 320, 48, std::nullopt},
        {"row 20", 5, 64, 304, std::nullopt},
        {"above row 0", 5, 64, -32, std::nullopt},
    };
    for (const EnemyCase& c : cases)
        EXPECT_EQ(enemyPlaceAt(c.screen, c.left, c.bottom), c.place) << c.what;
}

TEST(ObjectPlacement, PowerUpsLandOnACellOfScreensOneToTwentyFive) {
    EXPECT_EQ(powerUpPlaceAt(1, 0), (PowerUpPlace{1, 0}));
    EXPECT_EQ(powerUpPlaceAt(25, 304), (PowerUpPlace{25, 19}));
    EXPECT_EQ(powerUpPlaceAt(7, 39), (PowerUpPlace{7, 2}));
    EXPECT_FALSE(powerUpPlaceAt(26, 0));
    EXPECT_FALSE(powerUpPlaceAt(0, 0));
    EXPECT_FALSE(powerUpPlaceAt(3, 312));
    EXPECT_FALSE(powerUpPlaceAt(3, -9));
}

TEST(ObjectPlacement, EveryOfferedPositionByteHasBitFiveClearAndARowUpToNineteen) {
    const std::vector<int> bytes = enemyPositionBytes();
    ASSERT_EQ(bytes.size(), 80u);
    for (int byte : bytes) {
        EXPECT_EQ(byte & 0x20, 0) << byte;
        EXPECT_LT((byte & 0x1F), 20) << byte;
    }
}

// The lists sort on text: screen 10 after screen 9 only because screens have two digits.
TEST(ObjectPlacement, RecordsAreSortedAsTheListsWriteThem) {
    std::vector<EnemyRecord> enemies = {{8, 1, 0x04, 1, false}, {7, 3, 0x04, 2, false},
                                        {7, 1, 0x04, 3, false}, {std::nullopt, 0, 0, 4, false},
                                        {2, 1, 0x04, 5, false}, {7, 1, 0x05, 6, true}};
    sortAsEnemyList(enemies);
    std::vector<int> types;
    for (const EnemyRecord& e : enemies)
        types.push_back(*e.type);
    // Screens 4, 9, 9, 9, 10 and a missing one ("[NOT FOUND]" sorts after digits); equal keys
    // keep their order.
    EXPECT_EQ(types, (std::vector<int>{5, 3, 6, 2, 1, 4}));
    EXPECT_EQ(enemyListKey({8, 1, 0, 0, false}), "101");

    std::vector<PowerUpRecord> powerUps = {
        {12, 1, 0, 1}, {11, 10, 2, 2}, {11, 9, 12, 3}, {11, 9, 3, 4}};
    sortAsPowerUpList(powerUps);
    std::vector<int> order;
    for (const PowerUpRecord& p : powerUps)
        order.push_back(*p.type);
    EXPECT_EQ(order, (std::vector<int>{4, 3, 2, 1}));
    EXPECT_EQ(powerUpListKey({11, 4, 12, 0}), "110412");
}
