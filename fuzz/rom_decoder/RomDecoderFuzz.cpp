// Feeds corrupted images to the whole ROM reader. The input is a list of patches laid over the
// sample image, so that small inputs reach every table and screen: each patch is a little-endian
// offset, a length byte and that many bytes. The title is then restored, so that every image
// gets past the identity check into the decoders.
//
// A load must either succeed with the game's screen counts or throw kiv::Error and leave the
// caller's document as it was; anything else is a finding.
//
// Patches are short, so let inputs reach full length at once:
//   rom_decoder_fuzz -max_len=256 -len_control=0 -max_total_time=60 corpus/

#include "rom/LevelKeys.h"
#include "rom/RomReader.h"
#include "rom/SampleRom.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const std::vector<uint8_t>& sampleImage() {
    static const std::vector<uint8_t> image = rom::makeSampleRom();
    return image;
}

std::vector<uint8_t> patchedImage(const uint8_t* data, size_t size) {
    std::vector<uint8_t> image = sampleImage();
    image.resize(rom::RomSize);
    size_t i = 0;
    while (i + 3 <= size) {
        const size_t offset = data[i] | (data[i + 1] << 8);
        const size_t length = std::min<size_t>(data[i + 2], size - i - 3);
        i += 3;
        const size_t fits = std::min(length, image.size() - offset);
        std::memcpy(image.data() + offset, data + i, fits);
        i += length;
    }
    static const char title[] = "SUPER MARIOLAND";
    std::memcpy(image.data() + rom::TitleFirst, title, rom::TitleLast - rom::TitleFirst + 1);
    return image;
}

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kiv::ConfigFile doc;
    doc.WriteValue("Kept", "1");
    try {
        rom::loadROM(rom::RomImage(patchedImage(data, size)), doc);
    } catch (const kiv::Error&) {
        check(doc.GetAll() == "Kept=1");
        return 0;
    }
    for (const auto& table : rom::LevelTables)
        check(doc.GetValue(rom::screensKey(table.level)) == rom::num(table.screens));
    check(doc.GetValue("Kept") == kiv::ConfigFile::NotFound);
    return 0;
}
