#include "rom/ScreenEncoder.h"

#include "rom/DocumentValues.h"
#include "rom/LevelKeys.h"
#include "rom/RomReader.h"

namespace rom {

namespace {

uint8_t header(int startRow, int length) {
    return length == ScreenRows ? 0x00 : static_cast<uint8_t>(startRow << 4 | length);
}

// "x_y" of every cell, so that reading a screen builds no number texts.
const std::array<std::string, ScreenColumns * ScreenRows>& cellSuffixes() {
    static const auto suffixes = [] {
        std::array<std::string, ScreenColumns * ScreenRows> out;
        for (int x = 0; x < ScreenColumns; ++x)
            for (int y = 0; y < ScreenRows; ++y)
                out[x * ScreenRows + y] = num(x) + "_" + num(y);
        return out;
    }();
    return suffixes;
}

} // namespace

void encodeColumn(const ColumnCells& column, SaveBuffer& saveBuffer) {
    const auto& cell = column.text;
    const auto startsRepeat = [&](int y) {
        return cell[y + 1] == cell[y] && cell[y + 2] == cell[y];
    };
    int y = 0;
    while (y < ScreenRows) {
        if (cell[y].empty()) {
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
            while (y < ScreenRows && !cell[y].empty() && !startsRepeat(y))
                ++y;
            saveBuffer.push_back(header(start, y - start));
            saveBuffer.insert(saveBuffer.end(), column.code.begin() + start,
                              column.code.begin() + y);
        }
    }
    saveBuffer.push_back(ColumnEnd);
}

void screenData(const kiv::ConfigFile& kivLevel, const std::string& level,
                const std::string& screen, SaveBuffer& saveBuffer) {
    const auto& suffixes = cellSuffixes();
    std::string key = cat({level, "_", screen, "_"});
    const size_t prefixLength = key.size();
    ColumnCells column;
    for (int x = 0; x < ScreenColumns; ++x) {
        for (int y = 0; y < ScreenRows; ++y) {
            key.resize(prefixLength);
            key += suffixes[x * ScreenRows + y];
            std::string value = kivLevel.GetValue(key);
            if (value == kiv::ConfigFile::NotFound) {
                column.text[y].clear();
                continue;
            }
            if (!parseObjectCode(value, column.code[y]))
                throw kiv::Error(kiv::errors::TypeMismatch,
                                 "Type mismatch: the cell " + key + " holds \"" + value +
                                     "\", which is not an object code 0 to 255");
            column.text[y] = std::move(value);
        }
        encodeColumn(column, saveBuffer);
    }
}

int32_t GenkivSave(const kiv::ConfigFile& kivLevel, kiv::ConfigFile& kivSave,
                   const std::string& level, int32_t screenRef, SaveBuffer& saveBuffer) {
    const std::string saved = savedKey(level);
    const std::string savePrefix = saveItemPrefix(level);
    kivSave.WriteValue(saved, "0");
    const long count = decimalValue(kivLevel, screensKey(level));
    for (int k = 1; k <= count; ++k) {
        const std::string ref = kivLevel.GetValue(screenKey(level, k));
        if (kivLevel.GetValue(markerKey(level, ref)) != "Y" ||
            kivSave.SetCheckDup(saved, savePrefix, ref) != 0)
            continue;
        kivSave.SetCountAdd(saved);
        kivSave.SetItemAdd(saved, savePrefix, ref);
        kivSave.WriteValue(screenRefKey(ref),
                           num(screenRef + static_cast<long>(saveBuffer.size())));
        // The second level of the world encodes this screen later and takes over its ScreenRef.
        if (!CheckDupScreen(kivLevel, level, ref))
            screenData(kivLevel, level, ref, saveBuffer);
    }
    return screenRef;
}

SaveBuffer encodeRegion(const Region& region, const kiv::ConfigFile& kivLevel,
                        kiv::ConfigFile& kivSave) {
    kivSave.DelAll();
    SaveBuffer saveBuffer;
    saveBuffer.reserve(static_cast<size_t>(region.budget) + 1);
    int32_t screenRef = region.dataBase;
    for (int i = 0; i < region.levelCount; ++i)
        screenRef =
            GenkivSave(kivLevel, kivSave, std::string(region.levels[i]), screenRef, saveBuffer);
    return saveBuffer;
}

PointerBytes sOrderVals(int32_t screenRef) {
    if (screenRef < 0 || screenRef > 0xFFFF)
        throw kiv::Error(kiv::errors::Overflow, "Overflow: the screen pointer " + num(screenRef) +
                                                    " does not fit in two bytes");
    return {static_cast<uint8_t>(screenRef & 0xFF), static_cast<uint8_t>(screenRef >> 8)};
}

} // namespace rom
