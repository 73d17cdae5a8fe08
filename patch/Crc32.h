#pragma once

#include <cstdint>
#include <span>

namespace patch {

// The common CRC-32 (reflected polynomial 0xEDB88320, as zlib's crc32), which BPS patches carry.
uint32_t crc32(std::span<const uint8_t> bytes);

} // namespace patch
