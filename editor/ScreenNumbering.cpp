#include "editor/ScreenNumbering.h"

#include "rom/LevelKeys.h"
#include "rom/RomLayout.h"

ScreenNumbering ScreenNumbering::forLevel(const std::string& level) {
    ScreenNumbering n;
    n.curLevel = level;
    const rom::LevelTable* table = rom::findLevel(level);
    if (!table)
        return n;
    n.numberOffset = table->numberOffset;
    n.firstScreen = 1 + table->numberOffset;
    if (!table->borrowsFrom.empty()) {
        n.sharedScreens = rom::BorrowedScreens;
        n.sharedLevel = table->borrowsFrom;
    }
    return n;
}

std::string ScreenNumbering::screenKeyOf(int s) const {
    return isBorrowed(s) ? rom::screenKey(sharedLevel, s)
                         : rom::screenKey(curLevel, ownPosition(s));
}
