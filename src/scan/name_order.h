// The one comparison of entry names, used for sorting and pairing alike.
#pragma once

#include <string>
#include <string_view>

namespace movra {

// Folds only the 26 letters A-Z to a-z; every other code unit stays as it is.
constexpr char16_t foldLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 0x20) : c;
}

// Three-way comparison of two names ignoring the case of A-Z only: negative when `a`
// sorts first, zero when equal that way, positive when `a` sorts after `b`. A proper
// prefix sorts first; non-ASCII code units compare by value.
int CompareNamesNoCase(std::u16string_view a, std::u16string_view b);

// True when the two texts are equal ignoring the case of A-Z only.
bool equalsNoCase(std::u16string_view a, std::u16string_view b);

// The sort order of listings: CompareNamesNoCase, with names equal under it ordered by
// their exact code units, so that case twins (README, readme) come out the same on
// every run.
bool sortsBefore(std::u16string_view a, std::u16string_view b);

}  // namespace movra
