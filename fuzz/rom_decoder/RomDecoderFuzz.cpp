// Feeds corrupted images to the ROM decoders. The input is a list of patches laid over the
// sample image, so that small inputs reach every table and screen: after a first byte of flags,
// each patch is a little-endian offset, a length byte and that many bytes. The cartridge title is
// left alone, as the loader refuses any other title before it decodes anything.
//
// Decoding the whole image into a store for every input costs tens of milliseconds under the
// sanitizers, which kept the fuzzer at a few dozen inputs a second. Only what a patch can change
// is decoded again: a screen whose bytes it touches, every screen of a level whose pointer table
// it touches, an object table it overlaps. Everything else decodes exactly as in the sample.
// Screens are decoded without a store. With the flags byte 0xFF the first level whose pointers
// changed is loaded whole into a store instead, as a load does; that costs a hundred times more,
// so it is left to one input in 256 (any other flags value means nothing yet).
//
// Each decode is checked against the image bytes: screens against a plain decoder of the screen
// format written here from its description (the decoder must fail exactly when that one runs out
// of image, and otherwise give the same cells), levels for exactly the keys that a load writes,
// the enemy and pipe tables by writing the decoded records back and comparing the bytes.
//
// Patches are short, so let inputs reach full length at once (see the flags file):
//   rom_decoder_fuzz -max_len=256 -len_control=0 corpus/

#include "DecodeDraws.h"

#include "rom/LevelKeys.h"
#include "rom/ObjectTablesReader.h"
#include "rom/ObjectTablesWriter.h"
#include "rom/RomImage.h"
#include "rom/ScreenDecoder.h"
#include "sample/SampleRom.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

struct Span {
    long first;
    long end; // one past the last byte
    bool overlaps(const Span& other) const { return first < other.end && other.first < end; }
};

// A screen as the format describes it: 20 columns of cells, -1 for an empty cell.
using Grid = std::array<std::array<int, rom::ScreenRows>, rom::ScreenColumns>;

struct PlainScreen {
    bool fits = false; // false when the data runs past the end of the image
    long end = 0;
    Grid cells{};
};

// The screen format read straight from its description. A group is a header (high nibble the
// first row, low nibble the length, 0 for 16) followed by that many codes, or by the repeat mark
// and one code for them all. The repeat and column-end marks count as marks only where a header
// or the first byte after it is expected; a repeat mark before a header applies to its group.
// Rows below the screen are dropped.
PlainScreen plainDecode(const std::vector<uint8_t>& image, long offset) {
    PlainScreen screen;
    for (auto& column : screen.cells)
        column.fill(-1);
    long p = offset;
    const auto next = [&](uint8_t& b) {
        if (p < 0 || p >= static_cast<long>(image.size()))
            return false;
        b = image[static_cast<size_t>(p++)];
        return true;
    };
    for (int x = 0; x < rom::ScreenColumns; ++x) {
        bool repeat = false;
        for (;;) {
            uint8_t b = 0;
            if (!next(b))
                return screen;
            if (b == rom::ColumnEnd)
                break;
            if (b == rom::RepeatMark) {
                repeat = true;
                continue;
            }
            const int y0 = b >> 4;
            const int length = (b & 0x0F) == 0 ? 16 : (b & 0x0F);
            bool columnEnded = false;
            for (;;) {
                if (!next(b))
                    return screen;
                if (b == rom::ColumnEnd) {
                    columnEnded = true;
                    break;
                }
                if (b != rom::RepeatMark)
                    break;
                repeat = true;
            }
            if (columnEnded)
                break;
            for (int i = 0; i < length; ++i) {
                if (i > 0 && !repeat && !next(b))
                    return screen;
                if (y0 + i < rom::ScreenRows)
                    screen.cells[x][y0 + i] = b;
            }
            repeat = false;
        }
    }
    screen.fits = true;
    screen.end = p;
    return screen;
}

long pointerTarget(const std::vector<uint8_t>& image, const rom::LevelTable& table, long at) {
    return (image[at] | image[at + 1] << 8) + table.refAdd;
}

// Where the sample's screens lie, and the bytes each was read from.
struct Baseline {
    std::vector<uint8_t> image = rom::makeSampleRom();
    std::vector<long> screens;
    std::vector<Span> screenBytes;

    Baseline() {
        image.resize(rom::RomSize);
        for (const auto& table : rom::LevelTables)
            for (long at = table.first; at <= table.last; at += 2) {
                const long offset = pointerTarget(image, table, at);
                if (std::find(screens.begin(), screens.end(), offset) != screens.end())
                    continue;
                const PlainScreen screen = plainDecode(image, offset);
                check(screen.fits);
                screens.push_back(offset);
                screenBytes.push_back({offset, screen.end});
            }
    }
};

