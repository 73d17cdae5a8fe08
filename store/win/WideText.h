#pragma once

#include <string>
#include <string_view>

#include <windows.h>

#include <oleauto.h>

namespace kiv::win {

// The store keeps UTF-8; automation speaks UTF-16. A lone surrogate, which UTF-8 cannot spell,
// travels as its three-byte generalised form so that a value comes back exactly as it went in.
std::string toUtf8(std::wstring_view text);
std::wstring toWide(std::string_view utf8);

inline std::string toUtf8(BSTR text) {
    return toUtf8(std::wstring_view(text ? text : L"", text ? SysStringLen(text) : 0));
}

// A new BSTR for the caller to own; nullptr only when memory runs out.
BSTR toBstr(std::string_view utf8);

} // namespace kiv::win
