// Feeds arbitrary text as a level-data file through what the editor and the command-line tool do
// with one: the import check, the data usage check and Save As into a copy of the sample image,
// all in memory. Each step must either refuse with a clear error or succeed, and a save that
// succeeds must give an image that decodes back to the imported document: per level and by
// position (the image gives its screens new references), the cells of each screen in the screen
// order, the enemies, the power-ups and the pipes.
//
// Run it with: twd_import_fuzz -max_len=16384 corpus/

#include "rom/DataUsage.h"
#include "rom/DocumentValues.h"
#include "rom/ImportCheck.h"
#include "rom/LevelKeys.h"
#include "rom/ObjectTablesReader.h"
#include "rom/RomReader.h"
#include "rom/RomWriter.h"
#include "rom/ScreenDecoder.h"
#include "sample/SampleRom.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

void checkClear(const kiv::Error& e) {
    check(e.number() != 0 && !e.description().empty());
}

std::string scratchFile() {
    const std::filesystem::path folder =
        std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    return (folder / ("twd-fuzz-" + std::to_string(::getpid()) + ".twd")).string();
}

const std::vector<uint8_t>& sampleImage() {
    static const std::vector<uint8_t> image = rom::makeSampleRom();
    return image;
}

const rom::Region& regionOf(std::string_view level) {
    return rom::Regions[rom::screenSectionOfWorld(level[0])];
}

bool lists(const kiv::ConfigFile& doc, std::string_view level, const std::string& ref) {
    const long count = rom::decimalValue(doc, rom::screensKey(level));
    for (int k = 1; k <= count; ++k)
        if (doc.GetValue(rom::screenKey(level, k)) == ref)
            return true;
    return false;
}

// The level whose design of `ref` the save writes for every level of the region that lists it:
// the last one in the region's order that lists it and holds a design of it.
std::string designOwner(const kiv::ConfigFile& doc, std::string_view level,
                        const std::string& ref) {
    const rom::Region& region = regionOf(level);
    std::string owner;
    for (std::string_view view : region.levels()) {
        const std::string other(view);
        if (doc.GetValue(rom::markerKey(other, ref)) == "Y" && lists(doc, other, ref))
            owner = other;
    }
    return owner;
}

int cellCode(const kiv::ConfigFile& doc, const std::string& key) {
    const std::string text = doc.GetValue(key);
    if (text == kiv::ConfigFile::NotFound)
        return -1;
    uint8_t code = 0;
    check(rom::parseObjectCode(text, code));
    return code;
}

void compareScreens(const kiv::ConfigFile& imported, const rom::RomImage& image,
                    const rom::LevelTable& table) {
    const long count = rom::decimalValue(imported, rom::screensKey(table.level));
    if (count <= 0)
        return;
    kiv::ConfigFile saved;
    rom::loadLevel(image, table, saved);
    for (int k = 1; k <= count; ++k) {
        const std::string ref = imported.GetValue(rom::screenKey(table.level, k));
        const std::string owner = designOwner(imported, table.level, ref);
        check(!owner.empty());
        const std::string savedRef = saved.GetValue(rom::screenKey(table.level, k));
        for (int x = 0; x < rom::ScreenColumns; ++x)
            for (int y = 0; y < rom::ScreenRows; ++y)
                check(cellCode(imported, rom::cellKey(owner, ref, x, y)) ==
                      cellCode(saved, rom::cellKey(table.level, savedRef, x, y)));
    }
}

// The three bytes an enemy record holds, from either document.
std::array<long, 3> enemyBytes(const kiv::ConfigFile& doc, std::string_view level, int k) {
    const long screen = rom::decimalValue(doc, rom::enemyKey(level, "screen", k));
    const long x = rom::decimalValue(doc, rom::enemyKey(level, "x", k));
    const bool hard = doc.GetValue(rom::enemyKey(level, "hard", k)) == "Y";
    return {x + (screen - 1) * 10, rom::hexValue(doc, rom::enemyKey(level, "y", k)),
            rom::hexValue(doc, rom::enemyKey(level, "type", k)) + (hard ? 128 : 0)};
}

