// The store's file access on POSIX systems: the shared file layer, its failures reported as the
// store reports every error.
#include "FileAccess.h"

#include <kiv/Error.h>

#include <files/FileError.h>
#include <files/Files.h>

namespace kiv::file {

namespace {

template <typename Action> auto asStoreError(Action action) {
    try {
        return action();
    } catch (const files::FileError& e) {
        throw Error(e.number(), e.description());
    }
}

} // namespace

std::string readAll(const std::string& path) {
    return asStoreError([&] { return files::readWhole(path); });
}

void replaceWith(const std::string& path, std::string_view bytes) {
    asStoreError([&] { files::replace(path, bytes); });
}

} // namespace kiv::file
