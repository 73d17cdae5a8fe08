#include "rom/ScreenEncoder.h"

#include "rom/Counts.h"
#include "rom/DocumentValues.h"
#include "rom/LevelKeys.h"
#include "rom/RomReader.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace rom {

namespace {

uint8_t header(int startRow, int length) {
    return length == ScreenRows ? 0x00 : static_cast<uint8_t>(startRow << 4 | length);
}

} // namespace

int encodeColumn(const ColumnCells& column, SaveBuffer& saveBuffer) {
    const auto& cell = column.text;
    constexpr int Empty = ColumnCells::Empty;
    const auto startsRepeat = [&](int y) {
        return cell[y + 1] == cell[y] && cell[y + 2] == cell[y];
    };
    int markAtStart = -1;
    int y = 0;
    while (y < ScreenRows) {
        if (cell[y] != Empty && markAtStart < 0 &&
            (column.code[y] == RepeatMark || column.code[y] == ColumnEnd))
            markAtStart = y;
        if (cell[y] == Empty) {
            ++y;
        } else if (startsRepeat(y)) {
            const int start = y;
            while (y < ScreenRows && cell[y] == cell[start])
                ++y;
            saveBuffer.push_back(header(start, y - start));
            saveBuffer.push_back(RepeatMark);
            saveBuffer.push_back(column.code[start]);
        } else {
            const int start = y;
            while (y < ScreenRows && cell[y] != Empty && !startsRepeat(y))
                ++y;
            saveBuffer.push_back(header(start, y - start));
            saveBuffer.insert(saveBuffer.end(), column.code.begin() + start,
                              column.code.begin() + y);
        }
    }
    saveBuffer.push_back(ColumnEnd);
    return markAtStart;
}

namespace {

// Read once per cell: a default built for each read would cost as much as the key.
const std::string NoDefault;

// The store's answer for a missing key, as a literal so that the comparison with it, done for
// nearly every cell, compiles to a few instructions.
constexpr std::string_view Missing = "[NOT FOUND]";

bool isMissing(const std::string& value) {
    return value.size() == Missing.size() &&
           std::memcmp(value.data(), Missing.data(), Missing.size()) == 0;
}

// Ends `key` with the decimal digits of `n` (0 to 99).
void appendSmall(std::string& key, int n) {
    if (n >= 10)
        key.push_back(static_cast<char>('0' + n / 10));
    key.push_back(static_cast<char>('0' + n % 10));
}

// The identity of a cell's text among the cells of one column (see ColumnCells).
class CellTexts {
public:
    int identify(const std::string& value, uint8_t code) {
        if (value.size() == 1 || value.front() != '0')
            return code;
        const auto it = std::find(others_.begin(), others_.end(), value);
        if (it != others_.end())
            return ColumnCells::OtherText + static_cast<int>(it - others_.begin());
        others_.push_back(value);
        return ColumnCells::OtherText + static_cast<int>(others_.size()) - 1;
    }

private:
    std::vector<std::string> others_;
};

// CheckDupScreen for each screen of one level, reading the second level's list once, when the
// first screen asks.
class SecondLevelList {
public:
    SecondLevelList(const kiv::ConfigFile& kivLevel, const std::string& level)
        : kivLevel_(kivLevel), level_(level) {}
    bool lists(const std::string& ref) {
        if (!isFirstLevelOfWorld(level_))
            return false;
        if (!read_) {
            const std::string secondLevel(secondLevelOfWorld(level_));
            const int count = shownScreenCount(kivLevel_, secondLevel);
            for (int k = 1; k <= count; ++k)
                refs_.push_back(kivLevel_.GetValue(screenKey(secondLevel, k)));
            read_ = true;
        }
        return std::find(refs_.begin(), refs_.end(), ref) != refs_.end();
    }

private:
    const kiv::ConfigFile& kivLevel_;
    const std::string& level_;
    std::vector<std::string> refs_;
    bool read_ = false;
};

} // namespace

