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
    markChanged(level.screenSection());
}

void LevelDocument::clearScreen(LevelId level, const std::string& ref) {
    for (int x = 0; x < ScreenColumns; ++x)
        for (int y = 0; y < ScreenRows; ++y)
            kivLevel_.DelKey(cellKey(level.key(), ref, x, y));
    markChanged(level.screenSection());
}

std::vector<ScreenRef> LevelDocument::screenOrder(LevelId level) const {
    return readScreenOrder(kivLevel_, level);
}

void LevelDocument::setScreenOrder(LevelId level, const std::vector<ScreenRef>& refs) {
    writeScreenOrder(kivLevel_, level, refs);
    markChanged(level.screenSection());
}

std::vector<EnemyRecord> LevelDocument::enemies(LevelId level) const {
    return readEnemies(kivLevel_, level);
}

void LevelDocument::setEnemies(LevelId level, const std::vector<EnemyRecord>& records) {
    writeEnemies(kivLevel_, level, records);
    markChanged(SectionEnemies);
}

std::vector<PowerUpRecord> LevelDocument::powerUps() const {
    return readPowerUps(kivLevel_);
}

void LevelDocument::setPowerUps(const std::vector<PowerUpRecord>& records) {
    writePowerUps(kivLevel_, records);
    markChanged(SectionPowerUps);
}

std::vector<PipeRecord> LevelDocument::pipes(LevelId level) const {
    return readPipes(kivLevel_, level);
}

void LevelDocument::setPipes(LevelId level, const std::vector<PipeRecord>& records) {
    writePipes(kivLevel_, level, records);
    markChanged(SectionPipes);
}

void LevelDocument::loadROM(const std::string& path) {
    rom::loadROM(path, kivLevel_);
    forgetChanges();
}

std::string LevelDocument::importFile(const std::string& path) {
    std::string refusal = importLevelData(path, kivLevel_, scratch_);
    scratch_.DelAll();
    if (refusal.empty())
        markAllChanged();
    return refusal;
}

std::string LevelDocument::importStore(kiv::ConfigFile& levelData) {
    std::string refusal = importLevelStore(levelData, kivLevel_);
    if (refusal.empty())
        markAllChanged();
    return refusal;
}

void LevelDocument::exportFile(const std::string& path) const {
    kivLevel_.ConfigSave(path);
}

void LevelDocument::markChanged(int section) {
    sectionChanged_[section] = true;
    dataChanged_ = true;
    ++changeCount_;
}

void LevelDocument::markAllChanged() {
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
