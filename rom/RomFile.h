#pragma once

// Whole-file reading and writing for the codec, over the file layer the store shares
// (store/files). Failures throw kiv::Error with the platform's file error numbers (53 file not
// found, 61 disk full, 70 permission denied, 75 path/file access, 76 path not found).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rom {

// Every byte of the file at `path`.
std::vector<uint8_t> readWholeFile(const std::string& path);

// The first `count` bytes of the file at `path`, or all of them when it is shorter.
std::vector<uint8_t> readFileStart(const std::string& path, std::size_t count);

// Makes `path` hold exactly `bytes`: they are written to a new file in the same folder, flushed
// to disk and renamed over `path`, so that `path` holds either its old content or the new one,
// never a part. An existing file keeps its permissions. A symbolic link stays a link: the file it
// points to is replaced, in that file's folder. An existing file that the user may not write is
// refused with 70 (permission denied), as writing into it would be. On failure nothing is left
// behind.
void replaceFile(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace rom