void compareEnemies(const kiv::ConfigFile& imported, const rom::RomImage& image,
                    const rom::EnemyTable& table) {
    const long count = rom::decimalValue(imported, rom::enemiesKey(table.level));
    kiv::ConfigFile saved;
    rom::loadEnemies(image, table, saved);
    for (int k = 1; k <= count; ++k)
        check(enemyBytes(imported, table.level, k) == enemyBytes(saved, table.level, k));
}

void comparePowerUps(const kiv::ConfigFile& imported, const rom::RomImage& image) {
    kiv::ConfigFile saved;
    rom::loadPowerUps(image, saved);
    for (int k = 1; k <= rom::PowerUpCount; ++k) {
        check(imported.GetValue(rom::powerUpKey("level", k)) ==
              saved.GetValue(rom::powerUpKey("level", k)));
        for (const char* field : {"screen", "x", "type"})
            check(rom::decimalValue(imported, rom::powerUpKey(field, k)) ==
                  rom::decimalValue(saved, rom::powerUpKey(field, k)));
    }
}

void comparePipes(const kiv::ConfigFile& imported, const rom::RomImage& image) {
    kiv::ConfigFile saved;
    rom::loadPipes(image, saved);
    for (std::string_view level : rom::PipeLevels)
        for (int k = 1; k <= rom::PipesPerLevel; ++k) {
            for (const char* field : {"entryscreen", "entryx", "bonusscreen", "exitscreen"})
                check(rom::decimalValue(imported, rom::pipeKey(level, field, k)) ==
                      rom::decimalValue(saved, rom::pipeKey(level, field, k)));
            // Exits are whole pixels: byte / 8 - bias, the document may round to them.
            for (const auto& [field, bias] :
                 {std::pair{"exitx", rom::PipeExitXBias}, std::pair{"exity", rom::PipeExitYBias}}) {
                const std::string key = rom::pipeKey(level, field, k);
                check(rom::toByte((rom::numberValue(imported, key) + bias) * 8, key) ==
                      rom::toByte((rom::numberValue(saved, key) + bias) * 8, key));
            }
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string file = scratchFile();
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    // The import, as the window and the command-line tool make it.
    kiv::ConfigFile kivLevel;
    kiv::ConfigFile kivSave;
    try {
        if (!rom::importLevelData(file, kivLevel, kivSave).empty())
            return 0;
    } catch (const kiv::Error& e) {
        checkClear(e);
        return 0;
    }

    rom::DataUsage usage;
    try {
        usage = rom::dataUsage(kivLevel, kivSave);
    } catch (const kiv::Error& e) {
        checkClear(e);
        return 0;
    }

    std::vector<uint8_t> image = sampleImage();
    rom::SectionFlags all;
    all.fill(true);
    rom::SectionsWritten written;
    try {
        written = rom::writeSections(image, kivLevel, kivSave, all);
    } catch (const kiv::Error& e) {
        checkClear(e);
        return 0;
    }
    const bool overBudget = usage.overBudget(0) || usage.overBudget(1) || usage.overBudget(2);
    check(written.refused == overBudget);
    if (written.refused) {
        // The save stops at the first region the data usage check finds over its budget.
        const int region = written.refusedRegion();
        check(written.regions[region].used == usage.used[region] && usage.overBudget(region));
        for (int before = 0; before < region; ++before)
            check(!usage.overBudget(before));
        return 0;
    }

    const rom::RomImage saved(std::move(image));
    for (const auto& table : rom::LevelTables)
        compareScreens(kivLevel, saved, table);
    for (const auto& table : rom::EnemyTables)
        compareEnemies(kivLevel, saved, table);
    comparePowerUps(kivLevel, saved);
    comparePipes(kivLevel, saved);
    return 0;
}
