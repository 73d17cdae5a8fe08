#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <queue>
#include <string>
#include <string_view>
#include <vector>

namespace kiv {

// The ordered table of (key name, key value) slots behind a store. Slots 0 to lastSlot() exist;
// a slot with an empty name is free. Lookups by name answer from the lowest slot of that name
// through a hash index, and new keys take the lowest free slot from a heap of holes, so no
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
    // Sizes the index for that many names ahead of a bulk fill.
    void reserve(std::size_t names);

    template <typename Visit> void forEachEntry(Visit visit) const {
        for (const Slot& slot : slots_) {
            if (!slot.name.empty())
                visit(slot.name, slot.value);
        }
    }

private:
    // Slots that share a name form a chain, lowest first; its first slot knows the last.
    struct Slot {
        std::string name;
        std::string value;
        int32_t nextSameName = -1;
        int32_t lastSameName = -1;
    };
    // One name of the index: the first slot of its chain. Open addressing, linear probing.
    struct Bucket {
        int32_t slot = -1;
        uint32_t hash = 0;
        bool empty() const { return slot < 0; }
    };

    static uint32_t hashOf(std::string_view name);
    std::size_t locate(std::string_view name, uint32_t hash) const;
    void indexNew(int32_t slot, uint32_t hash);
    void unindex(std::size_t bucket);
    void growIndexFor(std::size_t names);
    void addHole();

    // A deque grows without moving the slots already there, which keeps filling a new store cheap.
    std::deque<Slot> slots_;
    std::vector<Bucket> buckets_ = std::vector<Bucket>(16); // a power of two
    std::size_t names_ = 0;
    std::priority_queue<int32_t, std::vector<int32_t>, std::greater<>> holes_;
};

} // namespace kiv
