#include "SlotTable.h"

#include <kiv/Error.h>

#include <algorithm>
#include <bit>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <utility>

namespace kiv {

namespace {

__extension__ using Wide = unsigned __int128;

inline uint64_t load64(const char* bytes) {
    uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

inline uint64_t load32(const char* bytes) {
    uint32_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// Both halves of the full product, folded: every input bit reaches the low bits the index uses.
inline uint64_t mix(uint64_t a, uint64_t b) {
    const Wide product = static_cast<Wide>(a) * b;
    return static_cast<uint64_t>(product) ^ static_cast<uint64_t>(product >> 64);
}

// The last characters of a name are often written just before it is looked up, one or two at a
// time. Read one by one, each comes straight from its pending write, where a whole-word read
// would wait for all of them to reach the cache. The weights keep the bytes apart.
inline uint64_t tailWord(const char* bytes) {
    constexpr uint64_t Weights[8] = {
        0x9e3779b97f4a7c15ull, 0xbf58476d1ce4e5b9ull, 0x94d049bb133111ebull, 0xd6e8feb86659fd93ull,
        0xa0761d6478bd642full, 0xe7037ed1a0b428dbull, 0x8ebc6af09c88c6e3ull, 0x589965cc75374cc3ull};
    uint64_t word = 0;
    for (int i = 0; i < 8; ++i)
        word += static_cast<unsigned char>(bytes[i]) * Weights[i];
    return word;
}

// Names are mostly short (cell keys run to about 15 characters), so a name is read as a few
// machine words, at most two of them overlapping, and folded with multiplications.
inline uint32_t hashOf(std::string_view name) {
    constexpr uint64_t K0 = 0xa0761d6478bd642full;
    constexpr uint64_t K1 = 0xe7037ed1a0b428dbull;
    constexpr uint64_t K2 = 0x8ebc6af09c88c6e3ull;
    const char* bytes = name.data();
    std::size_t left = name.size();
    uint64_t seed = K0 ^ left;
    uint64_t a = 0;
    uint64_t b = 0;
    if (left > 16) {
        for (; left > 16; bytes += 16, left -= 16)
            seed = mix(load64(bytes) ^ K1, load64(bytes + 8) ^ seed);
        a = load64(bytes + left - 16);
        b = load64(bytes + left - 8);
    } else if (left >= 8) {
        a = load64(bytes);
        b = tailWord(bytes + left - 8);
    } else if (left >= 4) {
        a = load32(bytes);
        b = load32(bytes + left - 4);
    } else if (left > 0) {
        const auto byte = [&](std::size_t i) {
            return uint64_t{static_cast<unsigned char>(bytes[i])};
        };
        a = byte(0) << 16 | byte(left / 2) << 8 | byte(left - 1);
    }
    return static_cast<uint32_t>(mix(K2 ^ name.size(), mix(a ^ K1, b ^ seed)));
}

// Names of 8 to 16 characters are compared as two overlapping words, as the hash reads them,
// without a call to compare memory.
inline bool sameName(std::string_view a, std::string_view b) {
    const std::size_t size = a.size();
    if (size != b.size())
        return false;
    if (size >= 8 && size <= 16)
        return load64(a.data()) == load64(b.data()) &&
               load64(a.data() + size - 8) == load64(b.data() + size - 8);
    return std::memcmp(a.data(), b.data(), size) == 0;
}

// Slots are filled again with keys of the sizes they held before, so the text goes straight
// into the room the string has. Names and values are short: they are copied as two overlapping
// pieces, without a call to copy memory.
inline void copyText(std::string& to, std::string_view from) {
    const std::size_t size = from.size();
    to.resize(size);
    char* out = to.data();
    const char* in = from.data();
    if (size > 16) {
        std::memcpy(out, in, size);
    } else if (size >= 8) {
        std::memcpy(out, in, 8);
        std::memcpy(out + size - 8, in + size - 8, 8);
    } else if (size >= 4) {
        std::memcpy(out, in, 4);
        std::memcpy(out + size - 4, in + size - 4, 4);
    } else if (size > 0) {
        out[0] = in[0];
        out[size / 2] = in[size / 2];
        out[size - 1] = in[size - 1];
    }
}

// Which of sixteen index bytes hold `tag`, and which are empty, as bit masks.
struct GroupScan {
    uint32_t matches;
    uint32_t empties;
};

inline GroupScan scanGroup(const uint8_t* group, uint8_t tag) {
#if defined(__SSE2__)
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(group));
    const auto maskOf = [](__m128i equal) {
        return static_cast<uint32_t>(_mm_movemask_epi8(equal));
    };
    return {maskOf(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(static_cast<char>(tag)))),
            maskOf(_mm_cmpeq_epi8(bytes, _mm_setzero_si128()))};
#else
    GroupScan scan{0, 0};
    for (int i = 0; i < 16; ++i) {
        scan.matches |= static_cast<uint32_t>(group[i] == tag) << i;
        scan.empties |= static_cast<uint32_t>(group[i] == 0) << i;
    }
    return scan;
#endif
}

} // namespace

// The helpers a write runs are inline: a shared library's own functions could otherwise be
// replaced at load time, so the compiler would call each of them for every key.

// Bucket holding `name`, or the empty bucket where it would go. The index is never full, so
// some group has an empty bucket.
inline std::size_t SlotTable::locate(std::string_view name, uint32_t hash) const {
    const std::size_t mask = bucketCount() - 1;
    const uint8_t tag = tagOf(hash);
    for (std::size_t at = hash & mask;; at = (at + GroupSize) & mask) {
        const auto [matches, empties] = scanGroup(&tags_[at], tag);
        // The probe run ends at the first empty bucket.
        const uint32_t run =
            empties == 0 ? ~uint32_t{0} : (uint32_t{1} << std::countr_zero(empties)) - 1;
        for (uint32_t candidates = matches & run; candidates != 0; candidates &= candidates - 1) {
            const std::size_t bucket = (at + std::countr_zero(candidates)) & mask;
            if (sameName(slots_[heads_[bucket].slot].name, name))
                return bucket;
        }
        if (empties != 0)
            return (at + std::countr_zero(empties)) & mask;
    }
}

const std::string* SlotTable::find(std::string_view name) const {
    const std::size_t at = locate(name, hashOf(name));
    return tags_[at] == 0 ? nullptr : &slots_[heads_[at].slot].value;
}

const std::string* SlotTable::findName(const std::string& value) const {
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const Slot& slot = slots_[i];
        if (!slot.name.empty() && slot.value == value)
            return &slot.name;
    }
    return nullptr;
}

