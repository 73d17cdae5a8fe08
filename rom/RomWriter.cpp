#include "rom/RomWriter.h"

#include "rom/Counts.h"
#include "rom/DocumentValues.h"
#include "rom/LevelKeys.h"
#include "rom/ObjectTablesWriter.h"
#include "rom/RomFile.h"
#include "rom/RomImage.h"
#include "rom/ScreenEncoder.h"

#include <algorithm>
#include <filesystem>

namespace rom {

namespace {

const LevelTable& levelTable(std::string_view level) {
    return *std::find_if(LevelTables.begin(), LevelTables.end(),
                         [&](const LevelTable& t) { return t.level == level; });
}

template <typename Bytes> void put(std::vector<uint8_t>& image, int offset, const Bytes& bytes) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + offset);
}

// The pointer written for screen k of `level`: where its reference's data begins in this pass.
PointerBytes screenPointer(const kiv::ConfigFile& kivLevel, const kiv::ConfigFile& kivSave,
                           const std::string& level, int k) {
    const std::string ref = kivLevel.GetValue(screenKey(level, k));
    const std::string refKey = screenRefKey(ref);
    if (kivSave.GetValue(refKey) == kiv::ConfigFile::NotFound)
        throw kiv::Error(kiv::errors::TypeMismatch,
                         "Type mismatch: screen " + num(k) + " of level " + levelText(level) +
                             " (" + ref + ") has no block design in that level's world");
    return sOrderVals(static_cast<int32_t>(decimalValue(kivSave, refKey)));
}

void writePointerTable(std::vector<uint8_t>& image, const kiv::ConfigFile& kivLevel,
                       const kiv::ConfigFile& kivSave, const LevelTable& table) {
    const std::string level(table.level);
    const int count = screenCount(kivLevel, level);
    for (int k = 1; k <= count; ++k) {
        const PointerBytes p = screenPointer(kivLevel, kivSave, level, k);
        put(image, table.first + 2 * (k - 1), std::array{p.lo, p.hi});
    }
    for (const FirstScreensBlock& block : FirstScreensBlocks) {
        if (block.fromLevel != table.level)
            continue;
        const PointerBytes first = screenPointer(kivLevel, kivSave, level, 1);
        const PointerBytes second = screenPointer(kivLevel, kivSave, level, 2);
        put(image, block.offset, std::array{first.lo, first.hi, second.lo, second.hi});
    }
}

// Encodes one region into the image with its pointer tables; false when it is over budget.
bool writeRegion(std::vector<uint8_t>& image, const kiv::ConfigFile& kivLevel,
                 kiv::ConfigFile& kivSave, const Region& region, const ScreenSource& screens,
                 SectionsWritten& written) {
    const SaveBuffer saveBuffer = encodeRegion(region, kivLevel, kivSave, screens);
    RegionWrite& result = written.regions[region.section];
    result.used = static_cast<long>(saveBuffer.size()) - 1;
    result.budget = region.budget;
    if (result.used > region.budget) {
        result.status = RegionWrite::Status::Refused;
        written.refused = true;
        return false;
    }
    put(image, region.dataOffset, saveBuffer);
    for (std::string_view level : region.levels())
        writePointerTable(image, kivLevel, kivSave, levelTable(level));
    result.status = RegionWrite::Status::Written;
    return true;
}

void writeEnemies(std::vector<uint8_t>& image, const kiv::ConfigFile& kivLevel) {
    for (const EnemyTable& table : EnemyTables)
        put(image, table.first, saveEnemies(kivLevel, std::string(table.level)));
}

} // namespace

SectionsWritten writeSections(std::vector<uint8_t>& image, const kiv::ConfigFile& kivLevel,
                              kiv::ConfigFile& kivSave, const SectionFlags& sectionChanged) {
    return writeSections(image, kivLevel, kivSave, sectionChanged, freshScreens(kivLevel));
}

