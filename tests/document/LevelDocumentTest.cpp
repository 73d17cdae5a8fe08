#include "rom/LevelDocument.h"

#include "rom/LevelKeys.h"

#include <gtest/gtest.h>

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

// Code that still edits keys one by one keeps its own account of what it changed.
TEST(LevelDocument, KeyEditsShowInTheDocumentAndMarkNothing) {
    LevelDocument doc;
    doc.storeForKeyEdits().WriteValue(cellKey("11", "40000", 2, 3), "120");
    EXPECT_EQ(doc.cell(LevelId::at(0), "40000", 2, 3), 120);
    EXPECT_FALSE(doc.dataChanged());
    EXPECT_EQ(doc.sectionChanged(), SectionFlags{});
}
