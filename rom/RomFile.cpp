#include "rom/RomFile.h"

#include <kiv/Error.h>

#include <files/FileError.h>
#include <files/Files.h>

namespace rom {

namespace {

template <typename Action> auto asStoreError(Action action) {
    try {
        return action();
    } catch (const files::FileError& e) {
        throw kiv::Error(e.number(), e.description());
    }
}

std::vector<uint8_t> bytesOf(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

} // namespace

std::vector<uint8_t> readWholeFile(const std::string& path) {
    return asStoreError([&] { return bytesOf(files::readWhole(path)); });
}

std::vector<uint8_t> readFileStart(const std::string& path, std::size_t count) {
    return asStoreError([&] { return bytesOf(files::readStart(path, count)); });
}

void replaceFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    asStoreError([&] { files::replace(path, text); });
}

} // namespace rom