// Pointer tables and first-screens blocks hold pointers, never a screen's data.
bool inScreenTables(long offset) {
    for (const rom::LevelTable& t : rom::LevelTables)
        if (offset >= t.first && offset <= t.last)
            return true;
    for (const rom::FirstScreensBlock& block : rom::FirstScreensBlocks)
        if (offset >= block.offset && offset < block.offset + 4)
            return true;
    return false;
}

// The decoder's view of one screen must be the plain decoder's, cell for cell.
void checkScreen(const rom::RomImage& rom, long offset) {
    const PlainScreen plain = plainDecode(rom.bytes(), offset);
    static std::vector<Draw> draws;
    try {
        decodeDraws(rom, offset, draws);
    } catch (const kiv::Error& e) {
        check(!plain.fits && e.number() == rom::ErrCorruptRomData && !e.description().empty());
        return;
    }
    check(plain.fits);
    Grid cells;
    for (auto& column : cells)
        column.fill(-1);
    for (const Draw& d : draws) {
        check(d.x >= 0 && d.x < rom::ScreenColumns && d.y >= 0 && d.repeat >= 0 &&
              d.y + std::max(d.repeat, 1) <= rom::ScreenRows);
        for (int i = 0; i < std::max(d.repeat, 1); ++i)
            cells[d.x][d.y + i] = d.code;
    }
    check(cells == plain.cells);
}

// The whole level as the document holds it: the screen list in playing order, one marker and
// the cells of each distinct screen, and nothing else.
void checkLevel(const rom::RomImage& rom, const rom::LevelTable& table) {
    const std::string level(table.level);
    const std::vector<uint8_t>& image = rom.bytes();
    bool fits = true;
    std::vector<long> screens;
    std::map<long, PlainScreen> designs;
    for (long at = table.first; at <= table.last && fits; at += 2) {
        const long offset = pointerTarget(image, table, at);
        screens.push_back(offset);
        if (offset < 0x4000 || offset >= static_cast<long>(image.size()) || inScreenTables(offset))
            fits = false;
        else if (!designs.count(offset))
            fits = designs.emplace(offset, plainDecode(image, offset)).first->second.fits;
    }

    kiv::ConfigFile doc;
    try {
        rom::loadLevel(rom, table, doc);
    } catch (const kiv::Error& e) {
        check(!fits && e.number() == rom::ErrCorruptRomData && !e.description().empty());
        return;
    }
    check(fits);

    long keys = 1 + static_cast<long>(screens.size() + designs.size());
    check(doc.GetValue(rom::screensKey(level)) == rom::num(table.screens));
    for (size_t k = 0; k < screens.size(); ++k)
        check(doc.GetValue(rom::screenKey(level, static_cast<int>(k + 1))) == rom::num(screens[k]));
    for (const auto& [offset, design] : designs) {
        const std::string ref = rom::num(offset);
        check(doc.GetValue(rom::markerKey(level, ref)) == "Y");
        for (int x = 0; x < rom::ScreenColumns; ++x)
            for (int y = 0; y < rom::ScreenRows; ++y)
                if (design.cells[x][y] >= 0) {
                    ++keys;
                    check(doc.GetValue(rom::cellKey(level, ref, x, y)) ==
                          rom::num(design.cells[x][y]));
                }
    }
    check(doc.LastSlot() + 1 == keys);
}

// The plain decoder must agree with the decoder on the whole sample before it judges anything.
const Baseline& baseline() {
    static const Baseline b = [] {
        Baseline sample;
        const rom::RomImage rom(sample.image);
        for (const auto& table : rom::LevelTables)
            checkLevel(rom, table);
        return sample;
    }();
    return b;
}

void checkEnemies(const rom::RomImage& rom, const rom::EnemyTable& table) {
    const std::vector<uint8_t>& image = rom.bytes();
    kiv::ConfigFile doc;
    rom::loadEnemies(rom, table, doc);
    check(doc.GetValue(rom::enemiesKey(table.level)) == rom::num(table.records));
    const std::vector<uint8_t> written = rom::saveEnemies(doc, std::string(table.level));
    check(std::equal(written.begin(), written.end(), image.begin() + table.first,
                     image.begin() + table.last + 1));
}

