#pragma once

#include "rom/RomImage.h"
#include "rom/RomLayout.h"

#include <kiv/ConfigFile.h>

#include <cstdint>
#include <string>

namespace rom {

// A pipe's exit position is stored in the document as byte / 8 - bias.
inline constexpr int PipeExitXBias = 2;
inline constexpr int PipeExitYBias = 5;

// A number of eighths as exact decimal text: whole numbers without a point ("5", "-3"),
// fractions with a point and no trailing zeros ("5.125", "-0.5").
std::string eighthsText(int eighths);

// The document's text of a pipe exit byte: byte / 8 - bias, exactly.
std::string pipeExitText(uint8_t byte, int bias);

// Upper-case hexadecimal without leading zeros ("0", "7F").
std::string hexText(unsigned value);

// One level's enemy records: screen index and position from byte 0, byte 1 as hexadecimal,
// type and hard-mode flag from byte 2.
void loadEnemies(const RomImage& rom, const EnemyTable& table, kiv::ConfigFile& kivLevel);

// The game's power-up records, each tagged with the level that the separators before it give.
void loadPowerUps(const RomImage& rom, kiv::ConfigFile& kivLevel);

// The pipe records, numbered per pipe level; each separator moves on to the next pipe level.
void loadPipes(const RomImage& rom, kiv::ConfigFile& kivLevel);

} // namespace rom
