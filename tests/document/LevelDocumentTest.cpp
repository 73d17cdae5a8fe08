#include "rom/LevelDocument.h"

#include "rom/LevelKeys.h"

#include <gtest/gtest.h>

#include <functional>

using namespace rom;

namespace {

SectionFlags only(int section) {
    SectionFlags flags{};
    flags[section] = true;
    return flags;
}

} // namespace

// The editor's cell edits, clearing and undo rely on the document marking the level's world.
TEST(LevelDocument, CellEditsMarkTheWorldOfTheirLevel) {
    struct Case {
        const char* level;
        int section;
    };
    for (const Case c : {Case{"13", SectionWorld1}, Case{"22", SectionWorlds2And4},
                         Case{"31", SectionWorld3}, Case{"43", SectionWorlds2And4}}) {
        const LevelId level = *LevelId::fromKey(c.level);
        LevelDocument doc;
        doc.setCell(level, "40000", 2, 3, 19);
        EXPECT_EQ(doc.kivLevel().GetValue(cellKey(c.level, "40000", 2, 3)), "19") << c.level;
        EXPECT_EQ(doc.sectionChanged(), only(c.section)) << c.level;
        EXPECT_TRUE(doc.dataChanged());

        doc.setCell(level, "40000", 2, 3, std::nullopt);
        EXPECT_FALSE(doc.cell(level, "40000", 2, 3)) << c.level;
    }
}

TEST(LevelDocument, ClearScreenEmptiesOnlyThatScreen) {
    LevelDocument doc;
    const LevelId level = LevelId::at(3);
    doc.storeForKeyEdits().WriteValue(cellKey("21", "20000", 0, 0), "19");
    doc.storeForKeyEdits().WriteValue(cellKey("21", "20000", 19, 15), "0");
    doc.storeForKeyEdits().WriteValue(cellKey("21", "20100", 5, 5), "49");
    doc.clearScreen(level, "20000");
    EXPECT_FALSE(doc.cell(level, "20000", 0, 0));
    EXPECT_FALSE(doc.cell(level, "20000", 19, 15));
    EXPECT_EQ(doc.cell(level, "20100", 5, 5), 49);
    EXPECT_EQ(doc.sectionChanged(), only(SectionWorlds2And4));
}

// Keys planted directly are seen by the typed operations, and mark nothing.
TEST(LevelDocument, KeyEditsShowInTheDocumentAndMarkNothing) {
    LevelDocument doc;
    doc.storeForKeyEdits().WriteValue(cellKey("11", "40000", 2, 3), "120");
    EXPECT_EQ(doc.cell(LevelId::at(0), "40000", 2, 3), 120);
    EXPECT_FALSE(doc.dataChanged());
    EXPECT_EQ(doc.sectionChanged(), SectionFlags{});
}

// The Screen Manager writes its tabs through these; a save must then rewrite what they touched.
TEST(LevelDocument, RecordSettersMarkTheirSections) {
    struct Case {
        const char* name;
        std::function<void(LevelDocument&)> edit;
        int section;
    };
    const auto order = [](const char* level) {
        return [level](LevelDocument& doc) {
            const LevelId id = *LevelId::fromKey(level);
            doc.setScreenOrder(id, doc.screenOrder(id));
        };
    };
    const Case cases[] = {
        {"order of 1-2", order("12"), SectionWorld1},
        {"order of 2-1", order("21"), SectionWorlds2And4},
        {"order of 4-2", order("42"), SectionWorlds2And4},
        {"order of 3-3", order("33"), SectionWorld3},
        {"enemies", [](LevelDocument& doc) { doc.setEnemies(LevelId::at(6), {}); }, SectionEnemies},
        {"power-ups", [](LevelDocument& doc) { doc.setPowerUps(doc.powerUps()); }, SectionPowerUps},
        {"pipes",
         [](LevelDocument& doc) { doc.setPipes(LevelId::at(0), doc.pipes(LevelId::at(0))); },
         SectionPipes},
    };
    for (const Case& c : cases) {
        LevelDocument doc;
        c.edit(doc);
        EXPECT_EQ(doc.sectionChanged(), only(c.section)) << c.name;
        EXPECT_TRUE(doc.dataChanged()) << c.name;
    }
}

// The main window keeps its recovery copy by comparing this count with the one it last saw: every
// change of the content must move it, and a Save As, which changes no content, must not.
TEST(LevelDocument, TheChangeCountMovesWithEveryChangeOfTheContent) {
    struct Case {
        const char* name;
        std::function<void(LevelDocument&)> step;
        bool moves;
    };
    const Case cases[] = {
        {"cell", [](LevelDocument& doc) { doc.setCell(LevelId::at(0), "40000", 0, 0, 19); }, true},
        {"clear", [](LevelDocument& doc) { doc.clearScreen(LevelId::at(0), "40000"); }, true},
        {"enemies", [](LevelDocument& doc) { doc.setEnemies(LevelId::at(0), {}); }, true},
        {"all sections", [](LevelDocument& doc) { doc.markAllChanged(); }, true},
        {"forgotten", [](LevelDocument& doc) { doc.forgetChanges(); }, true},
        {"saved", [](LevelDocument& doc) { doc.markSaved(); }, false},
        {"key edit",
         [](LevelDocument& doc) {
             doc.storeForKeyEdits().WriteValue(cellKey("11", "40000", 1, 1), "19");
         },
         false},
    };
    LevelDocument doc;
    for (const Case& c : cases) {
        const uint64_t before = doc.changeCount();
        c.step(doc);
        EXPECT_EQ(doc.changeCount() != before, c.moves) << c.name;
    }
}
