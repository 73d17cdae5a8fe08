#pragma once

#include <string>

namespace files {

// The folder that holds `path`: "." for a bare name, "/" for a name in the root.
std::string folderOf(const std::string& path);

bool folderExists(const std::string& folder);

} // namespace files
