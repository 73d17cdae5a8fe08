#include "rom/LevelDocument.h"

#include "rom/ImportCheck.h"
#include "rom/Numbers.h"
#include "rom/RomReader.h"

namespace rom {

std::optional<int> LevelDocument::cell(LevelId level, const std::string& ref, int x, int y) const {
    const std::string text = kivLevel_.GetValue(cellKey(level.key(), ref, x, y));
    if (text == kiv::ConfigFile::NotFound)
        return std::nullopt;
    return leadingWhole(text);
}

void LevelDocument::setCell(LevelId level, const std::string& ref, int x, int y,
                            std::optional<int> code) {
    const std::string key = cellKey(level.key(), ref, x, y);
    if (code)
        kivLevel_.WriteValue(key, num(*code));
    else
        kivLevel_.DelKey(key);
    encoded_.forgetScreen(level.key(), ref, level.screenSection());
    noteChange(level.screenSection());
}

void LevelDocument::clearScreen(LevelId level, const std::string& ref) {
    for (int x = 0; x < ScreenColumns; ++x)
        for (int y = 0; y < ScreenRows; ++y)
            kivLevel_.DelKey(cellKey(level.key(), ref, x, y));
    encoded_.forgetScreen(level.key(), ref, level.screenSection());
    noteChange(level.screenSection());
}

std::vector<ScreenRef> LevelDocument::screenOrder(LevelId level) const {
    return readScreenOrder(kivLevel_, level);
}

void LevelDocument::setScreenOrder(LevelId level, const std::vector<ScreenRef>& refs) {
    writeScreenOrder(kivLevel_, level, refs);
    encoded_.forgetOrder(level.screenSection());
    noteChange(level.screenSection());
}

std::vector<EnemyRecord> LevelDocument::enemies(LevelId level) const {
    return readEnemies(kivLevel_, level);
}

void LevelDocument::setEnemies(LevelId level, const std::vector<EnemyRecord>& records) {
    writeEnemies(kivLevel_, level, records);
    noteChange(SectionEnemies);
}

std::vector<PowerUpRecord> LevelDocument::powerUps() const {
    return readPowerUps(kivLevel_);
}

void LevelDocument::setPowerUps(const std::vector<PowerUpRecord>& records) {
    writePowerUps(kivLevel_, records);
    noteChange(SectionPowerUps);
}

std::vector<PipeRecord> LevelDocument::pipes(LevelId level) const {
    return readPipes(kivLevel_, level);
}

void LevelDocument::setPipes(LevelId level, const std::vector<PipeRecord>& records) {
    writePipes(kivLevel_, level, records);
    noteChange(SectionPipes);
}

void LevelDocument::loadROM(const std::string& path) {
    loadROM(RomImage::fromFile(path));
}

void LevelDocument::loadROM(const RomImage& image) {
    rom::loadROM(image, kivLevel_, loadSpace_);
    encoded_.forgetAll();
    history_.clear();
    forgetChanges();
}

std::string LevelDocument::importFile(const std::string& path) {
    std::string refusal = importLevelData(path, kivLevel_, scratch_);
    scratch_.DelAll();
    encoded_.forgetAll();
    if (refusal.empty()) {
        history_.clear();
        markAllChanged();
    }
    return refusal;
}

std::string LevelDocument::importStore(kiv::ConfigFile& levelData) {
    std::string refusal = importLevelStore(levelData, kivLevel_);
    encoded_.forgetAll();
    if (refusal.empty()) {
        history_.clear();
        markAllChanged();
    }
    return refusal;
}

void LevelDocument::exportFile(const std::string& path) const {
    kivLevel_.ConfigSave(path);
}

kiv::ConfigFile& LevelDocument::storeForKeyEdits() {
    encoded_.forgetAll();
    return kivLevel_;
}

DataUsage LevelDocument::dataUsage() const {
    DataUsage usage;
    for (const Region& region : Regions) {
        usage.used[region.section] = encoded_.used(region, kivLevel_);
        usage.budget[region.section] = region.budget;
    }
    return usage;
}

void LevelDocument::markChanged(int section) {
    encoded_.forgetAll();
    noteChange(section);
}

void LevelDocument::noteChange(int section) {
    sectionChanged_[section] = true;
    dataChanged_ = true;
    ++changeCount_;
}

void LevelDocument::markAllChanged() {
    encoded_.forgetAll();
    sectionChanged_.fill(true);
    dataChanged_ = true;
    ++changeCount_;
}

void LevelDocument::forgetChanges() {
    sectionChanged_.fill(false);
    dataChanged_ = false;
    ++changeCount_;
}

} // namespace rom
