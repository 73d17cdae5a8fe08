#pragma once

#include "rom/RomLayout.h"

#include <kiv/Error.h>

#include <cstdint>
#include <string>
#include <vector>

namespace rom {

// The load refuses a file that cannot hold a whole image, and data that would make the decoders
// read outside the image or write cells that are not part of a screen.
inline constexpr int32_t ErrRomTooShort = kiv::errors::ComponentBase + 2;
inline constexpr int32_t ErrCorruptRomData = kiv::errors::ComponentBase + 3;

// The bytes of a ROM image. Every read is checked against the image's bounds, so no data in the
// image, however corrupt, can make a decoder read past its end.
class RomImage {
public:
    explicit RomImage(std::vector<uint8_t> bytes);

    // The first RomSize bytes of the file at `path`. A shorter file is refused with
    // ErrRomTooShort; a file that cannot be opened or read throws the platform's file error.
    static RomImage fromFile(const std::string& path);

    int size() const { return static_cast<int>(bytes_.size()); }
    bool contains(long offset) const { return offset >= 0 && offset < size(); }
    bool containsRange(long first, long count) const {
        return count >= 0 && contains(first) && (count == 0 || contains(first + count - 1));
    }

    // The byte at `offset`; an offset outside the image throws kiv::Error(ErrCorruptRomData).
    uint8_t at(long offset) const;
    // The little-endian 16-bit word at `offset` and `offset` + 1.
    int word(long offset) const;

    // True when the cartridge title bytes add up to the game's sum.
    bool hasGameTitle() const;

    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

} // namespace rom
