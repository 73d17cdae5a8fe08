#include "rom/DocumentValues.h"

#include "rom/LevelKeys.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace rom {

namespace {

[[noreturn]] void throwNotANumber(const std::string& key, const std::string& text) {
    if (text == kiv::ConfigFile::NotFound)
        throw kiv::Error(kiv::errors::TypeMismatch,
                         "Type mismatch: the key " + key + " is missing");
    throw kiv::Error(kiv::errors::TypeMismatch,
                     "Type mismatch: " + key + " holds \"" + text + "\", which is not a number");
}

bool isDigits(std::string_view s, bool hex) {
    if (s.empty())
        return false;
    for (char c : s) {
        const bool digit = c >= '0' && c <= '9';
        const bool hexLetter = (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
        if (!digit && !(hex && hexLetter))
            return false;
    }
    return true;
}

bool parseWhole(std::string_view s, int base, size_t maxDigits, long& out) {
    const bool negative = base == 10 && !s.empty() && s.front() == '-';
    const std::string_view digits = negative ? s.substr(1) : s;
    if (digits.size() > maxDigits || !isDigits(digits, base == 16))
        return false;
    long value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    out = negative ? -value : value;
    return true;
}

} // namespace

long decimalValue(const kiv::ConfigFile& doc, const std::string& key) {
    const std::string text = doc.GetValue(key);
    long value = 0;
    if (!parseWhole(text, 10, 9, value))
        throwNotANumber(key, text);
    return value;
}

long hexValue(const kiv::ConfigFile& doc, const std::string& key) {
    const std::string text = doc.GetValue(key);
    long value = 0;
    if (!parseWhole(text, 16, 8, value))
        throwNotANumber(key, text);
    return value;
}

double numberValue(const kiv::ConfigFile& doc, const std::string& key) {
    const std::string text = doc.GetValue(key);
    const std::string_view s = text;
    const size_t point = s.find('.');
    long whole = 0;
    if (!parseWhole(s.substr(0, point), 10, 9, whole))
        throwNotANumber(key, text);
    if (point == std::string_view::npos)
        return static_cast<double>(whole);
    const std::string_view fraction = s.substr(point + 1);
    if (fraction.size() > 9 || !isDigits(fraction, false))
        throwNotANumber(key, text);
    // Read as digits rather than through the C library, whose decimal point follows the
    // user's locale: under a comma locale "0.125" would read as 0.
    long numerator = 0;
    std::from_chars(fraction.data(), fraction.data() + fraction.size(), numerator);
    const double magnitude = std::abs(static_cast<double>(whole)) +
                             static_cast<double>(numerator) / std::pow(10.0, fraction.size());
    return s.front() == '-' ? -magnitude : magnitude;
}

uint8_t toByte(double value, const std::string& what) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= 0 && rounded <= 255))
        throw kiv::Error(kiv::errors::Overflow, "Overflow: " + what + " gives " +
                                                    num(std::lround(rounded)) +
                                                    ", which is outside 0 to 255");
    return static_cast<uint8_t>(rounded);
}

bool parseObjectCode(const std::string& text, uint8_t& code) {
    long value = 0;
    if (text.empty() || text.front() == '-' || !parseWhole(text, 10, 3, value) || value > 255)
        return false;
    code = static_cast<uint8_t>(value);
    return true;
}

} // namespace rom
