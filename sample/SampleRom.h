#pragma once

#include <cstdint>
#include <vector>

namespace rom {

// A 65,536-byte image with the game's layout and our own original level content.
// The same seed always gives the same image.
std::vector<uint8_t> makeSampleRom(uint32_t seed = 1);

} // namespace rom
