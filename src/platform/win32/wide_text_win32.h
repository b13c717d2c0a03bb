// Conversion between the core's char16_t text and the wchar_t text of the Windows API.
//
// wchar_t holds UTF-16 code units on Windows, so both directions copy the code units
// unchanged; nothing is validated or replaced.
#pragma once

#include <string>
#include <string_view>

namespace movra::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows keeps UTF-16 in wchar_t");

// The same code units as wchar_t text.
inline std::wstring toWide(std::u16string_view text) {
    std::wstring wide(text.size(), L'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        wide[i] = static_cast<wchar_t>(text[i]);
    }
    return wide;
}

// The same code units as char16_t text.
inline std::u16string fromWide(std::wstring_view text) {
    std::u16string units(text.size(), u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        units[i] = static_cast<char16_t>(text[i]);
    }
    return units;
}

}  // namespace movra::win32
