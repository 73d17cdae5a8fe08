#pragma once

#include <string>
#include <string_view>

namespace kiv::file {

// Reads every byte of a file; failures throw kiv::Error with the platform's file error number.
std::string readAll(const std::string& path);

// Replaces the file with `bytes` so that readers only ever see the old or the new content. A
// symbolic link stays a link: the file it points to is replaced.
void replaceWith(const std::string& path, std::string_view bytes);

} // namespace kiv::file
