#include "Cp1252.h"

#include "Utf8.h"

#include <array>

namespace kiv::cp1252 {

namespace {

// Characters of the bytes 80 to 9F.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char Unrepresentable = '?';

char encode(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == code)
            return static_cast<char>(0x80 + i);
    }
    return Unrepresentable;
}

} // namespace

std::string toUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80)
            out += ch;
        else if (byte < 0xA0)
            utf8::append(out, HighControls[byte - 0x80]);
        else
            utf8::append(out, byte);
    }
    return out;
}

void appendEncoded(std::string& out, std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        if (lead < 0x80) {
            out += utf8[pos++];
            continue;
        }
        const utf8::Char c = utf8::decode(utf8, pos);
        out += c.valid ? encode(c.code) : Unrepresentable;
        pos += c.length;
    }
}

} // namespace kiv::cp1252
