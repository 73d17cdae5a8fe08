#include "rom/RomReader.h"

#include "rom/Counts.h"
#include "rom/LevelKeys.h"
#include "rom/ObjectTablesReader.h"
#include "rom/RomLayout.h"
#include "rom/ScreenDecoder.h"

#include <charconv>

namespace rom {

void loadROM(const std::string& path, kiv::ConfigFile& kivLevel) {
    loadROM(RomImage::fromFile(path), kivLevel);
}

void loadROM(const RomImage& image, kiv::ConfigFile& kivLevel) {
    kiv::ConfigFile work;
    loadROM(image, kivLevel, work);
}

void loadROM(const RomImage& image, kiv::ConfigFile& kivLevel, kiv::ConfigFile& work) {
    if (!image.hasGameTitle())
        throw kiv::Error(ErrNotSuperMarioLand, std::string(NotSuperMarioLandText));
    // Decoding into a document of its own keeps the caller's document whole when the data
    // turns out to be corrupt halfway through.
    kiv::ConfigFile& document = work;
    document.DelAll();
    for (const auto& table : LevelTables)
        loadLevel(image, table, document);
    for (const auto& table : EnemyTables)
        loadEnemies(image, table, document);
    loadPowerUps(image, document);
    loadPipes(image, document);
    kivLevel.swap(document);
}

bool CheckDupScreen(const kiv::ConfigFile& kivLevel, const std::string& level,
                    const std::string& screen) {
    if (!isFirstLevelOfWorld(level))
        return false;
    const std::string secondLevel(secondLevelOfWorld(level));
    const int count = shownScreenCount(kivLevel, secondLevel);
    for (int k = 1; k <= count; ++k)
        if (kivLevel.GetValue(screenKey(secondLevel, k)) == screen)
            return true;
    return false;
}

} // namespace rom
