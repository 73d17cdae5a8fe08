#include "rom/ScreenDecoder.h"

#include "rom/LevelKeys.h"
#include "rom/ObjectTablesReader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <string>
#include <vector>

namespace rom {

namespace {

// Screen data lies in banks 1 to 3, so a screen's offset is a five-digit number everywhere the
// document names it.
constexpr long FirstScreenOffset = 0x4000;

// The key of a cell ends in its column and row, "x_y": each screen names the same few hundred.
const std::array<std::string, ScreenColumns* ScreenRows> CellTails = [] {
    std::array<std::string, ScreenColumns * ScreenRows> tails;
    for (int x = 0; x < ScreenColumns; ++x)
        for (int y = 0; y < ScreenRows; ++y)
            tails[x * ScreenRows + y] = cat({Decimal(x), "_", Decimal(y)});
    return tails;
}();

const std::array<std::string, 256> CodeTexts = [] {
    std::array<std::string, 256> texts;
    for (int c = 0; c < 256; ++c)
        texts[c] = num(c);
    return texts;
}();

} // namespace

void throwScreenPastEnd(std::string_view level, long screen) {
    throw kiv::Error(ErrCorruptRomData, "Screen data of level " + levelText(level) +
                                            " runs past the end of the ROM image (screen " +
                                            num(screen) + ")");
}

void ScreenCells::draw(int x, int y, int repeat, uint8_t objCode) {
    const std::string& value = CodeTexts[objCode];
    const int cells = repeat > 0 ? repeat : 1;
    for (int row = y; row < y + cells; ++row) {
        // decodeScreen keeps to the screen; were a cell off it, it would still get its own key.
        const bool onScreen = x >= 0 && x < ScreenColumns && row >= 0 && row < ScreenRows;
        kivLevel_.WriteValue(onScreen ? key_.with({CellTails[x * ScreenRows + row]})
                                      : key_.with({Decimal(x), "_", Decimal(row)}),
                             value);
    }
}

long screenOffset(const RomImage& rom, const LevelTable& table, long pointerOffset) {
    const long offset = rom.word(pointerOffset) + table.refAdd;
    if (offset < FirstScreenOffset || !rom.contains(offset))
        throw kiv::Error(ErrCorruptRomData,
                         "A screen pointer of level " + levelText(table.level) +
                             " points outside the screen data of the ROM image (pointer at " +
                             "0x" + hexText(static_cast<unsigned>(pointerOffset)) + ")");
    // The pointer tables are no screen data: decoding them would make up a screen out of
    // pointers, and a save would then write that screen over the table.
    const auto insideTables = [&](long at) {
        for (const LevelTable& t : LevelTables)
            if (at >= t.first && at <= t.last)
                return true;
        for (const FirstScreensBlock& block : FirstScreensBlocks)
            if (at >= block.offset && at < block.offset + 4)
                return true;
        return false;
    };
    if (insideTables(offset))
        throw kiv::Error(ErrCorruptRomData,
                         "A screen pointer of level " + levelText(table.level) +
                             " points into the screen tables of the ROM image (pointer at " + "0x" +
                             hexText(static_cast<unsigned>(pointerOffset)) + ")");
    return offset;
}

void loadLevel(const RomImage& rom, const LevelTable& table, kiv::ConfigFile& kivLevel) {
    const std::string level(table.level);
    const std::string countKey = screensKey(level);
    const std::string itemPrefix = screenItemPrefix(level);
    kivLevel.WriteValue(countKey, "0");
    KeyText itemKey({itemPrefix});
    std::vector<long> decoded;
    int count = 0;
    for (long i = table.first; i <= table.last; i += 2) {
        const long offset = screenOffset(rom, table, i);
        const std::string ref = num(offset);
        // The list is new, so the screens decoded so far are exactly its items; keeping them
        // aside spares a scan of the list for every pointer.
        if (std::find(decoded.begin(), decoded.end(), offset) == decoded.end()) {
            decoded.push_back(offset);
            kivLevel.WriteValue(markerKey(level, ref), "Y");
            ScreenCells cells(kivLevel, level, ref);
            decodeScreen(rom, offset, level, [&](int x, int y, int repeat, uint8_t objCode) {
                cells.draw(x, y, repeat, objCode);
            });
        }
        // As adding an item to the list would: the count, then the item under it.
        kivLevel.WriteValue(countKey, num(++count));
        kivLevel.WriteValue(itemKey.with({Decimal(count)}), ref);
    }
}

} // namespace rom
