#include "rom/ObjectKind.h"

#include <algorithm>
#include <array>
#include <span>

namespace rom {

namespace {

struct WorldCodes {
    int world;
    std::array<int, 3> codes; // 0 pads a shorter list
};

bool listed(std::span<const WorldCodes> table, int world, int code) {
    return std::any_of(table.begin(), table.end(), [&](const WorldCodes& row) {
        return row.world == world &&
               std::find(row.codes.begin(), row.codes.end(), code) != row.codes.end();
    });
}

// Worlds 1 and 2 have platforms of their own; code 124 is one in every world.
constexpr std::array<WorldCodes, 2> SemiSolidCodes = {{{1, {104, 105, 106}}, {2, {96, 97, 99}}}};
constexpr int SemiSolidEverywhere = 124;

// Tiles left blank in a world's sheet at codes the game treats as solid.
constexpr std::array<WorldCodes, 3> BlankSolidCodes = {{{1, {108, 111}}, {2, {98}}, {3, {111}}}};

ObjectKind fixedKind(int code) {
    switch (code) {
    case HiddenBlockCode:
        return ObjectKind::HiddenBlock;
    case 112:
        return ObjectKind::EnterablePipe;
    case 128:
    case 129:
        return ObjectKind::Mystery;
    case 130:
        return ObjectKind::Breakable;
    case 225:
        return ObjectKind::BossSwitch;
    case 244:
        return ObjectKind::Coin;
    default:
        return code >= FirstSolidCode ? ObjectKind::Solid : ObjectKind::Scenery;
    }
}

} // namespace

ObjectKind objectKind(int world, int code) {
    if (code == SemiSolidEverywhere || listed(SemiSolidCodes, world, code))
        return ObjectKind::SemiSolid;
    if (listed(BlankSolidCodes, world, code))
        return ObjectKind::InvisibleWall;
    return fixedKind(code);
}

std::string_view kindName(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::Scenery:
        return "Scenery";
    case ObjectKind::Solid:
        return "Solid";
    case ObjectKind::SemiSolid:
        return "Semi-solid";
    case ObjectKind::HiddenBlock:
        return "Hidden block";
    case ObjectKind::Breakable:
        return "Breakable";
    case ObjectKind::Mystery:
        return "Mystery";
    case ObjectKind::Coin:
        return "Coin";
    case ObjectKind::BossSwitch:
        return "Boss switch";
    case ObjectKind::EnterablePipe:
        return "Pipe entrance";
    case ObjectKind::InvisibleWall:
        return "Invisible wall";
    }
    return "Scenery";
}

} // namespace rom
