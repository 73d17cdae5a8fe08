#include "rom/ObjectKind.h"
#include "rom/Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <set>
#include <utility>
#include <vector>

using rom::ObjectKind;

namespace {

// Codes and inclusive ranges of codes, as the catalogue's lists are written down.
std::set<int> codes(std::initializer_list<std::pair<int, int>> ranges) {
    std::set<int> out;
    for (const auto& [first, last] : ranges)
        for (int code = first; code <= last; ++code)
            out.insert(code);
    return out;
}

const std::set<int> UniversalCodes = codes({{19, 19},
                                            {33, 33},
                                            {36, 37},
                                            {41, 41},
                                            {43, 43},
                                            {95, 95},
                                            {112, 121},
                                            {127, 130},
                                            {142, 143},
                                            {221, 222},
                                            {225, 225},
                                            {236, 237},
                                            {244, 244}});

const std::vector<std::set<int>> WorldCodes = {
    codes({{49, 61}, {64, 83}, {85, 94}, {96, 97}, {99, 102}, {104, 107}, {109, 110}, {232, 232}}),
    codes({{49, 49}, {51, 74}, {76, 94}, {96, 106}, {108, 110}}),
    codes({{49, 73}, {76, 94}, {96, 97}, {99, 110}}),
    codes({{49, 59}, {61, 79}, {81, 94}, {96, 97}, {99, 111}, {232, 232}}),
};

rom::Catalogue shippedCatalogue() {
    rom::Catalogue catalogue;
    catalogue.load(std::string(TARNWICK_OBJECTS_CATALOGUE));
    return catalogue;
}

} // namespace

TEST(ShippedCatalogue, OffersExactlyTheUniversalAndEachWorldsCodesEachDescribed) {
    const rom::Catalogue catalogue = shippedCatalogue();
    for (int world = 1; world <= 4; ++world) {
        SCOPED_TRACE(world);
        std::set<int> expected = UniversalCodes;
        expected.insert(WorldCodes[world - 1].begin(), WorldCodes[world - 1].end());
        const auto& entries = catalogue.objectsOfWorld(static_cast<char>('0' + world));
        std::multiset<int> offered;
        for (const rom::CatalogueEntry& entry : entries) {
            offered.insert(entry.code);
            EXPECT_FALSE(entry.description.empty()) << entry.code;
            EXPECT_FALSE(rom::kindName(rom::objectKind(world, entry.code)).empty());
        }
        EXPECT_EQ(entries.size(), UniversalCodes.size() + WorldCodes[world - 1].size());
        EXPECT_EQ(std::set<int>(offered.begin(), offered.end()), expected);
    }
}

TEST(ShippedCatalogue, NamesABlankSolidCodeForTheInvisibleWallItIs) {
    const rom::Catalogue catalogue = shippedCatalogue();
    for (int world = 1; world <= 4; ++world)
        for (const rom::CatalogueEntry& entry :
             catalogue.objectsOfWorld(static_cast<char>('0' + world)))
            EXPECT_EQ(rom::objectKind(world, entry.code) == ObjectKind::InvisibleWall,
                      entry.description.find("invisible wall") != std::string::npos)
                << "world " << world << " code " << entry.code;
}

struct KindCase {
    int world;
    int code;
    ObjectKind kind;
};

TEST(ObjectKind, FollowsTheGamesRulesForEachWorld) {
    const KindCase cases[] = {
        {1, 19, ObjectKind::Scenery},        {1, 49, ObjectKind::Scenery},
        {1, 94, ObjectKind::Scenery},        {1, 95, ObjectKind::HiddenBlock},
        {3, 95, ObjectKind::HiddenBlock},    {1, 96, ObjectKind::Solid},
        {1, 101, ObjectKind::Solid},         {1, 104, ObjectKind::SemiSolid},
        {1, 106, ObjectKind::SemiSolid},     {1, 107, ObjectKind::Solid},
        {2, 96, ObjectKind::SemiSolid},      {2, 97, ObjectKind::SemiSolid},
        {2, 99, ObjectKind::SemiSolid},      {2, 100, ObjectKind::Solid},
        {2, 104, ObjectKind::Solid},         {3, 96, ObjectKind::Solid},
        {4, 104, ObjectKind::Solid},         {4, 124, ObjectKind::SemiSolid},
        {2, 124, ObjectKind::SemiSolid},     {1, 108, ObjectKind::InvisibleWall},
        {1, 111, ObjectKind::InvisibleWall}, {2, 98, ObjectKind::InvisibleWall},
        {3, 111, ObjectKind::InvisibleWall}, {2, 111, ObjectKind::Solid},
        {3, 98, ObjectKind::Solid},          {4, 111, ObjectKind::Solid},
        {4, 80, ObjectKind::Scenery},        {1, 112, ObjectKind::EnterablePipe},
        {1, 113, ObjectKind::Solid},         {4, 127, ObjectKind::Solid},
        {1, 128, ObjectKind::Mystery},       {2, 129, ObjectKind::Mystery},
        {1, 130, ObjectKind::Breakable},     {3, 225, ObjectKind::BossSwitch},
        {4, 244, ObjectKind::Coin},          {1, 232, ObjectKind::Solid},
    };
    for (const KindCase& c : cases)
        EXPECT_EQ(rom::objectKind(c.world, c.code), c.kind)
            << "world " << c.world << " code " << c.code;
}

TEST(ObjectKind, EveryKindHasItsOwnName) {
    std::set<std::string_view> names;
    for (int kind = 0; kind <= static_cast<int>(ObjectKind::InvisibleWall); ++kind)
        names.insert(rom::kindName(static_cast<ObjectKind>(kind)));
    EXPECT_EQ(names.size(), static_cast<size_t>(ObjectKind::InvisibleWall) + 1);
}
