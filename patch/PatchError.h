#pragma once

// How the patch functions refuse: kiv::Error, as the codec reports its errors, with a number of
// its own and a message that says what is wrong in the user's words.

#include <kiv/Error.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace patch {

// A patch that cannot be applied: not a patch, damaged, truncated, or one whose records reach
// outside the image.
inline constexpr int32_t ErrBadPatch = kiv::errors::ComponentBase + 16;
// A sound patch made for another file than the one it is applied to.
inline constexpr int32_t ErrWrongSource = kiv::errors::ComponentBase + 17;

// The largest image a patch is made from or produces: far above any Game Boy ROM, and low enough
// that a hostile size field cannot make us allocate without bound.
inline constexpr std::size_t MaxImageSize = std::size_t{16} << 20;

[[noreturn]] inline void refuse(const std::string& message, int32_t number = ErrBadPatch) {
    throw kiv::Error(number, message);
}

// "0x1234AB"
std::string hex(uint64_t value, int digits);
// "1 byte", "16 bytes"
std::string bytesText(uint64_t n);
// A size limit as the user reads it: "16 MiB", or bytesText for sizes that are no whole MiB.
std::string limitText(std::size_t n);

} // namespace patch
