#pragma once

#include <kiv/ConfigFile.h>

#include <string>

// How the screen numbers that the Screen Manager shows relate to the positions that the level
// document stores. The level table (rom/RomLayout.h) tells from which number a level's own
// screens count, and which levels start with screens they only borrow from another level.
struct ScreenNumbering {
    std::string curLevel;
    int numberOffset = 0;
    int sharedScreens = 0;
    std::string sharedLevel;
    int firstScreen = 1;

    static ScreenNumbering forLevel(const std::string& level);

    // The first two entries of a level that numbers from 1 stay where they are.
    bool firstTwoFixed() const { return numberOffset == 0; }
    bool isBorrowed(int s) const { return sharedScreens > 0 && s <= sharedScreens; }
    // The level whose design a screen number shows.
    const std::string& levelOfScreen(int s) const { return isBorrowed(s) ? sharedLevel : curLevel; }
    // The level's own position of screen number `s` (0 or less for borrowed numbers).
    int ownPosition(int s) const { return s - numberOffset - sharedScreens; }
    // The screen number of the level's own position `position`.
    int screenNumberOf(int position) const { return position + numberOffset + sharedScreens; }
    // The document key holding the reference of screen number `s`.
    std::string screenKeyOf(int s) const;
    // The reference of screen number `s`; "[NOT FOUND]" for a number outside the level.
    std::string referenceOf(const kiv::ConfigFile& kivLevel, int s) const {
        return kivLevel.GetValue(screenKeyOf(s));
    }
};
