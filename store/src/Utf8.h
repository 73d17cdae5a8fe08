#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kiv::utf8 {

// One character of a UTF-8 text. A byte that does not start a well-formed sequence is a
// character of its own (valid = false), so every text splits into characters.
struct Char {
    char32_t code = 0;
    std::size_t length = 1;
    bool valid = false;
};

Char decode(std::string_view text, std::size_t pos);

// Byte offset just past `count` characters starting at byte `pos` (or the end of the text).
std::size_t advance(std::string_view text, std::size_t pos, std::size_t count);

void append(std::string& out, char32_t code);

// Upper case of ASCII and of the letters of the store file's code page.
std::string toUpper(std::string_view text);

} // namespace kiv::utf8
