#include "rom/ImportCheck.h"

#include "rom/Counts.h"
#include "rom/DocumentValues.h"
#include "rom/LevelKeys.h"
#include "rom/RomImage.h"
#include "rom/RomReader.h"
#include "rom/RomWriter.h"
#include "rom/ScreenDecoder.h"
#include "rom/ScreenEncoder.h"

#include <array>
#include <vector>

namespace rom {

namespace {

using Cells = std::array<std::array<int, ScreenRows>, ScreenColumns>;
constexpr int NoCell = -1;

Cells documentCells(const kiv::ConfigFile& doc, const std::string& level, const std::string& ref) {
    Cells cells;
    for (int x = 0; x < ScreenColumns; ++x) {
        for (int y = 0; y < ScreenRows; ++y) {
            uint8_t code = 0;
            cells[x][y] =
                parseObjectCode(doc.GetValue(cellKey(level, ref, x, y)), code) ? code : NoCell;
        }
    }
    return cells;
}

// What the game reads from the bytes a save writes for the screen; a column the encoding made
// unreadable stays empty from where the reading went wrong.
Cells cellsReadBack(const kiv::ConfigFile& doc, const std::string& level, const std::string& ref) {
    SaveBuffer bytes;
    screenData(doc, level, ref, bytes);
    Cells cells;
    for (auto& column : cells)
        column.fill(NoCell);
    try {
        decodeScreen(RomImage(std::move(bytes)), 0, level,
                     [&](int x, int y, int repeat, uint8_t code) {
                         for (int i = 0; i < std::max(repeat, 1); ++i)
                             cells[x][y + i] = code;
                     });
    } catch (const kiv::Error&) {
        // Reading ran past the end of the bytes: the columns not read stay empty and differ.
    }
    return cells;
}

void checkScreenReadsBack(const kiv::ConfigFile& doc, const std::string& level,
                          const std::string& ref) {
    const Cells expected = documentCells(doc, level, ref);
    const Cells read = cellsReadBack(doc, level, ref);
    for (int x = 0; x < ScreenColumns; ++x) {
        if (read[x] == expected[x])
            continue;
        // The groups above the first cell read wrongly came back whole, so that cell starts the
        // group the game misreads.
        int y = 0;
        while (read[x][y] == expected[x][y])
            ++y;
        if (expected[x][y] == RepeatMark || expected[x][y] == ColumnEnd)
            throw kiv::Error(kiv::errors::InvalidArgument,
                             "Invalid value: the cell " + cellKey(level, ref, x, y) + " holds " +
                                 num(expected[x][y]) +
                                 ", which the game would read as a mark where a run of cells "
                                 "starts");
        throw kiv::Error(kiv::errors::InvalidArgument,
                         "Invalid value: column " + num(x) + " of screen " + ref + " of level " +
                             levelText(level) + " would not be read back as it stands");
    }
}

void requireWholeTable(int count, int capacity, const std::string& key, const char* items) {
    if (count != capacity)
        throw kiv::Error(kiv::errors::SubscriptOutOfRange,
                         "Subscript out of range: " + key + " holds \"" + num(count) +
                             "\", but the game's table holds " + num(capacity) + " " + items);
}

} // namespace

void checkLevelData(const kiv::ConfigFile& levelData) {
    // The counts first: every later step loops over them. A save writes exactly as many
    // pointers and records as they say into tables of a fixed size, so a shorter list would leave
    // the rest of a table pointing at whatever now lies where the old data was.
    for (std::string_view level : Levels) {
        requireWholeTable(screenCount(levelData, level), screenCapacity(level), screensKey(level),
                          "screens");
        requireWholeTable(enemyCount(levelData, level), enemyCapacity(level), enemiesKey(level),
                          "enemies");
    }
    kiv::ConfigFile scratch;
    std::vector<uint8_t> image(RomSize, 0);
    // One section at a time: a world over its budget ends a save's writing, and would leave the
    // sections after it unchecked.
    for (int section = 0; section < SectionCount; ++section) {
        SectionFlags only{};
        only[section] = true;
        writeSections(image, levelData, scratch, only);
    }
    for (std::string_view view : Levels) {
        const std::string level(view);
        const int count = screenCount(levelData, level);
        for (int k = 1; k <= count; ++k) {
            const std::string ref = levelData.GetValue(screenKey(level, k));
            if (levelData.GetValue(markerKey(level, ref)) == "Y" &&
                !CheckDupScreen(levelData, level, ref))
                checkScreenReadsBack(levelData, level, ref);
        }
    }
}

std::string importLevelData(const std::string& path, kiv::ConfigFile& kivLevel,
                            kiv::ConfigFile& scratch) {
    scratch.ConfigLoad(path);
    // The checked file is already in the scratch store: taking it from there spares a second
    // read that could fail half-way and leave the document empty.
    return importLevelStore(scratch, kivLevel);
}

std::string importLevelStore(kiv::ConfigFile& loaded, kiv::ConfigFile& kivLevel) {
    if (loaded.GetValue(screensKey("11")) == kiv::ConfigFile::NotFound)
        return NotLevelDataText;
    checkLevelData(loaded);
    kivLevel.swap(loaded);
    return "";
}

} // namespace rom
