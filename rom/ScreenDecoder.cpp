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

void appendNumber(std::string& text, int n) {
    // Cell columns and rows take one or two digits: pushed one by one, with no call to copy.
    if (n >= 0 && n < 100) {
        if (n >= 10)
            text.push_back(static_cast<char>('0' + n / 10));
        text.push_back(static_cast<char>('0' + n % 10));
        return;
    }
    char digits[12];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), n).ptr;
    text.append(digits, end);
}

const std::string& objectCodeText(uint8_t code) {
    static const auto texts = [] {
        std::array<std::string, 256> all;
        for (int c = 0; c < 256; ++c)
            all[c] = num(c);
        return all;
    }();
    return texts[code];
}

} // namespace

void throwScreenPastEnd(std::string_view level, long screen) {
    throw kiv::Error(ErrCorruptRomData, "Screen data of level " + levelText(level) +
                                            " runs past the end of the ROM image (screen " +
                                            num(screen) + ")");
}

void kivdraw(kiv::ConfigFile& kivLevel, int x, int y, int repeat, std::string_view level,
             std::string_view screenRef, uint8_t objCode) {
    // A load writes thousands of cells: the key is put together in place, the same text as
    // cellKey gives, and the value comes from a table.
    std::string key;
    key.append(level).append(1, '_').append(screenRef).append(1, '_');
    appendNumber(key, x);
    key += '_';
    const size_t columnPart = key.size();
    const std::string& value = objectCodeText(objCode);
    const int cells = repeat > 0 ? repeat : 1;
    for (int i = 0; i < cells; ++i) {
        key.resize(columnPart);
        appendNumber(key, y + i);
        kivLevel.WriteValue(key, value);
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
    std::vector<long> decoded;
    for (long i = table.first; i <= table.last; i += 2) {
        const long offset = screenOffset(rom, table, i);
        const std::string ref = num(offset);
        // The list is new, so the screens decoded so far are exactly its items; keeping them
        // aside spares a scan of the list for every pointer.
        if (std::find(decoded.begin(), decoded.end(), offset) == decoded.end()) {
            decoded.push_back(offset);
            kivLevel.WriteValue(markerKey(level, ref), "Y");
            decodeScreen(rom, offset, level, [&](int x, int y, int repeat, uint8_t objCode) {
                kivdraw(kivLevel, x, y, repeat, level, ref, objCode);
            });
        }
        kivLevel.SetCountAdd(countKey);
        kivLevel.SetItemAdd(countKey, itemPrefix, ref);
    }
}

} // namespace rom
