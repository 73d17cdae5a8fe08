#include "DecodeDraws.h"

#include "rom/ScreenDecoder.h"

void decodeDraws(const rom::RomImage& rom, long offset, std::vector<Draw>& draws) {
    draws.clear();
    rom::decodeScreen(rom, offset, "11", [&](int x, int y, int repeat, uint8_t code) {
        draws.push_back({x, y, repeat, code});
    });
}
