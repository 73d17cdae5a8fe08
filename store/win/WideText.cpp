#include "WideText.h"

#include "Utf8.h"

namespace kiv::win {

namespace {

bool isHigh(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLow(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void appendUtf16(std::wstring& out, char32_t code) {
    if (code < 0x10000) {
        out += static_cast<wchar_t>(code);
    } else {
        code -= 0x10000;
        out += static_cast<wchar_t>(0xD800 | (code >> 10));
        out += static_cast<wchar_t>(0xDC00 | (code & 0x3FF));
    }
}

} // namespace

std::string toUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = static_cast<char16_t>(text[i]);
        if (isHigh(unit) && i + 1 < text.size() && isLow(static_cast<char16_t>(text[i + 1]))) {
            const char32_t low = static_cast<char16_t>(text[++i]);
            utf8::append(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        } else {
            utf8::append(out, unit);
        }
    }
    return out;
}

std::wstring toWide(std::string_view utf8) {
    std::wstring out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        std::size_t length = 1;
        char32_t code = lead;
        char32_t minimum = 0;
        if (lead >= 0xC0 && lead < 0xE0)
            length = 2, code = lead & 0x1F, minimum = 0x80;
        else if (lead >= 0xE0 && lead < 0xF0)
            length = 3, code = lead & 0x0F, minimum = 0x800;
        else if (lead >= 0xF0 && lead < 0xF8)
            length = 4, code = lead & 0x07, minimum = 0x10000;
        bool valid = lead < 0x80 || (length > 1 && pos + length <= utf8.size());
        for (std::size_t i = 1; valid && i < length; ++i) {
            const auto byte = static_cast<unsigned char>(utf8[pos + i]);
            valid = (byte & 0xC0) == 0x80;
            code = (code << 6) | (byte & 0x3F);
        }
        valid = valid && code >= minimum && code <= 0x10FFFF;
        if (!valid) {
            out += static_cast<wchar_t>(0xFFFD);
            ++pos;
            continue;
        }
        appendUtf16(out, code);
        pos += length;
    }
    return out;
}

BSTR toBstr(std::string_view utf8) {
    const std::wstring wide = toWide(utf8);
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

} // namespace kiv::win
