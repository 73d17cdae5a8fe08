#pragma once

// The level document's records as values: screen order, enemies, power-ups and pipes. Reading
// never fails: a field the document does not hold reads as nothing, and text is read the
// forgiving way the lists have always read it. Writing leaves a missing field missing, and
// leaves a field's text alone when it already holds the value, so that an untouched record keeps
// its exact text.

#include "rom/LevelId.h"

#include <kiv/ConfigFile.h>

#include <optional>
#include <string>
#include <vector>

namespace rom {

using Field = std::optional<int>;

// Screen index and X as stored (decimal), Y byte and type (hexadecimal), the hard-mode flag.
struct EnemyRecord {
    Field screen;
    Field x;
    Field y;
    Field type;
    std::optional<bool> hard;
    bool operator==(const EnemyRecord&) const = default;
};

// A power-up of the table shared by all levels: its level as the document writes it (11 for
// 1-1, see LevelId::fromKey), and the catalogue code of its type (decimal).
struct PowerUpRecord {
    Field level;
    Field screen;
    Field x;
    Field type;
    bool operator==(const PowerUpRecord&) const = default;
};

// A pipe: entry screen and X, bonus screen, exit screen, and the exit position in eighths of a
// cell (the document writes them as decimals such as "0.375").
struct PipeRecord {
    Field entryScreen;
    Field entryX;
    Field bonusScreen;
    Field exitScreen;
    Field exitXEighths;
    Field exitYEighths;
    bool operator==(const PipeRecord&) const = default;
};

inline constexpr int PipeRecordsPerLevel = PipesPerLevel;

// A screen reference of a level's order; nothing where the document lacks the entry.
using ScreenRef = std::optional<std::string>;

// The references of the level's own screens in order (Screen_NN_1 onwards, as many as its count
// shows). Writing never creates or deletes an entry: a missing one stays missing.
std::vector<ScreenRef> readScreenOrder(const kiv::ConfigFile& doc, LevelId level);
void writeScreenOrder(kiv::ConfigFile& doc, LevelId level, const std::vector<ScreenRef>& refs);

std::vector<EnemyRecord> readEnemies(const kiv::ConfigFile& doc, LevelId level);
void writeEnemies(kiv::ConfigFile& doc, LevelId level, const std::vector<EnemyRecord>& records);

std::vector<PowerUpRecord> readPowerUps(const kiv::ConfigFile& doc);
void writePowerUps(kiv::ConfigFile& doc, const std::vector<PowerUpRecord>& records);

std::vector<PipeRecord> readPipes(const kiv::ConfigFile& doc, LevelId level);
void writePipes(kiv::ConfigFile& doc, LevelId level, const std::vector<PipeRecord>& records);

} // namespace rom
