#pragma once

#include "rom/RomImage.h"

#include <kiv/ConfigFile.h>

#include <string>

namespace rom {

// Reads the first 65,536 bytes of the file at `path`, checks the cartridge title and decodes
// every level's screens, then the enemy, power-up and pipe tables, into a fresh document.
// `kivLevel` is replaced only when the whole load succeeded; on failure it throws kiv::Error
// (the title check fails with ErrNotSuperMarioLand) and `kivLevel` is left as it was.
void loadROM(const std::string& path, kiv::ConfigFile& kivLevel);

// The same for an image already in memory.
void loadROM(const RomImage& image, kiv::ConfigFile& kivLevel);
// The same, decoding into `work` (emptied first) and swapping it with `kivLevel` on success, so
// that a store kept from an earlier load lends its room and its index need not grow key by key.
// `work` then holds what `kivLevel` held.
void loadROM(const RomImage& image, kiv::ConfigFile& kivLevel, kiv::ConfigFile& work);

// True when `level` is the first level of a world and `screen` is one of the screen references
// listed by the second level of the same world.
bool CheckDupScreen(const kiv::ConfigFile& kivLevel, const std::string& level,
                    const std::string& screen);

} // namespace rom
