#include "rom/Numbers.h"

#include "rom/LevelKeys.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace rom {

namespace {

int digitValue(char c, int base) {
    const int d = (c >= '0' && c <= '9')   ? c - '0'
                  : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                  : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                                           : -1;
    return d < base ? d : -1;
}

bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool startsWithHexMark(std::string_view text) {
    return text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h');
}

} // namespace

double leadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (startsWithHexMark(text.substr(i))) {
        long long value = 0;
        for (i += 2; i < text.size() && digitValue(text[i], 16) >= 0; ++i)
            value = value * 16 + digitValue(text[i], 16);
        return static_cast<double>(value);
    }
    double sign = 1;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        sign = text[i++] == '-' ? -1 : 1;
    double value = 0;
    for (; i < text.size() && digitValue(text[i], 10) >= 0; ++i)
        value = value * 10 + digitValue(text[i], 10);
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && digitValue(text[i], 10) >= 0; ++i, scale /= 10)
            value += digitValue(text[i], 10) * scale;
    }
    return sign * value;
}

int leadingWhole(std::string_view text) {
    const double number = leadingNumber(text);
    // Out-of-range text (say, from an edited data file) must not overflow the conversion.
    if (!std::isfinite(number) || number < std::numeric_limits<int>::min() ||
        number > std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(number);
}

int leadingHex(std::string_view text) {
    return static_cast<int>(leadingNumber(cat({"&H", text})));
}

std::string eighthsText(int eighths) {
    const long magnitude = std::labs(eighths);
    std::string text = eighths < 0 ? "-" : "";
    text += num(magnitude / 8);
    const int thousandths = (magnitude % 8) * 125;
    if (thousandths != 0) {
        std::string fraction = num(thousandths);
        fraction.insert(0, 3 - fraction.size(), '0');
        fraction.erase(fraction.find_last_not_of('0') + 1);
        text += "." + fraction;
    }
    return text;
}

std::string hexText(unsigned value) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), digits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return text;
}

} // namespace rom