void checkPowerUps(const rom::RomImage& rom) {
    kiv::ConfigFile doc;
    try {
        rom::loadPowerUps(rom, doc);
    } catch (const kiv::Error& e) {
        check(e.number() == rom::ErrCorruptRomData);
        return;
    }
    // Every record read has all four fields.
    const long fields = doc.LastSlot() + 1;
    check(fields % 4 == 0);
    for (int k = 1; k <= fields / 4; ++k)
        for (const char* field : {"level", "screen", "x", "type"})
            check(doc.GetValue(rom::powerUpKey(field, k)) != kiv::ConfigFile::NotFound);
}

// The pipe table as the game lays it out: two records per level, a separator between levels.
bool pipesInGameLayout(const std::vector<uint8_t>& image) {
    long at = rom::PipeFirst;
    for (size_t level = 0; level < rom::PipeLevels.size(); ++level) {
        for (int k = 0; k < rom::PipesPerLevel; ++k, at += 6)
            if (image[at] == rom::Separator)
                return false;
        if (level + 1 < rom::PipeLevels.size() && image[at++] != rom::Separator)
            return false;
    }
    return true;
}

void checkPipes(const rom::RomImage& rom) {
    const std::vector<uint8_t>& image = rom.bytes();
    kiv::ConfigFile doc;
    try {
        rom::loadPipes(rom, doc);
    } catch (const kiv::Error& e) {
        check(e.number() == rom::ErrCorruptRomData);
        return;
    }
    if (!pipesInGameLayout(image))
        return;
    const auto written = rom::savePipes(doc);
    check(std::equal(written.begin(), written.end(), image.begin() + rom::PipeFirst));
}

// Decodes again whatever the patches can have changed.
void checkPatched(const rom::RomImage& rom, const Baseline& base, const std::vector<Span>& patched,
                  bool wholeLevels) {
    const auto touched = [&](const Span& span) {
        return std::any_of(patched.begin(), patched.end(),
                           [&](const Span& p) { return p.overlaps(span); });
    };
    std::vector<long> checked;
    const auto checkOnce = [&](long offset) {
        if (std::find(checked.begin(), checked.end(), offset) == checked.end()) {
            checked.push_back(offset);
            checkScreen(rom, offset);
        }
    };
    for (size_t s = 0; s < base.screens.size(); ++s)
        if (touched(base.screenBytes[s]))
            checkOnce(base.screens[s]);
    // A changed pointer can name any screen, or none.
    for (const auto& table : rom::LevelTables) {
        if (!touched({table.first, table.last + 2}))
            continue;
        // One level is enough to try the load's own bookkeeping; the others get the quick check.
        if (wholeLevels) {
            checkLevel(rom, table);
            wholeLevels = false;
            continue;
        }
        for (long at = table.first; at <= table.last; at += 2) {
            const long offset = pointerTarget(rom.bytes(), table, at);
            try {
                check(rom::screenOffset(rom, table, at) == offset);
            } catch (const kiv::Error& e) {
                check(e.number() == rom::ErrCorruptRomData &&
                      (offset < 0x4000 || offset >= rom::RomSize || inScreenTables(offset)));
                break;
            }
            checkOnce(offset);
        }
    }
    for (const auto& table : rom::EnemyTables)
        if (touched({table.first, table.last + 1}))
            checkEnemies(rom, table);
    // A record that starts on the last byte of a table reads two bytes beyond it.
    if (touched({rom::PowerUpFirst, rom::PowerUpLast + 3}))
        checkPowerUps(rom);
    if (touched({rom::PipeFirst, rom::PipeLast + 6}))
        checkPipes(rom);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const bool wholeLevels = data[0] == 0xFF;
    const Baseline& base = baseline();
    // One image serves every input: patched here and put back afterwards, which spares copying
    // and allocating 64 KiB for each.
    static rom::RomImage rom(base.image);
    auto& image = const_cast<std::vector<uint8_t>&>(rom.bytes());
    std::vector<Span> patched;
    size_t i = 1;
    while (i + 3 <= size) {
        const long offset = data[i] | (data[i + 1] << 8);
        const size_t length = std::min<size_t>(data[i + 2], size - i - 3);
        i += 3;
        const long fits = std::min<long>(static_cast<long>(length), rom::RomSize - offset);
        std::memcpy(image.data() + offset, data + i, static_cast<size_t>(fits));
        patched.push_back({offset, offset + fits});
        i += length;
    }
    std::copy(base.image.begin() + rom::TitleFirst, base.image.begin() + rom::TitleLast + 1,
              image.begin() + rom::TitleFirst);
    checkPatched(rom, base, patched, wholeLevels);
    for (const Span& p : patched)
        std::copy(base.image.begin() + p.first, base.image.begin() + p.end,
                  image.begin() + p.first);
    return 0;
}
