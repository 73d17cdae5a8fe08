#pragma once

// Patches of either format, for the front ends: the format a file name asks for when a patch is
// written, the one its first bytes show when it is applied.

#include "patch/PatchError.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace patch {

enum class Format { Ips, Bps };

// By the extension of `path`, ".ips" or ".bps" in any case; nothing for any other name.
std::optional<Format> formatOfName(std::string_view path);

// makeIps or makeBps; metadata only goes into a BPS patch. Throws kiv::Error.
std::vector<uint8_t> makePatch(Format format, std::span<const uint8_t> source,
                               std::span<const uint8_t> target, std::string_view metadata = {});

// applyIps or applyBps, by the patch's header ("PATCH" or "BPS1"); anything else is refused with
// ErrBadPatch. Throws kiv::Error and returns nothing when the patch is refused.
std::vector<uint8_t> applyPatch(std::span<const uint8_t> patch, std::span<const uint8_t> source,
                                std::size_t maxOutput = MaxImageSize);

} // namespace patch
