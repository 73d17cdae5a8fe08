#include "patch/BpsNumbers.h"

#include <limits>

namespace patch {

namespace {

[[noreturn]] void overflow() {
    refuse("The BPS patch is damaged: it holds a number too large to be a size or an offset");
}

} // namespace

void putNumber(std::vector<uint8_t>& out, uint64_t n) {
    for (;;) {
        const uint8_t x = n & 0x7f;
        n >>= 7;
        if (n == 0) {
            out.push_back(0x80 | x);
            return;
        }
        out.push_back(x);
        --n;
    }
}

uint64_t readNumber(ByteReader& in) {
    uint64_t data = 0;
    uint64_t shift = 1;
    for (;;) {
        const uint8_t x = in.byte();
        uint64_t part = 0;
        if (__builtin_mul_overflow(uint64_t(x & 0x7f), shift, &part) ||
            __builtin_add_overflow(data, part, &data))
            overflow();
        if (x & 0x80)
            return data;
        if (shift > std::numeric_limits<uint64_t>::max() >> 7)
            overflow();
        shift <<= 7;
        if (__builtin_add_overflow(data, shift, &data))
            overflow();
    }
}

} // namespace patch
