// The load writes its keys along a quick path; here the same document is built the plain way,
// one WriteValue per key named by the key helpers, from the decoder's own output and the raw
// table bytes. Both must give the same slots, in the same order, with the same values.
#include "TestRom.h"

#include "rom/LevelDocument.h"
#include "rom/LevelKeys.h"
#include "rom/Numbers.h"
#include "rom/ObjectTablesReader.h"
#include "rom/RomReader.h"
#include "rom/ScreenDecoder.h"
#include "sample/SampleRom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace rom;

namespace {

void referenceScreens(const RomImage& image, kiv::ConfigFile& doc) {
    for (const LevelTable& table : LevelTables) {
        const std::string level(table.level);
        doc.WriteValue(screensKey(level), "0");
        std::vector<long> decoded;
        for (long i = table.first; i <= table.last; i += 2) {
            const long offset = screenOffset(image, table, i);
            const std::string ref = num(offset);
            if (std::find(decoded.begin(), decoded.end(), offset) == decoded.end()) {
                decoded.push_back(offset);
                doc.WriteValue(markerKey(level, ref), "Y");
                decodeScreen(image, offset, level, [&](int x, int y, int repeat, uint8_t code) {
                    for (int n = 0; n < std::max(repeat, 1); ++n)
                        doc.WriteValue(cellKey(level, ref, x, y + n), num(code));
                });
            }
            doc.SetCountAdd(screensKey(level));
            doc.SetItemAdd(screensKey(level), screenItemPrefix(level), ref);
        }
    }
}

void referenceEnemies(const RomImage& image, kiv::ConfigFile& doc) {
    for (const EnemyTable& table : EnemyTables) {
        doc.WriteValue(enemiesKey(table.level), num((table.last - table.first + 1) / 3));
        int k = 0;
        for (long i = table.first; i <= table.last; i += 3) {
            ++k;
            const int screen = image.at(i) / 10 + 1;
            const uint8_t b2 = image.at(i + 2);
            doc.WriteValue(enemyKey(table.level, "screen", k), num(screen));
            doc.WriteValue(enemyKey(table.level, "hard", k), (b2 & 0x80) ? "Y" : "N");
            doc.WriteValue(enemyKey(table.level, "type", k), hexText(b2 & 0x7F));
            doc.WriteValue(enemyKey(table.level, "x", k), num(image.at(i) - (screen - 1) * 10));
            doc.WriteValue(enemyKey(table.level, "y", k), hexText(image.at(i + 1)));
        }
    }
}

void referencePowerUps(const RomImage& image, kiv::ConfigFile& doc) {
    int world = 1;
    int levelInWorld = 1;
    int k = 0;
    for (long i = PowerUpFirst; i <= PowerUpLast;) {
        if (image.at(i) == Separator) {
            if (++levelInWorld > 3) {
                levelInWorld = 1;
                ++world;
            }
            ++i;
            continue;
        }
        ++k;
        doc.WriteValue(powerUpKey("type", k), num(image.at(i + 2)));
        doc.WriteValue(powerUpKey("level", k), num(world * 10 + levelInWorld));
        doc.WriteValue(powerUpKey("screen", k), num(image.at(i)));
        doc.WriteValue(powerUpKey("x", k), num(image.at(i + 1)));
        i += 3;
    }
}

void referencePipes(const RomImage& image, kiv::ConfigFile& doc) {
    std::size_t levelIndex = 0;
    int k = 0;
    for (long i = PipeFirst; i <= PipeLast;) {
        if (image.at(i) == Separator) {
            k = 0;
            levelIndex = std::min(levelIndex + 1, PipeLevels.size() - 1);
            ++i;
            continue;
        }
        ++k;
        const std::string_view level = PipeLevels[levelIndex];
        const char* fields[] = {"entryscreen", "entryx", "bonusscreen", "exitscreen"};
        for (int f = 0; f < 4; ++f)
            doc.WriteValue(pipeKey(level, fields[f], k), num(image.at(i + f)));
        doc.WriteValue(pipeKey(level, "exitx", k),
                       eighthsText(image.at(i + 4) - 8 * PipeExitXBias));
        doc.WriteValue(pipeKey(level, "exity", k),
                       eighthsText(image.at(i + 5) - 8 * PipeExitYBias));
        i += 6;
    }
}

kiv::ConfigFile reference(const RomImage& image) {
    kiv::ConfigFile doc;
    referenceScreens(image, doc);
    referenceEnemies(image, doc);
    referencePowerUps(image, doc);
    referencePipes(image, doc);
    return doc;
}

void expectSameSlots(const kiv::ConfigFile& loaded, const kiv::ConfigFile& expected) {
    EXPECT_EQ(loaded.LastSlot(), expected.LastSlot());
    EXPECT_EQ(loaded.GetAll(), expected.GetAll());
}

class LoadMatchesReference : public ::testing::TestWithParam<uint32_t> {};

TEST_P(LoadMatchesReference, IntoAFreshStore) {
    const RomImage image(makeSampleRom(GetParam()));
    kiv::ConfigFile doc;
    loadROM(image, doc);
    expectSameSlots(doc, reference(image));
}

// A document opened again decodes into the store its previous load left, whose slots keep
// their old texts until written.
TEST_P(LoadMatchesReference, IntoADocumentLoadedBefore) {
    const RomImage other(makeSampleRom(GetParam() + 100));
    const RomImage image(makeSampleRom(GetParam()));
    LevelDocument document;
    for (const RomImage* each : {&other, &image, &other, &image}) {
        document.loadROM(*each);
        expectSameSlots(document.kivLevel(), reference(*each));
    }
}

INSTANTIATE_TEST_SUITE_P(SampleSeeds, LoadMatchesReference, ::testing::Values(1u, 2u, 7u));

// Groups that overlap write a cell twice: it keeps the slot of its first write and takes the
// value of the last.
TEST(LoadOfOverlappingGroups, MatchesReference) {
    TestRom rom;
    constexpr uint8_t FD = RepeatMark;
    constexpr uint8_t FE = ColumnEnd;
    rom.put(0xB100, screenWithFirstColumn({0x03, 5, 6, 7, 0x13, FD, 9, 0x02, 4, 3, FE}));
    rom.setPointer("11", 1, 0xB100);
    rom.setPointer("11", 3, 0xB100);
    kiv::ConfigFile doc;
    loadROM(rom.image(), doc);
    expectSameSlots(doc, reference(rom.image()));
    EXPECT_EQ(doc.GetValue(cellKey("11", "45312", 0, 1)), "3");
    EXPECT_EQ(doc.GetValue(cellKey("11", "45312", 0, 3)), "9");
}

} // namespace
