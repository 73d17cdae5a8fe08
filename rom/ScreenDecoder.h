#pragma once

#include "rom/LevelKeys.h"
#include "rom/RomImage.h"
#include "rom/RomLayout.h"

#include <kiv/ConfigFile.h>

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace rom {

// Screen data is a run of 20 columns, each closed by ColumnEnd. A column holds groups: a header
// byte (high nibble the first row, low nibble the length, 0 meaning 16) followed either by that
// many object codes or by RepeatMark and one code for the whole run. The marks are only seen as
// such where a header or the first byte after a header is expected; further bytes of a literal
// run are object codes whatever their value.

[[noreturn]] void throwScreenPastEnd(std::string_view level, long screen);

// Walks the screen whose data starts at `offset` and calls draw(x, y, repeat, objCode) for every
// group, with the meaning of kivdraw's arguments; cells below the bottom row are left out. Data
// that would read outside the image throws kiv::Error(ErrCorruptRomData) naming `level`.
template <typename Draw>
void decodeScreen(const RomImage& rom, long offset, std::string_view level, Draw&& draw) {
    const auto& bytes = rom.bytes();
    long p = offset;
    int x = 0;
    int y0 = 0;
    int length = 0;
    bool groupOpen = false;
    bool repeatPending = false;
    while (x < ScreenColumns) {
        if (!rom.contains(p))
            throwScreenPastEnd(level, offset);
        const uint8_t b = bytes[static_cast<size_t>(p)];
        if (b == RepeatMark) {
            repeatPending = true;
        } else if (b == ColumnEnd) {
            ++x;
            groupOpen = false;
            repeatPending = false;
        } else if (groupOpen) {
            // A run reaching below the bottom row is read whole, but only its cells on the
            // screen are kept: refusing it would lock the user out of a ROM that plays fine.
            const int onScreen = std::min(length, ScreenRows - y0);
            if (repeatPending) {
                draw(x, y0, onScreen, b);
            } else {
                if (!rom.containsRange(p, length))
                    throwScreenPastEnd(level, offset);
                for (int i = 0; i < onScreen; ++i)
                    draw(x, y0 + i, 0, bytes[static_cast<size_t>(p + i)]);
                p += length - 1;
            }
            groupOpen = false;
            repeatPending = false;
        } else {
            y0 = b >> 4;
            length = (b & 0x0F) == 0 ? 16 : (b & 0x0F);
            groupOpen = true;
        }
        ++p;
    }
}

// The cells of one screen of `level` as they are decoded into the document: draw takes
// decodeScreen's arguments and writes cell (x, y) as objCode, or with repeat = n > 0 the n cells
// (x, y) ... (x, y + n - 1). A cell written again keeps its slot and takes the later code.
class ScreenCells {
public:
    ScreenCells(kiv::ConfigFile& kivLevel, std::string_view level, std::string_view screenRef)
        : kivLevel_(kivLevel), key_({level, "_", screenRef, "_"}) {}

    void draw(int x, int y, int repeat, uint8_t objCode);

private:
    kiv::ConfigFile& kivLevel_;
    KeyText key_;
};

// The file offset of the screen that the pointer at `pointerOffset` of `table` names. A screen
// outside the banks that hold screen data throws kiv::Error(ErrCorruptRomData).
long screenOffset(const RomImage& rom, const LevelTable& table, long pointerOffset);

// Decodes the level's pointer table and each of its screens into `kivLevel`: the screen list in
// playing order and, once per distinct screen, its marker and cells.
void loadLevel(const RomImage& rom, const LevelTable& table, kiv::ConfigFile& kivLevel);

} // namespace rom
