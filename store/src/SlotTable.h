#pragma once

#include "Chunks.h"

#include <cstdint>
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
    const std::string* find(std::string_view name) const;
    // Name of the lowest used slot holding `value`, or nullptr.
    const std::string* findName(const std::string& value) const;

    // Sets the lowest slot of that name, or places a new key into the lowest free slot after
    // growing the table by one slot (while below capacity).
    void write(const std::string& name, const std::string& value);
    // Puts the pair into a new slot above every other, even if the name already exists.
    void append(std::string name, std::string value);
    // Frees the lowest slot of that name.
    void erase(std::string_view name);
    void clear();
    // Sizes the index for that many names ahead of a bulk fill.
    void reserve(std::size_t names);

    template <typename Visit> void forEachEntry(Visit visit) const {
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            const Slot& slot = slots_[i];
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
        // Frees the slot; its strings keep their room for the next key.
        void reset() {
            name.clear();
            value.clear();
            nextSameName = -1;
            lastSameName = -1;
        }
    };
    // The index is open addressing with linear probing over two parallel arrays: one byte a
    // bucket that is 0 when empty and otherwise holds seven bits of the name's hash, and the
    // first slot of the name's chain with the whole hash. Most lookups of a document miss; the
    // byte array, small enough to stay in the fastest cache and read sixteen bytes at a time,
    // answers nearly all of them without a branch per bucket.
    struct Head {
        int32_t slot;
        uint32_t hash;
    };
    static constexpr std::size_t GroupSize = 16;
    static constexpr uint8_t tagOf(uint32_t hash) {
        return static_cast<uint8_t>(0x80 | hash >> 25);
    }
    std::size_t bucketCount() const { return heads_.size(); }
    // Also writes the copy of the first buckets kept behind the last, which lets a group read
    // run past the end without wrapping.
    void setTag(std::size_t bucket, uint8_t tag);

    std::size_t locate(std::string_view name, uint32_t hash) const;
    void indexNew(int32_t slot, uint32_t hash, std::size_t bucket);
    void unindex(std::size_t bucket);
    bool growIndexFor(std::size_t names);
    void addHole();

    // Slots never move as the table grows, and a table emptied to be filled again (a load into a
    // store kept for it) reuses them without allocating.
    Chunks<Slot, 10> slots_;
    Slot& newSlot(std::string_view name, std::string_view value);
    std::vector<Head> heads_ = std::vector<Head>(16); // a power of two in size
    std::vector<uint8_t> tags_ = std::vector<uint8_t>(16 + GroupSize - 1);
    std::size_t names_ = 0;
    std::priority_queue<int32_t, std::vector<int32_t>, std::greater<>> holes_;
};

} // namespace kiv
