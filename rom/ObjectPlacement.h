#pragma once

// Where the Screen Manager lets an enemy or a power-up stand, and the order its lists keep the
// records in. A record moved anywhere else is kept to the same places and written in the same
// order, so the game meets its objects as the lists would have left them.

#include "rom/LevelRecords.h"

#include <optional>
#include <string>
#include <vector>

namespace rom {

// Enemies stand on screen numbers above 3 (the Screen Manager's numbering: the stored screen plus
// 2), at X 0 to 9 in units of two cells, and on screen 4 at X 2 or more.
inline constexpr int FirstEnemyScreen = 4;
inline constexpr int EnemyColumns = 10;
inline constexpr int EnemyScreenFourFirstX = 2;
// Power-ups stand on screens 1 to 25 at X 0 to 19 in cells.
inline constexpr int PowerUpScreens = 25;
inline constexpr int PowerUpColumns = 20;

// The position bytes an enemy may have: bit 5 clear and a row of 0 to 19 (rows 16 to 19 through
// bit 4), in the order the Y box lists them.
std::vector<int> enemyPositionBytes();

// An enemy's place, as the Screen Manager's boxes set it.
struct EnemyPlace {
    int screen; // as the Screen Manager numbers it
    int x;
    int positionByte;
    bool operator==(const EnemyPlace&) const = default;
};

// The place of an enemy whose picture has its bottom-left corner at pixel (`left`, `bottom`) of
// the 320 x 256 picture of screen number `screen`, taken to the nearest place the boxes offer:
// half a cell across, a cell down. The screen 4 rule moves X to 2 as the X box does. Nothing when
// no place is offered there (a screen up to 3, a column or row outside the boxes' range).
std::optional<EnemyPlace> enemyPlaceAt(int screen, int left, int bottom);

// The place of a power-up whose bar has its left edge at pixel `left` of screen number `screen`,
// to the nearest cell; nothing outside the boxes' range.
struct PowerUpPlace {
    int screen;
    int x;
    bool operator==(const PowerUpPlace&) const = default;
};
std::optional<PowerUpPlace> powerUpPlaceAt(int screen, int left);

// The texts the lists sort on: screen (two digits at least) then X for enemies; level, screen and
// X (two digits at least) for power-ups. A field the document lacks reads as the store's
// not-found answer, as the list shows it.
std::string enemyListKey(const EnemyRecord& record);
std::string powerUpListKey(const PowerUpRecord& record);

// The records in the order the lists write them back: sorted on their keys, records with equal
// keys keeping their order.
void sortAsEnemyList(std::vector<EnemyRecord>& records);
void sortAsPowerUpList(std::vector<PowerUpRecord>& records);

} // namespace rom
