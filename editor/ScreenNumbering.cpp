#include "editor/ScreenNumbering.h"

#include "rom/LevelKeys.h"

ScreenNumbering ScreenNumbering::forLevel(const std::string& level) {
    ScreenNumbering n;
    n.curLevel = level;
    if (level == "12" || level == "23" || level == "43") {
        n.numberOffset = 2;
        n.firstScreen = 3;
    }
    if (level == "22" || level == "32" || level == "33" || level == "42") {
        n.sharedScreens = 2;
        n.sharedLevel = level.substr(0, 1) + "1";
    }
    return n;
}

std::string ScreenNumbering::screenKeyOf(int s) const {
    return isBorrowed(s) ? rom::screenKey(sharedLevel, s)
                         : rom::screenKey(curLevel, ownPosition(s));
}