SectionsWritten writeSections(std::vector<uint8_t>& image, const kiv::ConfigFile& kivLevel,
                              kiv::ConfigFile& kivSave, const SectionFlags& sectionChanged,
                              const ScreenSource& screens) {
    if (image.size() < static_cast<size_t>(RomSize))
        throw kiv::Error(ErrRomTooShort, "The file is too short to be a Super Mario Land ROM (" +
                                             num(static_cast<long>(image.size())) + " bytes)");
    SectionsWritten written;
    for (const Region& region : Regions)
        if (sectionChanged[region.section] &&
            !writeRegion(image, kivLevel, kivSave, region, screens, written))
            return written;
    if (sectionChanged[SectionEnemies]) {
        writeEnemies(image, kivLevel);
        written.enemies = true;
    }
    if (sectionChanged[SectionPowerUps]) {
        put(image, PowerUpFirst, savePowerUps(kivLevel));
        written.powerUps = true;
    }
    if (sectionChanged[SectionPipes]) {
        put(image, PipeFirst, savePipes(kivLevel));
        written.pipes = true;
    }
    return written;
}

int SectionsWritten::refusedRegion() const {
    for (size_t i = 0; i < regions.size(); ++i)
        if (regions[i].status == RegionWrite::Status::Refused)
            return static_cast<int>(i);
    return -1;
}

BuiltImage buildImage(const std::string& romFile, const kiv::ConfigFile& kivLevel,
                      kiv::ConfigFile& kivSave, const SectionFlags& sectionChanged) {
    return buildImage(romFile, kivLevel, kivSave, sectionChanged, freshScreens(kivLevel));
}

BuiltImage buildImage(const std::string& romFile, const kiv::ConfigFile& kivLevel,
                      kiv::ConfigFile& kivSave, const SectionFlags& sectionChanged,
                      const ScreenSource& screens) {
    BuiltImage built;
    SaveOutcome& outcome = built.outcome;
    try {
        built.image = readWholeFile(romFile);
        outcome.sections = writeSections(built.image, kivLevel, kivSave, sectionChanged, screens);
        // A half-written image would look like a finished one, so a refusal hands none out.
        outcome.kind =
            outcome.sections.refused ? SaveOutcome::Kind::Refused : SaveOutcome::Kind::Saved;
    } catch (const kiv::Error& e) {
        outcome = SaveOutcome{};
        outcome.errorNumber = e.number();
        outcome.errorDescription = e.description();
    }
    if (outcome.kind != SaveOutcome::Kind::Saved)
        built.image.clear();
    return built;
}

SaveOutcome saveROM(const std::string& romFile, const std::string& outPath,
                    const kiv::ConfigFile& kivLevel, kiv::ConfigFile& kivSave,
                    const SectionFlags& sectionChanged) {
    return saveROM(romFile, outPath, kivLevel, kivSave, sectionChanged, freshScreens(kivLevel));
}

SaveOutcome saveROM(const std::string& romFile, const std::string& outPath,
                    const kiv::ConfigFile& kivLevel, kiv::ConfigFile& kivSave,
                    const SectionFlags& sectionChanged, const ScreenSource& screens) {
    BuiltImage built = buildImage(romFile, kivLevel, kivSave, sectionChanged, screens);
    if (built.outcome.kind != SaveOutcome::Kind::Saved)
        return built.outcome; // any file at the output path keeps its bytes
    try {
        replaceFile(outPath, built.image);
    } catch (const kiv::Error& e) {
        SaveOutcome failed;
        failed.errorNumber = e.number();
        failed.errorDescription = e.description();
        return failed;
    }
    return built.outcome;
}

std::string proposeSaveName(const std::string& romFile) {
    const size_t nameStart = romFile.find_last_of('/') + 1;
    const size_t point = romFile.rfind('.');
    const std::string stem =
        point != std::string::npos && point >= nameStart ? romFile.substr(0, point) : romFile;
    for (long n = 1;; ++n) {
        std::string candidate = cat({stem, "_tw_", num(n), ".gb"});
        std::error_code ec;
        if (!std::filesystem::exists(candidate, ec))
            return candidate;
    }
}

} // namespace rom
