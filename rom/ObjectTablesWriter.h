#pragma once

#include "rom/RomLayout.h"

#include <kiv/ConfigFile.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rom {

// The encoders of the enemy, power-up and pipe tables: exact inverses of their readers for
// every value a loaded document holds. A value that is not a number of its key's form, or that
// does not fit its byte, throws kiv::Error naming the key.

// One level's enemy table: 3 bytes per record, "Enemies_" NN records. A count that would write
// past the level's table throws kiv::Error(SubscriptOutOfRange).
std::vector<uint8_t> saveEnemies(const kiv::ConfigFile& kivLevel, const std::string& level);

// The power-up table: the 75 records grouped by level in the game's level order (in document
// order within a level), one 0xFF between each level and the next, also around a level without
// power-ups: always 75 records and 11 separators, exactly PowerUpBytes.
std::array<uint8_t, PowerUpBytes> savePowerUps(const kiv::ConfigFile& kivLevel);

// The pipe table: two records per pipe level, 0xFF between levels, exactly PipeBytes.
std::array<uint8_t, PipeBytes> savePipes(const kiv::ConfigFile& kivLevel);

} // namespace rom
