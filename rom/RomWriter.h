#pragma once

#include "rom/RomLayout.h"
#include "rom/ScreenEncoder.h"

#include <kiv/ConfigFile.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rom {

// What became of one save region in a save.
struct RegionWrite {
    enum class Status { NotWritten, Written, Refused };
    Status status = Status::NotWritten;
    long used = 0;   // Written, Refused: bytes of the region's screens - 1, as budgets count
    long budget = 0; // Written, Refused
    bool operator==(const RegionWrite&) const = default;
};

// What writing the flagged sections into an image came to. A region over its budget stops the
// writing: it is Refused, the regions after it and the object tables are not written, and the
// image holds the sections written before it.
struct SectionsWritten {
    std::array<RegionWrite, 3> regions{}; // by Region::section
    bool enemies = false;
    bool powerUps = false;
    bool pipes = false;
    bool refused = false;
    int refusedRegion() const; // its section, or -1
};

// What a save came to; the front ends word it for the user.
struct SaveOutcome {
    enum class Kind { Saved, Refused, Failed };
    Kind kind = Kind::Failed;
    SectionsWritten sections;     // Saved, Refused: what went into the image
    int32_t errorNumber = 0;      // Failed
    std::string errorDescription; // Failed
};

// The image a save would write, built in memory from the opened ROM `romFile`. `image` holds
// the finished image only when the outcome is Saved; nothing is written to disk.
struct BuiltImage {
    SaveOutcome outcome;
    std::vector<uint8_t> image;
};
BuiltImage buildImage(const std::string& romFile, const kiv::ConfigFile& kivLevel,
                      kiv::ConfigFile& kivSave, const SectionFlags& sectionChanged);
// The same, taking each screen's bytes from `screens` (see ScreenSource).
BuiltImage buildImage(const std::string& romFile, const kiv::ConfigFile& kivLevel,
                      kiv::ConfigFile& kivSave, const SectionFlags& sectionChanged,
                      const ScreenSource& screens);

// Writes the level document into a copy of the opened ROM `romFile` at `outPath`, re-encoding
// the sections whose flag is set. The output is built in memory and replaces `outPath`
// atomically, only when every section could be written: a refused or failed save leaves any file
// at `outPath` as it was. `kivSave` is the scratch store of the encoder.
SaveOutcome saveROM(const std::string& romFile, const std::string& outPath,
                    const kiv::ConfigFile& kivLevel, kiv::ConfigFile& kivSave,
                    const SectionFlags& sectionChanged);
SaveOutcome saveROM(const std::string& romFile, const std::string& outPath,
                    const kiv::ConfigFile& kivLevel, kiv::ConfigFile& kivSave,
                    const SectionFlags& sectionChanged, const ScreenSource& screens);

// Re-encodes the flagged sections into `image` (at least RomSize bytes) in the save's order:
// world 1, worlds 2 and 4, world 3, enemies, power-ups, pipes. Throws kiv::Error for a value that
// cannot be encoded; `image` may then be partly written.
SectionsWritten writeSections(std::vector<uint8_t>& image, const kiv::ConfigFile& kivLevel,
                              kiv::ConfigFile& kivSave, const SectionFlags& sectionChanged);
SectionsWritten writeSections(std::vector<uint8_t>& image, const kiv::ConfigFile& kivLevel,
                              kiv::ConfigFile& kivSave, const SectionFlags& sectionChanged,
                              const ScreenSource& screens);

// The first "<romFile without extension>_tw_N.gb" that names no existing file.
std::string proposeSaveName(const std::string& romFile);

} // namespace rom
