#pragma once

// What the BPS writer and applier share.

#include <array>
#include <cstddef>
#include <cstdint>

namespace patch::bps {

inline constexpr std::array<uint8_t, 4> Header{'B', 'P', 'S', '1'};
// Source, target and patch CRC-32, little-endian.
inline constexpr std::size_t FooterSize = 12;

enum Command : uint64_t { SourceRead = 0, TargetRead = 1, SourceCopy = 2, TargetCopy = 3 };

} // namespace patch::bps
