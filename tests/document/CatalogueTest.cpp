#include "rom/Catalogue.h"

#include <gtest/gtest.h>

using rom::Catalogue;

namespace {

Catalogue catalogueOf(std::initializer_list<std::pair<const char*, const char*>> entries) {
    kiv::ConfigFile store;
    for (const auto& [key, value] : entries)
        store.WriteValue(key, value);
    Catalogue catalogue;
    catalogue.load(store);
    return catalogue;
}

} // namespace

TEST(Catalogue, OffersTheUniversalObjectsThenTheWorldsOwn) {
    const Catalogue c = catalogueOf({{"Universal", "1"},
                                     {"CodeU1", "19"},
                                     {"DescU1", "Brick"},
                                     {"World2", "2"},
                                     {"CodeW2_1", "49.0"},
                                     {"DescW2_1", "Sand"},
                                     {"CodeW2_2", "x"},
                                     {"DescW2_2", "Odd"}});
    ASSERT_EQ(c.objectsOfWorld('2').size(), 3u);
    EXPECT_EQ(c.objectsOfWorld('2')[1].codeText, "49.0");
    EXPECT_EQ(c.objectsOfWorld('2')[1].code, 49);
    EXPECT_EQ(c.objectsOfWorld('2')[2].code, 0);
    ASSERT_EQ(c.objectsOfWorld('1').size(), 1u);
    EXPECT_EQ(c.objectsOfWorld('1')[0].description, "Brick");
    EXPECT_TRUE(c.objectsOfWorld('5').empty());
}

TEST(Catalogue, FindsEnemyAndPowerUpKindsByCodeAndByDescription) {
    const Catalogue c = catalogueOf({{"Enemies", "2"},
                                     {"CodeE1", "0"},
                                     {"DescE1", "Walker"},
                                     {"CodeE2", "16"},
                                     {"DescE2", "Fish"},
                                     {"PowerUps", "999999"},
                                     {"CodeP1", "40"},
                                     {"DescP1", "Mushroom"}});
    EXPECT_EQ(Catalogue::withCode(c.enemies(), 16)->description, "Fish");
    EXPECT_EQ(Catalogue::withDescription(c.enemies(), "Walker")->code, 0);
    EXPECT_EQ(Catalogue::withCode(c.enemies(), 5), nullptr);
    // A count beyond one entry per object code is held to that many.
    EXPECT_EQ(c.powerUps().size(), 256u);
    EXPECT_EQ(c.powerUps()[0].description, "Mushroom");
}

TEST(Catalogue, AFileThatCannotBeReadLeavesTheCatalogueAsItWas) {
    Catalogue c = catalogueOf({{"Enemies", "1"}, {"CodeE1", "3"}, {"DescE1", "Bee"}});
    EXPECT_THROW(c.load(std::string("/nonexistent/Objects.txt")), kiv::Error);
    ASSERT_EQ(c.enemies().size(), 1u);
    EXPECT_EQ(c.enemies()[0].description, "Bee");
}
