#pragma once

#include <string>
#include <string_view>

namespace kiv::cp1252 {

// Store files hold one Windows-1252 byte per character. The five bytes the code page leaves
// undefined (81, 8D, 8F, 90, 9D) stand for the control characters of the same number, so every
// byte reads back as it was written.
std::string toUtf8(std::string_view bytes);

// Appends the Windows-1252 form of a UTF-8 text; characters the code page lacks (and bytes
// that are not UTF-8) become "?".
void appendEncoded(std::string& out, std::string_view utf8);

} // namespace kiv::cp1252
