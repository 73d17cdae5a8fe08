#include "rom/LevelRecords.h"

#include "rom/Counts.h"
#include "rom/Numbers.h"

#include <array>
#include <cmath>

namespace rom {

namespace {

using Doc = kiv::ConfigFile;

std::optional<std::string> text(const Doc& doc, const std::string& key) {
    std::string value = doc.GetValue(key);
    if (value == Doc::NotFound)
        return std::nullopt;
    return value;
}

Field decimal(const Doc& doc, const std::string& key) {
    const auto t = text(doc, key);
    return t ? Field(leadingWhole(*t)) : std::nullopt;
}

Field hex(const Doc& doc, const std::string& key) {
    const auto t = text(doc, key);
    return t ? Field(leadingHex(*t)) : std::nullopt;
}

Field eighths(const Doc& doc, const std::string& key) {
    const auto t = text(doc, key);
    return t ? Field(static_cast<int>(std::lround(leadingNumber(*t) * 8))) : std::nullopt;
}

// Writes `value` formatted by `format`, unless the key already holds it (as `read` reads it);
// nothing deletes the key.
template <typename T, typename Read, typename Format>
void put(Doc& doc, const std::string& key, const std::optional<T>& value, Read read,
         Format format) {
    if (!value) {
        doc.DelKey(key);
        return;
    }
    if (read(doc, key) != value)
        doc.WriteValue(key, format(*value));
}

void putDecimal(Doc& doc, const std::string& key, Field value) {
    put(doc, key, value, decimal, [](int v) { return num(v); });
}

void putHex(Doc& doc, const std::string& key, Field value) {
    put(doc, key, value, hex, [](int v) { return hexText(static_cast<unsigned>(v)); });
}

void putEighths(Doc& doc, const std::string& key, Field value) {
    put(doc, key, value, eighths, eighthsText);
}

std::optional<bool> flag(const Doc& doc, const std::string& key) {
    const auto t = text(doc, key);
    return t ? std::optional<bool>(*t == "Y") : std::nullopt;
}

void putFlag(Doc& doc, const std::string& key, std::optional<bool> value) {
    put(doc, key, value, flag, [](bool v) { return std::string(v ? "Y" : "N"); });
}

} // namespace

std::vector<ScreenRef> readScreenOrder(const Doc& doc, LevelId level) {
    std::vector<ScreenRef> refs;
    const int count = shownScreenCount(doc, level.key());
    for (int k = 1; k <= count; ++k)
        refs.push_back(text(doc, screenKey(level.key(), k)));
    return refs;
}

void writeScreenOrder(Doc& doc, LevelId level, const std::vector<ScreenRef>& refs) {
    const int count = shownScreenCount(doc, level.key());
    for (int k = 1; k <= count && k <= static_cast<int>(refs.size()); ++k) {
        const std::string key = screenKey(level.key(), k);
        if (refs[k - 1] && text(doc, key))
            doc.WriteValue(key, *refs[k - 1]);
    }
}

std::vector<EnemyRecord> readEnemies(const Doc& doc, LevelId level) {
    std::vector<EnemyRecord> records;
    const std::string_view nn = level.key();
    const int count = shownEnemyCount(doc, nn);
    for (int k = 1; k <= count; ++k)
        records.push_back({decimal(doc, enemyKey(nn, "screen", k)),
                           decimal(doc, enemyKey(nn, "x", k)), hex(doc, enemyKey(nn, "y", k)),
                           hex(doc, enemyKey(nn, "type", k)), flag(doc, enemyKey(nn, "hard", k))});
    return records;
}

void writeEnemies(Doc& doc, LevelId level, const std::vector<EnemyRecord>& records) {
    const std::string_view nn = level.key();
    for (int k = 1; k <= static_cast<int>(records.size()); ++k) {
        const EnemyRecord& r = records[k - 1];
        putDecimal(doc, enemyKey(nn, "screen", k), r.screen);
        putFlag(doc, enemyKey(nn, "hard", k), r.hard);
        putHex(doc, enemyKey(nn, "type", k), r.type);
        putDecimal(doc, enemyKey(nn, "x", k), r.x);
        putHex(doc, enemyKey(nn, "y", k), r.y);
    }
}

std::vector<PowerUpRecord> readPowerUps(const Doc& doc) {
    std::vector<PowerUpRecord> records;
    for (int k = 1; k <= PowerUpCount; ++k)
        records.push_back({decimal(doc, powerUpKey("level", k)),
                           decimal(doc, powerUpKey("screen", k)), decimal(doc, powerUpKey("x", k)),
                           decimal(doc, powerUpKey("type", k))});
    return records;
}

void writePowerUps(Doc& doc, const std::vector<PowerUpRecord>& records) {
    for (int k = 1; k <= static_cast<int>(records.size()) && k <= PowerUpCount; ++k) {
        const PowerUpRecord& r = records[k - 1];
        putDecimal(doc, powerUpKey("type", k), r.type);
        putDecimal(doc, powerUpKey("level", k), r.level);
        putDecimal(doc, powerUpKey("screen", k), r.screen);
        putDecimal(doc, powerUpKey("x", k), r.x);
    }
}

std::vector<PipeRecord> readPipes(const Doc& doc, LevelId level) {
    std::vector<PipeRecord> records;
    const std::string_view nn = level.key();
    for (int k = 1; k <= PipeRecordsPerLevel; ++k)
        records.push_back(
            {decimal(doc, pipeKey(nn, "entryscreen", k)), decimal(doc, pipeKey(nn, "entryx", k)),
             decimal(doc, pipeKey(nn, "bonusscreen", k)),
             decimal(doc, pipeKey(nn, "exitscreen", k)), eighths(doc, pipeKey(nn, "exitx", k)),
             eighths(doc, pipeKey(nn, "exity", k))});
    return records;
}

void writePipes(Doc& doc, LevelId level, const std::vector<PipeRecord>& records) {
    const std::string_view nn = level.key();
    for (int k = 1; k <= static_cast<int>(records.size()) && k <= PipeRecordsPerLevel; ++k) {
        const PipeRecord& r = records[k - 1];
        putDecimal(doc, pipeKey(nn, "entryscreen", k), r.entryScreen);
        putDecimal(doc, pipeKey(nn, "entryx", k), r.entryX);
        putDecimal(doc, pipeKey(nn, "bonusscreen", k), r.bonusScreen);
        putDecimal(doc, pipeKey(nn, "exitscreen", k), r.exitScreen);
        putEighths(doc, pipeKey(nn, "exitx", k), r.exitXEighths);
        putEighths(doc, pipeKey(nn, "exity", k), r.exitYEighths);
    }
}

} // namespace rom
