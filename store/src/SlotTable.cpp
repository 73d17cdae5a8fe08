#include "SlotTable.h"

#include <kiv/Error.h>

#include <algorithm>
#include <utility>

namespace kiv {

const std::string* SlotTable::find(const std::string& name) const {
    const Bucket& bucket = buckets_[locate(name, hashOf(name))];
    return bucket.empty() ? nullptr : &slots_[bucket.slot].value;
}

const std::string* SlotTable::findName(const std::string& value) const {
    for (const Slot& slot : slots_) {
        if (!slot.name.empty() && slot.value == value)
            return &slot.name;
    }
    return nullptr;
}

void SlotTable::write(const std::string& name, const std::string& value) {
    const uint32_t hash = hashOf(name);
    if (const Bucket& bucket = buckets_[locate(name, hash)]; !bucket.empty()) {
        slots_[bucket.slot].value = value;
        return;
    }
    if (name.empty()) {
        // The empty name marks a free slot, so it can only ever land in one.
        if (holes_.empty())
            append({}, {});
        return;
    }
    if (slots_.size() < Capacity)
        addHole();
    if (holes_.empty())
        throw Error::standard(errors::SubscriptOutOfRange);

    const int32_t slot = holes_.top();
    holes_.pop();
    slots_[slot].name = name;
    slots_[slot].value = value;
    indexNew(slot, hash);
}

void SlotTable::append(std::string name, std::string value) {
    if (slots_.size() >= Capacity)
        throw Error::standard(errors::SubscriptOutOfRange);
    if (name.empty()) {
        addHole();
        return;
    }
    const uint32_t hash = hashOf(name);
    const auto slot = static_cast<int32_t>(slots_.size());
    slots_.push_back({std::move(name), std::move(value)});
    const Bucket bucket = buckets_[locate(slots_[slot].name, hash)];
    if (bucket.empty()) {
        indexNew(slot, hash);
        return;
    }
    Slot& first = slots_[bucket.slot];
    slots_[first.lastSameName].nextSameName = slot;
    first.lastSameName = slot;
}

void SlotTable::erase(const std::string& name) {
    const std::size_t at = locate(name, hashOf(name));
    Bucket& bucket = buckets_[at];
    if (bucket.empty())
        return;
    const int32_t slot = bucket.slot;
    const int32_t next = slots_[slot].nextSameName;
    if (next < 0) {
        unindex(at);
    } else {
        slots_[next].lastSameName = slots_[slot].lastSameName;
        bucket.slot = next;
    }
    slots_[slot] = Slot{};
    holes_.push(slot);
}

void SlotTable::clear() {
    slots_.clear();
    std::fill(buckets_.begin(), buckets_.end(), Bucket{});
    names_ = 0;
    holes_ = {};
}

void SlotTable::reserve(std::size_t names) {
    growIndexFor(names);
}

uint32_t SlotTable::hashOf(std::string_view name) {
    return static_cast<uint32_t>(std::hash<std::string_view>{}(name));
}

// Bucket holding `name`, or the empty bucket where it would go.
std::size_t SlotTable::locate(std::string_view name, uint32_t hash) const {
    const std::size_t mask = buckets_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const Bucket& bucket = buckets_[at];
        if (bucket.empty() || (bucket.hash == hash && slots_[bucket.slot].name == name))
            return at;
    }
}

void SlotTable::indexNew(int32_t slot, uint32_t hash) {
    growIndexFor(names_ + 1);
    buckets_[locate(slots_[slot].name, hash)] = Bucket{slot, hash};
    slots_[slot].lastSameName = slot;
    ++names_;
}

// Empties a bucket and shifts later members of its probe run back so none becomes unreachable.
void SlotTable::unindex(std::size_t bucket) {
    const std::size_t mask = buckets_.size() - 1;
    std::size_t gap = bucket;
    for (std::size_t at = (gap + 1) & mask; !buckets_[at].empty(); at = (at + 1) & mask) {
        const std::size_t home = buckets_[at].hash & mask;
        // Move it into the gap unless its home lies cyclically within (gap, at].
        const bool homeAfterGap =
            gap <= at ? (home > gap && home <= at) : (home > gap || home <= at);
        if (!homeAfterGap) {
            buckets_[gap] = buckets_[at];
            gap = at;
        }
    }
    buckets_[gap] = Bucket{};
    --names_;
}

// Keeps the index at most half full so probe runs stay short.
void SlotTable::growIndexFor(std::size_t names) {
    std::size_t size = buckets_.size();
    while (size < names * 2)
        size *= 2;
    if (size == buckets_.size())
        return;
    std::vector<Bucket> old = std::exchange(buckets_, std::vector<Bucket>(size));
    for (const Bucket& bucket : old) {
        if (!bucket.empty()) {
            std::size_t at = bucket.hash & (size - 1);
            while (!buckets_[at].empty())
                at = (at + 1) & (size - 1);
            buckets_[at] = bucket;
        }
    }
}

void SlotTable::addHole() {
    slots_.emplace_back();
    holes_.push(lastSlot());
}

} // namespace kiv
