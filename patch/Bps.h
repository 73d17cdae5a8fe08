#pragma once

// BPS patches: actions that build the target from the source, the patch and the target itself,
// with CRC-32s of source, target and patch.

#include "patch/PatchError.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace patch {

// A patch that turns `source` into `target`, carrying `metadata` (often empty). Unchanged
// stretches are SourceRead, changes TargetRead, and data found elsewhere in the source or
// earlier in the target (runs of one byte among it) SourceCopy and TargetCopy. Images over
// MaxImageSize are refused.
std::vector<uint8_t> makeBps(std::span<const uint8_t> source, std::span<const uint8_t> target,
                             std::string_view metadata = {});

// The target the patch builds from `source`. Before building anything it checks the patch's
// own checksum (ErrBadPatch) and the source's size and checksum (ErrWrongSource); it refuses an
// action that reads or writes outside the images, and a result whose size or checksum is not
// the one the patch declares (ErrBadPatch), and a target over `maxOutput` bytes.
std::vector<uint8_t> applyBps(std::span<const uint8_t> patch, std::span<const uint8_t> source,
                              std::size_t maxOutput = MaxImageSize);

} // namespace patch
