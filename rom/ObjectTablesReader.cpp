#include "rom/ObjectTablesReader.h"

#include "rom/LevelKeys.h"

#include <cstdlib>

namespace rom {

namespace {

constexpr uint8_t HardFlag = 0x80;
constexpr uint8_t TypeBits = 0x7F;
const std::string Yes = "Y";
const std::string No = "N";

} // namespace

std::string pipeExitText(uint8_t byte, int bias) {
    return eighthsText(byte - 8 * bias);
}

void loadEnemies(const RomImage& rom, const EnemyTable& table, kiv::ConfigFile& kivLevel) {
    const std::string_view level = table.level;
    kivLevel.WriteValue(enemiesKey(level), num((table.last - table.first + 1) / 3));
    KeyText key({"Enemy_", level, "_"});
    int k = 0;
    for (long i = table.first; i <= table.last; i += 3) {
        const Decimal n(++k);
        const uint8_t b0 = rom.at(i);
        const uint8_t b1 = rom.at(i + 1);
        const uint8_t b2 = rom.at(i + 2);
        const int screen = b0 / 10 + 1;
        kivLevel.WriteValue(key.with({"screen_", n}), num(screen));
        kivLevel.WriteValue(key.with({"hard_", n}), (b2 & HardFlag) ? Yes : No);
        kivLevel.WriteValue(key.with({"type_", n}), hexText(b2 & TypeBits));
        kivLevel.WriteValue(key.with({"x_", n}), num(b0 - (screen - 1) * 10));
        kivLevel.WriteValue(key.with({"y_", n}), hexText(b1));
    }
}

void loadPowerUps(const RomImage& rom, kiv::ConfigFile& kivLevel) {
    KeyText key({"PowerUp_"});
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
        const Decimal n(++k);
        kivLevel.WriteValue(key.with({"type_", n}), num(rom.at(i + 2)));
        kivLevel.WriteValue(key.with({"level_", n}), num(world * 10 + levelInWorld));
        kivLevel.WriteValue(key.with({"screen_", n}), num(rom.at(i)));
        kivLevel.WriteValue(key.with({"x_", n}), num(rom.at(i + 1)));
        i += 3;
    }
}

void loadPipes(const RomImage& rom, kiv::ConfigFile& kivLevel) {
    KeyText key({"Pipe_"});
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
        const Decimal n(++k);
        const std::string_view level = PipeLevels[levelIndex];
        const auto field = [&](std::string_view name) -> const std::string& {
            return key.with({level, "_", name, "_", n});
        };
        kivLevel.WriteValue(field("entryscreen"), num(rom.at(i)));
        kivLevel.WriteValue(field("entryx"), num(rom.at(i + 1)));
        kivLevel.WriteValue(field("bonusscreen"), num(rom.at(i + 2)));
        kivLevel.WriteValue(field("exitscreen"), num(rom.at(i + 3)));
        kivLevel.WriteValue(field("exitx"), pipeExitText(rom.at(i + 4), PipeExitXBias));
        kivLevel.WriteValue(field("exity"), pipeExitText(rom.at(i + 5), PipeExitYBias));
        i += 6;
    }
}

} // namespace rom
