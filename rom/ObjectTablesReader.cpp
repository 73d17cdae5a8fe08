#include "rom/ObjectTablesReader.h"

#include "rom/LevelKeys.h"

#include <cstdlib>

namespace rom {

namespace {

constexpr uint8_t HardFlag = 0x80;
constexpr uint8_t TypeBits = 0x7F;

} // namespace

std::string pipeExitText(uint8_t byte, int bias) {
    return eighthsText(byte - 8 * bias);
}

void loadEnemies(const RomImage& rom, const EnemyTable& table, kiv::ConfigFile& kivLevel) {
    const std::string_view level = table.level;
    kivLevel.WriteValue(enemiesKey(level), num((table.last - table.first + 1) / 3));
    int k = 0;
    for (long i = table.first; i <= table.last; i += 3) {
        ++k;
        const uint8_t b0 = rom.at(i);
        const uint8_t b1 = rom.at(i + 1);
        const uint8_t b2 = rom.at(i + 2);
        const int screen = b0 / 10 + 1;
        kivLevel.WriteValue(enemyKey(level, "screen", k), num(screen));
        kivLevel.WriteValue(enemyKey(level, "hard", k), (b2 & HardFlag) ? "Y" : "N");
        kivLevel.WriteValue(enemyKey(level, "type", k), hexText(b2 & TypeBits));
        kivLevel.WriteValue(enemyKey(level, "x", k), num(b0 - (screen - 1) * 10));
        kivLevel.WriteValue(enemyKey(level, "y", k), hexText(b1));
    }
}

void loadPowerUps(const RomImage& rom, kiv::ConfigFile& kivLevel) {
    int world = 1;
    int levelInWorld = 1;
    int k = 0;
    for (long i = PowerUpFirst; i <= PowerUpLast;) {
        if (rom.at(i) == Separator) {
            if (levelInWorld == 3) {
                levelInWorld = 0;
                ++world;
            }
            ++levelInWorld;
            ++i;
            continue;
        }
        ++k;
        kivLevel.WriteValue(powerUpKey("type", k), num(rom.at(i + 2)));
        kivLevel.WriteValue(powerUpKey("level", k), num(world) + num(levelInWorld));
        kivLevel.WriteValue(powerUpKey("screen", k), num(rom.at(i)));
        kivLevel.WriteValue(powerUpKey("x", k), num(rom.at(i + 1)));
        i += 3;
    }
}

void loadPipes(const RomImage& rom, kiv::ConfigFile& kivLevel) {
    size_t levelIndex = 0;
    int k = 0;
    for (long i = PipeFirst; i <= PipeLast;) {
        if (rom.at(i) == Separator) {
            k = 0;
            if (levelIndex + 1 < PipeLevels.size())
                ++levelIndex;
            ++i;
            continue;
        }
        ++k;
        const std::string_view level = PipeLevels[levelIndex];
        kivLevel.WriteValue(pipeKey(level, "entryscreen", k), num(rom.at(i)));
        kivLevel.WriteValue(pipeKey(level, "entryx", k), num(rom.at(i + 1)));
        kivLevel.WriteValue(pipeKey(level, "bonusscreen", k), num(rom.at(i + 2)));
        kivLevel.WriteValue(pipeKey(level, "exitscreen", k), num(rom.at(i + 3)));
        kivLevel.WriteValue(pipeKey(level, "exitx", k), pipeExitText(rom.at(i + 4), PipeExitXBias));
        kivLevel.WriteValue(pipeKey(level, "exity", k), pipeExitText(rom.at(i + 5), PipeExitYBias));
        i += 6;
    }
}

} // namespace rom
