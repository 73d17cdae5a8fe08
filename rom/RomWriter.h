#pragma once

#include "rom/RomLayout.h"

#include <kiv/ConfigFile.h>

#include <array>
#include <cstdint>
#include <string>

namespace rom {

using SectionFlags = std::array<bool, SectionCount>;

// What a save came to. The texts are the ones the user sees.
struct SaveOutcome {
    enum class Kind { Saved, Refused, Failed };
    Kind kind = Kind::Failed;
    std::string report;          // Saved: "Data written for world 1 (...)" lines
    std::string message;         // Saved: "ROM saved: ..." text; Refused: "Unable to save ROM as ..."
    int32_t errorNumber = 0;     // Failed
    std::string errorDescription; // Failed
};

// Writes the level document into a copy of the opened ROM `romFile` at `outPath`, re-encoding
// the sections whose flag is set. The output is built in memory and replaces `outPath`
// atomically. `kivSave` is the scratch store of the encoder.
SaveOutcome saveROM(const std::string& romFile, const std::string& outPath,
                    const kiv::ConfigFile& kivLevel, kiv::ConfigFile& kivSave,
                    const SectionFlags& sectionChanged);

// The first "<romFile without extension>_tw_N.gb" that names no existing file.
std::string proposeSaveName(const std::string& romFile);

// The "#,###" number format: thousands grouped with ",", 0 shown as nothing.
std::string formatCount(long n);

} // namespace rom
