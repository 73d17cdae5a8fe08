#pragma once

// The document's history of cell edits: every edit click and every clear of a screen is one step,
// which can be undone and redone many steps deep. A step holds the cells it changed with their
// codes before and after, keyed by screen reference, so it still applies after the screen order
// changed. Opening a ROM or importing level data starts a new history; saving keeps it.

#include "rom/LevelId.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace rom {

class LevelDocument;

struct CellChange {
    int x = 0;
    int y = 0;
    std::optional<int> before; // nothing: the cell was empty
    std::optional<int> after;
    bool operator==(const CellChange&) const = default;
};

struct EditStep {
    LevelId level = LevelId::at(0);
    std::string screen; // the screen reference
    std::vector<CellChange> cells;
    uint64_t id = 0; // given by EditHistory::record
};

class EditHistory {
public:
    // The oldest steps are forgotten beyond this depth.
    static constexpr std::size_t MaxSteps = 1000;

    // Adds `step` as the newest and forgets what could be redone. A step that changes no cell is
    // not kept. Returns the step's id, 0 when it was not kept.
    uint64_t record(EditStep step);

    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    std::size_t undoDepth() const { return done_.size(); }
    // The id of the step an undo would take back; 0 when there is none.
    uint64_t newestId() const { return done_.empty() ? 0 : done_.back().id; }

    // Gives every cell of the newest step its code before the step, through the document's own
    // cell operation (which marks the document changed), and returns that step; nothing when
    // there is none.
    std::optional<EditStep> undo(LevelDocument& document);
    // Gives every cell of the newest undone step its code after the step again.
    std::optional<EditStep> redo(LevelDocument& document);
    // The newest step, `id`, was taken back by other means (the Undo button restores the last
    // click itself): it becomes the step a redo gives back. False when `id` is not the newest.
    bool takenBack(uint64_t id);

    void clear();

private:
    static std::optional<EditStep> move(std::deque<EditStep>& from, std::deque<EditStep>& to,
                                        LevelDocument& document, bool forward);

    std::deque<EditStep> done_;
    std::deque<EditStep> undone_;
    uint64_t lastId_ = 0;
};

} // namespace rom
