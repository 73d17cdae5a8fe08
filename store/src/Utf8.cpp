#include "Utf8.h"

namespace kiv::utf8 {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

char32_t upperOf(char32_t code) {
    if (code >= U'a' && code <= U'z')
        return code - 0x20;
    if (code >= 0xE0 && code <= 0xFE && code != 0xF7)
        return code - 0x20;
    switch (code) {
    case 0xFF:
        return 0x178;
    case 0x153:
    case 0x161:
    case 0x17E:
        return code - 1; // œ š ž
    default:
        return code;
    }
}

} // namespace

Char decode(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80)
        return {lead, 1, true};

    std::size_t length;
    char32_t code;
    char32_t minimum;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, minimum = 0x10000;
    } else {
        return {lead, 1, false};
    }
    if (pos + length > text.size())
        return {lead, 1, false};
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!isContinuation(byte))
            return {lead, 1, false};
        code = (code << 6) | (byte & 0x3F);
    }
    const bool wellFormed =
        code >= minimum && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
    if (!wellFormed)
        return {lead, 1, false};
    return {code, length, true};
}

std::size_t advance(std::string_view text, std::size_t pos, std::size_t count) {
    for (; count > 0 && pos < text.size(); --count)
        pos += decode(text, pos).length;
    return pos;
}

void append(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string toUpper(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const Char c = decode(text, pos);
        if (c.valid)
            append(out, upperOf(c.code));
        else
            out += text[pos];
        pos += c.length;
    }
    return out;
}

} // namespace kiv::utf8