void SlotTable::write(const std::string& name, const std::string& value) {
    const uint32_t hash = hashOf(name);
    const std::size_t at = locate(name, hash);
    if (tags_[at] != 0) {
        slots_[heads_[at].slot].value = value;
        return;
    }
    if (name.empty()) {
        // The empty name marks a free slot, so it can only ever land in one.
        if (holes_.empty())
            append({}, {});
        return;
    }
    if (holes_.empty()) {
        // The usual case while a store fills: the lowest free slot is the new top one.
        if (slots_.size() >= Capacity)
            throw Error::standard(errors::SubscriptOutOfRange);
        newSlot(name, value);
        indexNew(lastSlot(), hash, at);
        return;
    }
    if (slots_.size() < Capacity)
        addHole();
    const int32_t slot = holes_.top();
    holes_.pop();
    slots_[slot].name = name;
    slots_[slot].value = value;
    indexNew(slot, hash, at);
}

void SlotTable::append(std::string name, std::string value) {
    if (slots_.size() >= Capacity)
        throw Error::standard(errors::SubscriptOutOfRange);
    if (name.empty()) {
        addHole();
        return;
    }
    const uint32_t hash = hashOf(name);
    const std::size_t at = locate(name, hash);
    const auto slot = static_cast<int32_t>(slots_.size());
    newSlot(name, value);
    if (tags_[at] == 0) {
        indexNew(slot, hash, at);
        return;
    }
    Slot& first = slots_[heads_[at].slot];
    slots_[first.lastSameName].nextSameName = slot;
    first.lastSameName = slot;
}