void screenData(const kiv::ConfigFile& kivLevel, const std::string& level,
                const std::string& screen, SaveBuffer& saveBuffer) {
    // Cell keys are built in place: one column prefix, then only the row digits change.
    std::string key = cat({level, "_", screen, "_"});
    const size_t screenPrefix = key.size();
    ColumnCells column;
    for (int x = 0; x < ScreenColumns; ++x) {
        CellTexts texts;
        key.resize(screenPrefix);
        appendSmall(key, x);
        key.push_back('_');
        const size_t columnPrefix = key.size();
        for (int y = 0; y < ScreenRows; ++y) {
            key.resize(columnPrefix);
            appendSmall(key, y);
            const std::string value = kivLevel.GetValue(key, NoDefault);
            if (isMissing(value)) {
                column.text[y] = ColumnCells::Empty;
            } else if (parseObjectCode(value, column.code[y])) {
                column.text[y] = texts.identify(value, column.code[y]);
            } else {
                throw kiv::Error(kiv::errors::TypeMismatch,
                                 "Type mismatch: the cell " + key + " holds \"" + value +
                                     "\", which is not an object code 0 to 255");
            }
        }
        if (const int y = encodeColumn(column, saveBuffer); y >= 0) {
            key.resize(columnPrefix);
            appendSmall(key, y);
            throw kiv::Error(kiv::errors::InvalidArgument,
                             "Invalid procedure call or argument: the cell " + key + " holds " +
                                 num(column.code[y]) +
                                 ", which the game reads as a mark, not an object, at the start "
                                 "of a run of objects; the screen cannot be stored");
        }
    }
}

int32_t GenkivSave(const kiv::ConfigFile& kivLevel, kiv::ConfigFile& kivSave,
                   const std::string& level, int32_t screenRef, SaveBuffer& saveBuffer) {
    return GenkivSave(kivLevel, kivSave, level, screenRef, saveBuffer, freshScreens(kivLevel));
}

int32_t GenkivSave(const kiv::ConfigFile& kivLevel, kiv::ConfigFile& kivSave,
                   const std::string& level, int32_t screenRef, SaveBuffer& saveBuffer,
                   const ScreenSource& source) {
    const std::string saved = savedKey(level);
    const std::string savePrefix = saveItemPrefix(level);
    kivSave.WriteValue(saved, "0");
    // The set just emptied holds exactly the screens this walk adds, so they are also kept
    // aside: a scan of the set for every screen would cost a lookup per item.
    std::vector<std::string> added;
    SecondLevelList secondListed(kivLevel, level);
    const int count = screenCount(kivLevel, level);
    for (int k = 1; k <= count; ++k) {
        const std::string ref = kivLevel.GetValue(screenKey(level, k));
        if (kivLevel.GetValue(markerKey(level, ref)) != "Y" ||
            std::find(added.begin(), added.end(), ref) != added.end())
            continue;
        added.push_back(ref);
        kivSave.SetCountAdd(saved);
        kivSave.SetItemAdd(saved, savePrefix, ref);
        kivSave.WriteValue(screenRefKey(ref),
                           num(screenRef + static_cast<long>(saveBuffer.size())));
        // The second level of the world encodes this screen later and takes over its ScreenRef,
        // but only when it holds a design of it: a second level that merely lists the screen
        // encodes nothing, and this level's pointers would name whatever is encoded next.
        const std::string_view secondLevel = secondLevelOfWorld(level);
        if (!secondListed.lists(ref) || kivLevel.GetValue(markerKey(secondLevel, ref)) != "Y")
            source(level, ref, saveBuffer);
    }
    return screenRef;
}

SaveBuffer encodeRegion(const Region& region, const kiv::ConfigFile& kivLevel,
                        kiv::ConfigFile& kivSave) {
    return encodeRegion(region, kivLevel, kivSave, freshScreens(kivLevel));
}

SaveBuffer encodeRegion(const Region& region, const kiv::ConfigFile& kivLevel,
                        kiv::ConfigFile& kivSave, const ScreenSource& source) {
    kivSave.DelAll();
    SaveBuffer saveBuffer;
    saveBuffer.reserve(static_cast<size_t>(region.budget) + 1);
    int32_t screenRef = region.dataBase;
    for (std::string_view level : region.levels())
        screenRef =
            GenkivSave(kivLevel, kivSave, std::string(level), screenRef, saveBuffer, source);
    return saveBuffer;
}

ScreenSource freshScreens(const kiv::ConfigFile& kivLevel) {
    return [&kivLevel](const std::string& level, const std::string& ref, SaveBuffer& saveBuffer) {
        screenData(kivLevel, level, ref, saveBuffer);
    };
}

PointerBytes sOrderVals(int32_t screenRef) {
    if (screenRef < 0 || screenRef > 0xFFFF)
        throw kiv::Error(kiv::errors::Overflow, "Overflow: the screen pointer " + num(screenRef) +
                                                    " does not fit in two bytes");
    return {static_cast<uint8_t>(screenRef & 0xFF), static_cast<uint8_t>(screenRef >> 8)};
}

} // namespace rom
