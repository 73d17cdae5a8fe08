#pragma once

#include "patch/PatchError.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>

namespace patch {

// Reads a patch front to back. A read past the end refuses the patch as truncated with
// `truncatedMessage`, so no record can make an applier look outside the patch.
class ByteReader {
public:
    ByteReader(std::span<const uint8_t> bytes, std::string truncatedMessage)
        : bytes_(bytes), truncatedMessage_(std::move(truncatedMessage)) {}

    std::size_t position() const { return position_; }
    std::size_t remaining() const { return bytes_.size() - position_; }
    bool atEnd() const { return position_ == bytes_.size(); }

    uint8_t byte() {
        need(1);
        return bytes_[position_++];
    }
    // `count` bytes, most significant first.
    uint32_t bigEndian(int count) {
        uint32_t value = 0;
        for (int k = 0; k < count; ++k)
            value = value << 8 | byte();
        return value;
    }
    std::span<const uint8_t> take(std::size_t count) {
        need(count);
        const std::span<const uint8_t> part = bytes_.subspan(position_, count);
        position_ += count;
        return part;
    }

private:
    void need(std::size_t count) const {
        if (count > remaining())
            refuse(truncatedMessage_);
    }

    std::span<const uint8_t> bytes_;
    std::string truncatedMessage_;
    std::size_t position_ = 0;
};

} // namespace patch
