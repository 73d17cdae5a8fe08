#include "rom/ObjectTablesWriter.h"

#include "rom/Counts.h"
#include "rom/DocumentValues.h"
#include "rom/LevelKeys.h"
#include "rom/ObjectTablesReader.h"

#include <algorithm>

namespace rom {

namespace {

constexpr int PipeRecordBytes = 6;

// The pipe table stores exit positions in pixels.
constexpr int PixelsPerCell = 8;

const EnemyTable& enemyTable(const std::string& level) {
    const auto it = std::find_if(EnemyTables.begin(), EnemyTables.end(),
                                 [&](const EnemyTable& t) { return t.level == level; });
    if (it == EnemyTables.end())
        throw kiv::Error(kiv::errors::InvalidArgument, "There is no level " + level);
    return *it;
}

uint8_t decimalByte(const kiv::ConfigFile& doc, const std::string& key) {
    return toByte(static_cast<double>(decimalValue(doc, key)), key);
}

// The first byte of a power-up or pipe record: the game takes 0xFF there for the end of a level's
// records, so a record starting with it would end its level early and shift every later one.
uint8_t recordStart(const kiv::ConfigFile& doc, const std::string& key) {
    const uint8_t byte = decimalByte(doc, key);
    if (byte == Separator)
        throw kiv::Error(kiv::errors::InvalidArgument,
                         "Invalid value: " + key +
                             " holds 255, which the game reads as the end "
                             "of a level's records");
    return byte;
}

std::string powerUpLevel(const kiv::ConfigFile& doc, int k) {
    const std::string key = powerUpKey("level", k);
    std::string level = doc.GetValue(key);
    if (std::find(Levels.begin(), Levels.end(), level) == Levels.end())
        throw kiv::Error(kiv::errors::TypeMismatch, "Type mismatch: " + key + " holds \"" + level +
                                                        "\", which is not a level");
    return level;
}

} // namespace

std::vector<uint8_t> saveEnemies(const kiv::ConfigFile& kivLevel, const std::string& level) {
    enemyTable(level); // a name that is no level is refused, not taken for an empty table
    const int count = enemyCount(kivLevel, level);
    std::vector<uint8_t> out;
    for (int k = 1; k <= count; ++k) {
        const long screen = decimalValue(kivLevel, enemyKey(level, "screen", k));
        const long x = decimalValue(kivLevel, enemyKey(level, "x", k));
        const long type = hexValue(kivLevel, enemyKey(level, "type", k));
        const bool hard = kivLevel.GetValue(enemyKey(level, "hard", k)) == "Y";
        out.push_back(toByte(static_cast<double>(x + (screen - 1) * 10),
                             "the position of enemy " + num(k) + " of level " + levelText(level)));
        out.push_back(toByte(static_cast<double>(hexValue(kivLevel, enemyKey(level, "y", k))),
                             enemyKey(level, "y", k)));
        out.push_back(toByte(static_cast<double>(type + (hard ? 128 : 0)),
                             "the type of enemy " + num(k) + " of level " + levelText(level)));
    }
    return out;
}

std::array<uint8_t, PowerUpBytes> savePowerUps(const kiv::ConfigFile& kivLevel) {
    // The game finds a level's power-ups by counting separators, so the records go out grouped
    // by level in the game's order, and a level without power-ups still gets its separator:
    // otherwise every later level would take over the power-ups of the level after it.
    std::array<std::vector<int>, Levels.size()> recordsOf;
    for (int k = 1; k <= PowerUpCount; ++k) {
        const std::string level = powerUpLevel(kivLevel, k);
        const auto index = std::find(Levels.begin(), Levels.end(), level) - Levels.begin();
        recordsOf[static_cast<size_t>(index)].push_back(k);
    }
    static_assert(PowerUpBytes == PowerUpCount * 3 + static_cast<int>(Levels.size()) - 1);
    std::array<uint8_t, PowerUpBytes> table{};
    size_t p = 0;
    for (size_t level = 0; level < Levels.size(); ++level) {
        if (level > 0)
            table[p++] = Separator;
        for (const int k : recordsOf[level]) {
            table[p++] = recordStart(kivLevel, powerUpKey("screen", k));
            table[p++] = decimalByte(kivLevel, powerUpKey("x", k));
            table[p++] = decimalByte(kivLevel, powerUpKey("type", k));
        }
    }
    return table;
}

std::array<uint8_t, PipeBytes> savePipes(const kiv::ConfigFile& kivLevel) {
    std::array<uint8_t, PipeBytes> table{};
    size_t p = 0;
    for (size_t i = 0; i < PipeLevels.size(); ++i) {
        const std::string level(PipeLevels[i]);
        for (int k = 1; k <= PipesPerLevel; ++k) {
            const std::string exitX = pipeKey(level, "exitx", k);
            const std::string exitY = pipeKey(level, "exity", k);
            const std::array<uint8_t, PipeRecordBytes> record = {
                recordStart(kivLevel, pipeKey(level, "entryscreen", k)),
                decimalByte(kivLevel, pipeKey(level, "entryx", k)),
                decimalByte(kivLevel, pipeKey(level, "bonusscreen", k)),
                decimalByte(kivLevel, pipeKey(level, "exitscreen", k)),
                toByte((numberValue(kivLevel, exitX) + PipeExitXBias) * PixelsPerCell, exitX),
                toByte((numberValue(kivLevel, exitY) + PipeExitYBias) * PixelsPerCell, exitY),
            };
            std::copy(record.begin(), record.end(), table.begin() + p);
            p += record.size();
        }
        if (i + 1 < PipeLevels.size())
            table[p++] = Separator;
    }
    return table;
}

} // namespace rom
