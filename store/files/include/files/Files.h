#pragma once

// Whole-file reading and atomic replacing, shared by the store and the ROM codec. Every failure
// throws files::FileError (FileError.h).

#include <cstddef>
#include <string>
#include <string_view>

namespace files {

// Every byte of the file at `path`.
std::string readWhole(const std::string& path);

// The first `count` bytes of the file at `path`, or all of them when it is shorter.
std::string readStart(const std::string& path, std::size_t count);

// Makes `path` hold exactly `bytes`: they are written to a new file in the same folder, flushed
// to disk and renamed over `path`, so that readers see the old content or the new one, never a
// part. An existing file keeps its permissions. A symbolic link stays a link: the file at the end
// of its chain is replaced, in that file's folder. An existing file that the user may not write
// is refused with 70, as writing into it would be. On failure nothing is left behind.
void replace(const std::string& path, std::string_view bytes);

} // namespace files
