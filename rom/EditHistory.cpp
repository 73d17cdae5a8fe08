#include "rom/EditHistory.h"

#include "rom/LevelDocument.h"

#include <algorithm>

namespace rom {

namespace {

bool changesSomething(const EditStep& step) {
    return std::any_of(step.cells.begin(), step.cells.end(),
                       [](const CellChange& c) { return c.before != c.after; });
}

// Cells are given back in the reverse order of the step, so a step that touched one cell twice
// ends with the cell as it was first.
void apply(LevelDocument& document, const EditStep& step, bool forward) {
    if (forward) {
        for (const CellChange& c : step.cells)
            document.setCell(step.level, step.screen, c.x, c.y, c.after);
    } else {
        for (auto c = step.cells.rbegin(); c != step.cells.rend(); ++c)
            document.setCell(step.level, step.screen, c->x, c->y, c->before);
    }
}

} // namespace

uint64_t EditHistory::record(EditStep step) {
    if (!changesSomething(step))
        return 0;
    step.id = ++lastId_;
    done_.push_back(std::move(step));
    if (done_.size() > MaxSteps)
        done_.pop_front();
    undone_.clear();
    return lastId_;
}

std::optional<EditStep> EditHistory::undo(LevelDocument& document) {
    return move(done_, undone_, document, false);
}

std::optional<EditStep> EditHistory::redo(LevelDocument& document) {
    return move(undone_, done_, document, true);
}

// Applies the newest step of `from` (backwards or forwards) and makes it the newest of `to`.
std::optional<EditStep> EditHistory::move(std::deque<EditStep>& from, std::deque<EditStep>& to,
                                          LevelDocument& document, bool forward) {
    if (from.empty())
        return std::nullopt;
    EditStep step = std::move(from.back());
    from.pop_back();
    apply(document, step, forward);
    to.push_back(step);
    return step;
}

bool EditHistory::takenBack(uint64_t id) {
    if (id == 0 || newestId() != id)
        return false;
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    return true;
}

void EditHistory::clear() {
    done_.clear();
    undone_.clear();
}

} // namespace rom
