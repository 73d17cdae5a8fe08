#pragma once

#include "rom/RomLayout.h"

#include <kiv/ConfigFile.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rom {

// What a save came to. The texts are the ones the user sees.
struct SaveOutcome {
    enum class Kind { Saved, Refused, Failed };
    Kind kind = Kind::Failed;
    std::string report;      // Saved: "Data written for world 1 (...)" lines
    std::string message;     // Saved: "ROM saved: ..." text; Refused: "Unable to save ROM as ..."
                             // followed by "Nothing was written."
    int32_t errorNumber = 0; // Failed
    std::string errorDescription; // Failed
};

// Writes the level document into a copy of the opened ROM `romFile` at `outPath`, re-encoding
// the sections whose flag is set. The output is built in memory and replaces `outPath`
// atomically, only when every section could be written: a refused or failed save leaves any file
// at `outPath` as it was. `kivSave` is the scratch store of the encoder.
SaveOutcome saveROM(const std::string& romFile, const std::string& outPath,
                    const kiv::ConfigFile& kivLevel, kiv::ConfigFile& kivSave,
                    const SectionFlags& sectionChanged);

// What writing the flagged sections into an image came to. A region over its budget stops the
// writing: `refusal` then holds its message and the image the sections written before it.
struct SectionsWritten {
    bool refused = false;
    std::string report;
    std::string refusal;
};

// Re-encodes the flagged sections into `image` (at least RomSize bytes) in the save's order:
// world 1, worlds 2 and 4, world 3, enemies, power-ups, pipes. Throws kiv::Error for a value that
// cannot be encoded; `image` may then be partly written.
SectionsWritten writeSections(std::vector<uint8_t>& image, const kiv::ConfigFile& kivLevel,
                              kiv::ConfigFile& kivSave, const SectionFlags& sectionChanged);

// The first "<romFile without extension>_tw_N.gb" that names no existing file.
std::string proposeSaveName(const std::string& romFile);

// The "#,###" number format: thousands grouped with ",", 0 shown as nothing.
std::string formatCount(long n);

} // namespace rom
