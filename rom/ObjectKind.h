#pragma once

// What Mario meets at an object code: the game decides it from the code alone, with a few
// codes whose meaning is fixed by its program and, per world, the blank tiles at solid codes.
// Qt-free so that the catalogue, the object list and the sample designs all read one rule.

#include <string_view>

namespace rom {

enum class ObjectKind {
    Scenery,       // walked through: every code below 96 but the hidden block
    Solid,         // codes from 96 up stop Mario from every side
    SemiSolid,     // stood on from above, passed through from below and the sides
    HiddenBlock,   // 95: blank until hit from below
    Breakable,     // 130
    Mystery,       // 128 and 129: what comes out is the power-up record at that place
    Coin,          // 244
    BossSwitch,    // 225: touching it ends a boss level
    EnterablePipe, // 112: standing on it lets Mario go down the pipe
    InvisibleWall, // a solid code whose tile is blank in that world
};

inline constexpr int FirstSolidCode = 96;
inline constexpr int HiddenBlockCode = 95;

// The kind of `code` in world 1..4 (another world number gets the rules of no world's tiles).
ObjectKind objectKind(int world, int code);

// The short name the object list shows ("Solid", "Semi-solid", "Invisible wall", ...).
std::string_view kindName(ObjectKind kind);

} // namespace rom
