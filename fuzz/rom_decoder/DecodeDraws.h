#pragma once

#include "rom/RomImage.h"

#include <cstdint>
#include <vector>

// One call of the screen decoder's draw callback.
struct Draw {
    int x;
    int y;
    int repeat;
    uint8_t code;
};

// Runs the screen decoder over the screen at `offset` and records its draws in `draws`. Kept in
// a file of its own so that libFuzzer's coverage takes in the decoder and not the checks.
void decodeDraws(const rom::RomImage& rom, long offset, std::vector<Draw>& draws);
