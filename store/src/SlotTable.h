#pragma once

#include <cstdint>
#include <functional>
#include <queue>
#include <string>
#include <unordered_map>
#include <vector>

namespace kiv {

// The ordered table of (key name, key value) slots behind a store. Slots 0 to lastSlot() exist;
// a slot with an empty name is free. Lookups by name answer from the lowest slot of that name
// through an index, and new keys take the lowest free slot from a heap of holes, so no
// single-key operation scans the table.
class SlotTable {
public:
    static constexpr int32_t Capacity = 262144;

    int32_t lastSlot() const { return static_cast<int32_t>(slots_.size()) - 1; }

    // Value of the lowest slot named `name`, or nullptr.
    const std::string* find(const std::string& name) const;
    // Name of the lowest used slot holding `value`, or nullptr.
    const std::string* findName(const std::string& value) const;

    // Sets the lowest slot of that name, or places a new key into the lowest free slot after
    // growing the table by one slot (while below capacity).
    void write(const std::string& name, const std::string& value);
    // Puts the pair into a new slot above every other, even if the name already exists.
    void append(std::string name, std::string value);
    // Frees the lowest slot of that name.
    void erase(const std::string& name);
    void clear();
    void reserve(std::size_t slots);

    template <typename Visit> void forEachEntry(Visit visit) const {
        for (const Slot& slot : slots_) {
            if (!slot.name.empty())
                visit(slot.name, slot.value);
        }
    }

private:
    struct Slot {
        std::string name;
        std::string value;
        int32_t nextSameName = -1;
    };
    // The slots that carry one name, lowest first, linked through Slot::nextSameName.
    struct Chain {
        int32_t first;
        int32_t last;
    };

    void addHole();

    std::vector<Slot> slots_;
    std::unordered_map<std::string, Chain> index_;
    std::priority_queue<int32_t, std::vector<int32_t>, std::greater<>> holes_;
};

} // namespace kiv
