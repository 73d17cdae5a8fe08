#pragma once

#include "rom/Numbers.h"
#include "rom/RomImage.h"
#include "rom/RomLayout.h"

#include <kiv/ConfigFile.h>

#include <cstdint>
#include <string>

namespace rom {

// A pipe's exit position is stored in the document as byte / 8 - bias.
inline constexpr int PipeExitXBias = 2;
inline constexpr int PipeExitYBias = 5;

// The document's text of a pipe exit byte: byte / 8 - bias, exactly.
std::string pipeExitText(uint8_t byte, int bias);

// One level's enemy records: screen index and position from byte 0, byte 1 as hexadecimal,
// type and hard-mode flag from byte 2.
void loadEnemies(const RomImage& rom, const EnemyTable& table, kiv::ConfigFile& kivLevel);

// The game's power-up records, each tagged with the level that the separators before it give.
void loadPowerUps(const RomImage& rom, kiv::ConfigFile& kivLevel);

// The pipe records, numbered per pipe level; each separator moves on to the next pipe level.
void loadPipes(const RomImage& rom, kiv::ConfigFile& kivLevel);

} // namespace rom
