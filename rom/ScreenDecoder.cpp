#include "rom/ScreenDecoder.h"

#include "rom/LevelKeys.h"

#include <string>

namespace rom {

namespace {

// Screen data lies in banks 1 to 3, so a screen's offset is a five-digit number everywhere the
// document names it.
constexpr long FirstScreenOffset = 0x4000;

std::string hex4(long offset) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out = "0x0000";
    for (int i = 0; i < 4; ++i)
        out[5 - i] = digits[(offset >> (4 * i)) & 0xF];
    return out;
}

} // namespace

void throwScreenPastEnd(std::string_view level, long screen) {
    throw kiv::Error(ErrCorruptRomData, "Screen data of level " + levelText(level) +
                                            " runs past the end of the ROM image (screen " +
                                            num(screen) + ")");
}

void throwScreenPastBottom(std::string_view level, long screen, int column) {
    throw kiv::Error(ErrCorruptRomData, "Screen data of level " + levelText(level) +
                                            " places objects below the bottom row (screen " +
                                            num(screen) + ", column " + num(column) + ")");
}

void kivdraw(kiv::ConfigFile& kivLevel, int x, int y, int repeat, std::string_view level,
             std::string_view screenRef, uint8_t objCode) {
    const std::string value = num(objCode);
    const int cells = repeat > 0 ? repeat : 1;
    for (int i = 0; i < cells; ++i)
        kivLevel.WriteValue(cellKey(level, screenRef, x, y + i), value);
}

long screenOffset(const RomImage& rom, const LevelTable& table, long pointerOffset) {
    const long offset = rom.word(pointerOffset) + table.refAdd;
    if (offset < FirstScreenOffset || !rom.contains(offset))
        throw kiv::Error(ErrCorruptRomData,
                         "A screen pointer of level " + levelText(table.level) +
                             " points outside the screen data of the ROM image (pointer at " +
                             hex4(pointerOffset) + ")");
    return offset;
}

void loadLevel(const RomImage& rom, const LevelTable& table, kiv::ConfigFile& kivLevel) {
    const std::string level(table.level);
    const std::string countKey = screensKey(level);
    const std::string itemPrefix = screenItemPrefix(level);
    kivLevel.WriteValue(countKey, "0");
    for (long i = table.first; i <= table.last; i += 2) {
        const long offset = screenOffset(rom, table, i);
        const std::string ref = num(offset);
        if (kivLevel.SetCheckDup(countKey, itemPrefix, ref) == 0) {
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
