#include "rom/RomImage.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <numeric>

namespace rom {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// The platform's number for a file that could not be opened: a missing file and a missing
// folder are told apart, as the user can act on each differently.
kiv::Error openError(const std::string& path, int err) {
    if (err == ENOENT) {
        const auto folder = std::filesystem::path(path).parent_path();
        std::error_code ec;
        const bool folderExists = folder.empty() || std::filesystem::is_directory(folder, ec);
        return kiv::Error::standard(folderExists ? kiv::errors::FileNotFound
                                                 : kiv::errors::PathNotFound);
    }
    if (err == ENOTDIR)
        return kiv::Error::standard(kiv::errors::PathNotFound);
    if (err == EACCES || err == EPERM)
        return kiv::Error::standard(kiv::errors::PermissionDenied);
    return kiv::Error::standard(kiv::errors::PathFileAccess);
}

} // namespace

RomImage::RomImage(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

RomImage RomImage::fromFile(const std::string& path) {
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throw openError(path, errno);
    std::vector<uint8_t> bytes(RomSize);
    const size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (std::ferror(file.get()))
        throw kiv::Error::standard(kiv::errors::PathFileAccess);
    if (got < bytes.size())
        throw kiv::Error(ErrRomTooShort, "The file is too short to be a Super Mario Land ROM (" +
                                             std::to_string(got) + " bytes)");
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
