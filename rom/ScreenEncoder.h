#pragma once

#include "rom/RomLayout.h"

#include <kiv/ConfigFile.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace rom {

// The bytes of one save region as they are encoded; its size is saveBufferLen.
using SaveBuffer = std::vector<uint8_t>;

// One column of a screen as the encoder sees it. Cells are equal when their stored texts are, so
// each cell carries an identity of its text: Empty, the object code for the plain decimal text
// of a code, or OtherText and up for any other spelling of one ("05"). Rows 16 and 17 stay
// empty so that the look-ahead needs no checks.
struct ColumnCells {
    static constexpr int Empty = -1;
    static constexpr int OtherText = 256;
    std::array<int, ScreenRows + 2> text;
    std::array<uint8_t, ScreenRows> code{};
    ColumnCells() { text.fill(Empty); }
};

// Appends one column: its groups, then ColumnEnd. Three or more equal cells become a repeat run,
// anything else a literal run that stops just before such a repeat; empty cells cost nothing.
// Returns the first row whose code, RepeatMark or ColumnEnd, starts a group (the decoder would
// read it as a mark, so those bytes do not decode to the column), or -1 when there is none.
int encodeColumn(const ColumnCells& column, SaveBuffer& saveBuffer);

// Appends the encoding of level's own design of screen reference `screen`. A cell that holds
// anything but an object code 0 to 255, or a code 253 or 254 where a run begins, throws
// kiv::Error naming its key.
void screenData(const kiv::ConfigFile& kivLevel, const std::string& level,
                const std::string& screen, SaveBuffer& saveBuffer);

// Appends the bytes of level's design of screen reference `ref` as screenData writes them: the
// encoder asks one for each screen it writes, so that bytes kept from an earlier encoding of an
// unchanged design can stand in for encoding it again.
using ScreenSource =
    std::function<void(const std::string& level, const std::string& ref, SaveBuffer& saveBuffer)>;

// Encodes every distinct screen that `level` holds a design of, in playing order, and records in
// kivSave where each begins ("ScreenRef_" R = screenRef + offset in the buffer). A first level's
// screen that its world's second level also lists and designs is left to the second level.
// Returns screenRef.
int32_t GenkivSave(const kiv::ConfigFile& kivLevel, kiv::ConfigFile& kivSave,
                   const std::string& level, int32_t screenRef, SaveBuffer& saveBuffer);
int32_t GenkivSave(const kiv::ConfigFile& kivLevel, kiv::ConfigFile& kivSave,
                   const std::string& level, int32_t screenRef, SaveBuffer& saveBuffer,
                   const ScreenSource& source);

// Clears kivSave and encodes the region's levels in order from its data base.
SaveBuffer encodeRegion(const Region& region, const kiv::ConfigFile& kivLevel,
                        kiv::ConfigFile& kivSave);
SaveBuffer encodeRegion(const Region& region, const kiv::ConfigFile& kivLevel,
                        kiv::ConfigFile& kivSave, const ScreenSource& source);

// The source that encodes each screen afresh from `kivLevel`.
ScreenSource freshScreens(const kiv::ConfigFile& kivLevel);

// A pointer value as the two bytes the table stores, low byte first.
struct PointerBytes {
    uint8_t lo;
    uint8_t hi;
};
PointerBytes sOrderVals(int32_t screenRef);

} // namespace rom
