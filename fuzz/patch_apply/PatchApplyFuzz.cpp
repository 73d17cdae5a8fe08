// Feeds arbitrary bytes to the patch appliers. The input is a mode byte, a source length and the
// patch; the source is that many bytes of "ABCDEFGHIJKLMNOP" repeated (its first 16 are the
// source of the hand-built fixtures). With bit 0 of the mode set, a patch that begins with
// "BPS1" gets the right source and patch checksums first, so that the fuzzer reaches the
// actions without having to find a CRC-32.
//
// Every patch must either be refused with a clear error or give an image no larger than its cap;
// an image it gives must come back from our own IPS and BPS writers.
//
// Run it with: patch_apply_fuzz -max_len=4096 corpus/

#include "patch/Crc32.h"
#include "patch/Patch.h"
#include "patch/PatchError.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// The appliers take the cap from their caller; a small one keeps each run quick, as an IPS record
// far out makes the output that large.
constexpr std::size_t MaxOutput = std::size_t{1} << 20;

void check(bool condition) {
    if (!condition)
        std::abort();
}

void putLittleEndian(uint8_t* at, uint32_t value) {
    for (int k = 0; k < 4; ++k)
        at[k] = uint8_t(value >> (8 * k));
}

void sealBps(Bytes& patch, const Bytes& source) {
    if (patch.size() < 16 || patch[0] != 'B' || patch[1] != 'P' || patch[2] != 'S' ||
        patch[3] != '1')
        return;
    putLittleEndian(&patch[patch.size() - 12], patch::crc32(source));
    putLittleEndian(&patch[patch.size() - 4],
                    patch::crc32(std::span(patch).first(patch.size() - 4)));
}

// Our writers must give back what an applier accepted; larger images only cost time.
void checkWritersGiveBack(const Bytes& source, const Bytes& target) {
    if (target.size() > 0x10000)
        return;
    for (const patch::Format format : {patch::Format::Ips, patch::Format::Bps})
        check(patch::applyPatch(patch::makePatch(format, source, target), source) == target);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const uint8_t mode = data[0];
    Bytes source(data[1]);
    for (std::size_t k = 0; k < source.size(); ++k)
        source[k] = uint8_t('A' + k % 16);
    Bytes patchBytes(data + 2, data + size);
    if (mode & 1)
        sealBps(patchBytes, source);

    Bytes target;
    try {
        target = patch::applyPatch(patchBytes, source, MaxOutput);
    } catch (const kiv::Error& e) {
        check((e.number() == patch::ErrBadPatch || e.number() == patch::ErrWrongSource) &&
              !e.description().empty());
        return 0;
    }
    check(target.size() <= MaxOutput);
    checkWritersGiveBack(source, target);
    return 0;
}
