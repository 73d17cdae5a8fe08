#pragma once

// Reading the numbers of the level document back for encoding. Every value is text; a text that is
// not a number of the form its key holds, or a number that does not fit its byte, is an error
// naming the key, so a damaged document stops a save instead of writing wrong bytes.

#include <kiv/ConfigFile.h>

#include <cstdint>
#include <string>

namespace rom {

// A whole decimal number: an optional "-" and 1 to 9 digits.
long decimalValue(const kiv::ConfigFile& doc, const std::string& key);

// Hexadecimal text as the document writes enemy bytes: 1 to 8 hexadecimal digits.
long hexValue(const kiv::ConfigFile& doc, const std::string& key);

// A decimal number with an optional fraction after a point ("-3", "5.125").
double numberValue(const kiv::ConfigFile& doc, const std::string& key);

// `value` rounded to the nearest whole number (halves to even); outside 0 to 255 it throws
// kiv::Error(Overflow) describing `what`.
uint8_t toByte(double value, const std::string& what);

// Parses `text` as a cell's object code, "0" to "255"; false when it is not one.
bool parseObjectCode(const std::string& text, uint8_t& code);

} // namespace rom
