#include "SlotTable.h"

#include <kiv/Error.h>

namespace kiv {

const std::string* SlotTable::find(const std::string& name) const {
    const auto it = index_.find(name);
    return it == index_.end() ? nullptr : &slots_[it->second.first].value;
}

const std::string* SlotTable::findName(const std::string& value) const {
    for (const Slot& slot : slots_) {
        if (!slot.name.empty() && slot.value == value)
            return &slot.name;
    }
    return nullptr;
}

void SlotTable::write(const std::string& name, const std::string& value) {
    if (const auto it = index_.find(name); it != index_.end()) {
        slots_[it->second.first].value = value;
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
    index_.emplace(name, Chain{slot, slot});
    holes_.pop();
    slots_[slot].name = name;
    slots_[slot].value = value;
}

void SlotTable::append(std::string name, std::string value) {
    if (slots_.size() >= Capacity)
        throw Error::standard(errors::SubscriptOutOfRange);
    if (name.empty()) {
        addHole();
        return;
    }
    const auto slot = static_cast<int32_t>(slots_.size());
    const auto [it, isNew] = index_.try_emplace(name, Chain{slot, slot});
    slots_.push_back({std::move(name), std::move(value)});
    if (!isNew) {
        slots_[it->second.last].nextSameName = slot;
        it->second.last = slot;
    }
}

void SlotTable::erase(const std::string& name) {
    const auto it = index_.find(name);
    if (it == index_.end())
        return;
    const int32_t slot = it->second.first;
    const int32_t next = slots_[slot].nextSameName;
    if (next < 0)
        index_.erase(it);
    else
        it->second.first = next;
    slots_[slot] = Slot{};
    holes_.push(slot);
}

void SlotTable::clear() {
    slots_.clear();
    index_.clear();
    holes_ = {};
}

void SlotTable::reserve(std::size_t slots) {
    slots_.reserve(slots);
    index_.reserve(slots);
}

void SlotTable::addHole() {
    slots_.emplace_back();
    holes_.push(lastSlot());
}

} // namespace kiv
