#pragma once

// IPS patches: records of bytes to write at offsets, no checksums.

#include "patch/PatchError.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace patch {

// A patch that turns `source` into `target`. Nearby differences share a record, a long run of
// one byte becomes a run-length record, no record starts at 0x454F46 (it would read as the EOF
// footer) and a target shorter than the source ends in the truncation footer. A target over
// MaxImageSize is refused.
std::vector<uint8_t> makeIps(std::span<const uint8_t> source, std::span<const uint8_t> target);

// `source` with the patch's records written over it, grown or truncated as the patch says.
// Throws kiv::Error(ErrBadPatch) for a patch that is not IPS, is truncated, or would make an
// output over `maxOutput` bytes; nothing is returned then.
std::vector<uint8_t> applyIps(std::span<const uint8_t> patch, std::span<const uint8_t> source,
                              std::size_t maxOutput = MaxImageSize);

} // namespace patch