void SlotTable::erase(std::string_view name) {
    const std::size_t at = locate(name, hashOf(name));
    if (tags_[at] == 0)
        return;
    const int32_t slot = heads_[at].slot;
    const int32_t next = slots_[slot].nextSameName;
    if (next < 0) {
        unindex(at);
    } else {
        slots_[next].lastSameName = slots_[slot].lastSameName;
        heads_[at].slot = next;
    }
    slots_[slot].reset();
    holes_.push(slot);
}

void SlotTable::clear() {
    // The slots are reset as they are handed out again, not here: a store emptied to be filled
    // anew touches each slot once.
    slots_.clear();
    std::fill(tags_.begin(), tags_.end(), uint8_t{0});
    names_ = 0;
    holes_ = {};
}

void SlotTable::reserve(std::size_t names) {
    growIndexFor(std::min(names, std::size_t{Capacity}));
}

// `bucket` is where locate placed the name before the index grew, if it grows.
inline void SlotTable::indexNew(int32_t slot, uint32_t hash, std::size_t bucket) {
    if ((names_ + 1) * 2 > bucketCount() && growIndexFor(names_ + 1))
        bucket = locate(slots_[slot].name, hash);
    setTag(bucket, tagOf(hash));
    heads_[bucket] = {slot, hash};
    slots_[slot].lastSameName = slot;
    ++names_;
}

// Empties a bucket and shifts later members of its probe run back so none becomes unreachable.
void SlotTable::unindex(std::size_t bucket) {
    const std::size_t mask = bucketCount() - 1;
    std::size_t gap = bucket;
    for (std::size_t at = (gap + 1) & mask; tags_[at] != 0; at = (at + 1) & mask) {
        const std::size_t home = heads_[at].hash & mask;
        // Move it into the gap unless its home lies cyclically within (gap, at].
        const bool homeAfterGap =
            gap <= at ? (home > gap && home <= at) : (home > gap || home <= at);
        if (!homeAfterGap) {
            setTag(gap, tags_[at]);
            heads_[gap] = heads_[at];
            gap = at;
        }
    }
    setTag(gap, 0);
    --names_;
}

// Keeps the index at most half full so probe runs stay short. Tells whether it grew.
bool SlotTable::growIndexFor(std::size_t names) {
    std::size_t size = bucketCount();
    while (size < names * 2)
        size *= 2;
    if (size == bucketCount())
        return false;
    const std::vector<uint8_t> oldTags =
        std::exchange(tags_, std::vector<uint8_t>(size + GroupSize - 1));
    const std::vector<Head> oldHeads = std::exchange(heads_, std::vector<Head>(size));
    const std::size_t mask = size - 1;
    for (std::size_t from = 0; from < oldHeads.size(); ++from) {
        if (oldTags[from] == 0)
            continue;
        std::size_t at = oldHeads[from].hash & mask;
        while (tags_[at] != 0)
            at = (at + 1) & mask;
        setTag(at, oldTags[from]);
        heads_[at] = oldHeads[from];
    }
    return true;
}

inline void SlotTable::setTag(std::size_t bucket, uint8_t tag) {
    tags_[bucket] = tag;
    if (bucket < GroupSize - 1)
        tags_[bucketCount() + bucket] = tag;
}

inline SlotTable::Slot& SlotTable::newSlot(std::string_view name, std::string_view value) {
    Slot& slot = slots_.grow();
    copyText(slot.name, name);
    copyText(slot.value, value);
    slot.nextSameName = -1;
    slot.lastSameName = -1;
    return slot;
}

void SlotTable::addHole() {
    slots_.grow().reset();
    holes_.push(lastSlot());
}

} // namespace kiv
