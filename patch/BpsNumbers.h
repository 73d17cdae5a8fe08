#pragma once

// The variable-length numbers of BPS patches.

#include "patch/ByteReader.h"

#include <cstdint>
#include <vector>

namespace patch {

void putNumber(std::vector<uint8_t>& out, uint64_t n);
// Refuses a number that does not fit 64 bits.
uint64_t readNumber(ByteReader& in);

} // namespace patch
