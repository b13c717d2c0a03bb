// Comparison of paths and names that ignores the case of A-Z and nothing else.
#pragma once

#include <algorithm>
#include <string_view>

namespace movra::win32 {

// A-Z become a-z; every other code unit is left as it is.
inline char16_t foldAscii(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

// Equal lengths and equal code units once A-Z are folded.
inline bool equalFoldingAscii(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char16_t x, char16_t y) { return foldAscii(x) == foldAscii(y); });
}

}  // namespace movra::win32
