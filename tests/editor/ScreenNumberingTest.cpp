#include "editor/ScreenNumbering.h"

#include <gtest/gtest.h>

namespace {

// How the Screen Manager numbers each level's screens, written out for every level of the game.
TEST(ScreenNumbering, EachLevelOfTheGame) {
    struct Case {
        const char* level;
        int firstScreen;
        int numberOffset;
        int sharedScreens;
        const char* sharedLevel;
    };
    const Case cases[] = {{"11", 1, 0, 0, ""}, {"12", 3, 2, 0, ""},   {"13", 1, 0, 0, ""},
                          {"21", 1, 0, 0, ""}, {"22", 1, 0, 2, "21"}, {"23", 3, 2, 0, ""},
                          {"31", 1, 0, 0, ""}, {"32", 1, 0, 2, "31"}, {"33", 1, 0, 2, "31"},
                          {"41", 1, 0, 0, ""}, {"42", 1, 0, 2, "41"}, {"43", 3, 2, 0, ""},
                          {"", 1, 0, 0, ""},   {"x", 1, 0, 0, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        const ScreenNumbering n = ScreenNumbering::forLevel(c.level);
        EXPECT_EQ(n.curLevel, c.level);
        EXPECT_EQ(n.firstScreen, c.firstScreen);
        EXPECT_EQ(n.numberOffset, c.numberOffset);
        EXPECT_EQ(n.sharedScreens, c.sharedScreens);
        EXPECT_EQ(n.sharedLevel, c.sharedLevel);
        EXPECT_EQ(n.firstTwoFixed(), c.numberOffset == 0);
        for (int s = -1; s <= 4; ++s)
            EXPECT_EQ(n.isBorrowed(s), c.sharedScreens == 2 && s < 3) << s;
    }
}

} // namespace
