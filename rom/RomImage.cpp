#include "rom/RomImage.h"

#include "rom/RomFile.h"

#include <numeric>
#include <utility>

namespace rom {

RomImage::RomImage(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

RomImage RomImage::fromFile(const std::string& path) {
    std::vector<uint8_t> bytes = readFileStart(path, static_cast<size_t>(RomSize));
    if (bytes.size() < static_cast<size_t>(RomSize))
        throw kiv::Error(ErrRomTooShort, "The file is too short to be a Super Mario Land ROM (" +
                                             std::to_string(bytes.size()) + " bytes)");
    return RomImage(std::move(bytes));
}

uint8_t RomImage::at(long offset) const {
    if (!contains(offset))
        throw kiv::Error(ErrCorruptRomData,
                         "Read outside the ROM image at offset " + std::to_string(offset));
    return bytes_[static_cast<size_t>(offset)];
}

int RomImage::word(long offset) const {
    return at(offset) | (at(offset + 1) << 8);
}

bool RomImage::hasGameTitle() const {
    if (!containsRange(TitleFirst, TitleLast - TitleFirst + 1))
        return false;
    const int sum = std::accumulate(bytes_.begin() + TitleFirst, bytes_.begin() + TitleLast + 1, 0);
    return sum == TitleSum;
}

} // namespace rom
