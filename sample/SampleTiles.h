#pragma once

#include <cstdint>
#include <vector>

namespace rom {

// Draws our own 8 x 8 picture of every object the catalogue lists into a whole image: the
// universal objects where every world reads them, each world's own objects where that world
// reads them. No other byte changes.
void drawSampleTiles(std::vector<uint8_t>& image);

} // namespace rom
