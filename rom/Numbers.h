#pragma once

// Reading numbers out of document and catalogue text the forgiving way the lists have always
// read them, the same under every locale. The strict readers a save uses are in DocumentValues.h.

#include <string>
#include <string_view>

namespace rom {

// The number at the start of `text`: leading blanks skipped, then an optional sign, digits and a
// fraction; "&H" starts hexadecimal digits. Reading stops at the first other character, and text
// without a number reads as 0.
double leadingNumber(std::string_view text);

// The whole part of leadingNumber ("49.7" gives 49); 0 for a number no int can hold.
int leadingWhole(std::string_view text);

// `text` read as hexadecimal digits (as leadingNumber("&H" + text)).
int leadingHex(std::string_view text);

// Upper-case hexadecimal without leading zeros, as the document writes enemy types and bytes.
std::string hexText(unsigned value);

// A multiple of 1/8 as the document writes pipe exits: "3", "-0.375", "12.5".
std::string eighthsText(int eighths);

} // namespace rom
