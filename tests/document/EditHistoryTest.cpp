#include "rom/EditHistory.h"
#include "rom/LevelDocument.h"
#include "rom/LevelKeys.h"
#include "sample/SampleRom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

using namespace rom;

namespace {

const LevelId Level11 = LevelId::at(0);
const LevelId Level31 = *LevelId::fromKey("31");

// One edit as the editor makes it: the cells' codes before, then the new codes written.
EditStep edit(LevelDocument& doc, LevelId level, const std::string& ref,
              const std::vector<std::pair<int, int>>& cells, std::optional<int> code) {
    EditStep step{level, ref, {}};
    for (auto [x, y] : cells) {
        step.cells.push_back({x, y, doc.cell(level, ref, x, y), code});
        doc.setCell(level, ref, x, y, code);
    }
    return step;
}

// The document's entries in key order: an entry written again stands at the end of the store,
// where the last line has no line break.
std::vector<std::string> entries(const LevelDocument& doc) {
    std::vector<std::string> lines;
    std::istringstream all(doc.kivLevel().GetAll());
    for (std::string line; std::getline(all, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

} // namespace

// Many steps of random edits over two worlds, then every undo and every redo compared with the
// document as it was at that step.
TEST(EditHistory, UndoAndRedoWalkBackAndForthThroughEveryStep) {
    LevelDocument doc;
    doc.loadROM(RomImage(makeSampleRom()));
    const std::string ref11 = doc.kivLevel().GetValue(screenKey("11", 2));
    const std::string ref31 = doc.kivLevel().GetValue(screenKey("31", 5));
    std::mt19937 random(7);
    std::vector<std::vector<std::string>> states{entries(doc)};
    for (int i = 0; i < 60; ++i) {
        const bool world1 = random() % 2;
        const int x = static_cast<int>(random() % 19);
        const int y = static_cast<int>(random() % 15);
        const int code = static_cast<int>(random() % 4);
        // Object 0 is a code like any other; nothing is an empty cell.
        const std::optional<int> placed = code == 3 ? std::nullopt : std::optional<int>(code * 50);
        doc.history().record(edit(doc, world1 ? Level11 : Level31, world1 ? ref11 : ref31,
                                  {{x, y}, {x + 1, y}, {x, y + 1}}, placed));
        if (entries(doc) != states.back())
            states.push_back(entries(doc));
    }
    ASSERT_EQ(doc.history().undoDepth(), states.size() - 1);

    for (std::size_t k = states.size() - 1; k > 0; --k) {
        ASSERT_TRUE(doc.history().undo(doc));
        ASSERT_EQ(entries(doc), states[k - 1]) << "undo back to step " << k - 1;
    }
    EXPECT_FALSE(doc.history().undo(doc));
    for (std::size_t k = 1; k < states.size(); ++k) {
        ASSERT_TRUE(doc.history().redo(doc));
        ASSERT_EQ(entries(doc), states[k]) << "redo to step " << k;
    }
    EXPECT_FALSE(doc.history().redo(doc));
}

TEST(EditHistory, ANewStepForgetsWhatCouldBeRedoneAndStepsWithoutChangeAreNotKept) {
    LevelDocument doc;
    auto& history = doc.history();
    EXPECT_NE(history.record(edit(doc, Level11, "100", {{1, 1}}, 5)), 0u);
    EXPECT_NE(history.record(edit(doc, Level11, "100", {{2, 1}}, 6)), 0u);
    history.undo(doc);
    ASSERT_TRUE(history.canRedo());
    // Placing what a cell already holds changes nothing: no step to take back.
    EXPECT_EQ(history.record(edit(doc, Level11, "100", {{1, 1}}, 5)), 0u);
    EXPECT_TRUE(history.canRedo());
    history.record(edit(doc, Level11, "100", {{3, 1}}, 7));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undoDepth(), 2u);
}

// The Undo button restores the last click itself; the history then holds it as undone.
TEST(EditHistory, AStepTakenBackElsewhereCanBeRedone) {
    LevelDocument doc;
    auto& history = doc.history();
    const uint64_t first = history.record(edit(doc, Level11, "100", {{1, 1}}, 5));
    const uint64_t second = history.record(edit(doc, Level11, "100", {{1, 1}}, 9));
    EXPECT_FALSE(history.takenBack(first)); // not the newest
    doc.setCell(Level11, "100", 1, 1, 5);
    EXPECT_TRUE(history.takenBack(second));
    EXPECT_EQ(history.newestId(), first);
    ASSERT_TRUE(history.redo(doc));
    EXPECT_EQ(doc.cell(Level11, "100", 1, 1), 9);
}

TEST(EditHistory, KeepsTheNewestStepsUpToItsDepth) {
    LevelDocument doc;
    for (int i = 0; i < static_cast<int>(EditHistory::MaxSteps) + 5; ++i)
        doc.history().record(edit(doc, Level11, "100", {{0, 0}}, i + 1));
    EXPECT_EQ(doc.history().undoDepth(), EditHistory::MaxSteps);
    while (doc.history().undo(doc)) {
    }
    // The oldest five steps are gone: the cell goes back only as far as the sixth step's start.
    EXPECT_EQ(doc.cell(Level11, "100", 0, 0), 5);
}

// An undo after a save is a change the saved ROM does not hold; a new document starts anew.
TEST(EditHistory, UndoMarksTheDocumentAndLoadingStartsANewHistory) {
    LevelDocument doc;
    doc.loadROM(RomImage(makeSampleRom()));
    doc.history().record(edit(doc, Level11, "100", {{0, 0}}, 19));
    doc.markSaved();
    ASSERT_FALSE(doc.dataChanged());
    doc.history().undo(doc);
    EXPECT_TRUE(doc.dataChanged());
    EXPECT_TRUE(doc.history().canRedo());
    doc.loadROM(RomImage(makeSampleRom()));
    EXPECT_FALSE(doc.history().canUndo());
    EXPECT_FALSE(doc.history().canRedo());
}
