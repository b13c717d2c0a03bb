// The one converter between the core's UTF-16 and the byte strings of the system.
//
// Names on Linux are byte strings with no guaranteed encoding. They are read as UTF-8,
// and every byte that is not part of valid UTF-8 travels through the core as the lone
// surrogate U+DC00 + byte (U+DC80..U+DCFF, the "surrogateescape" convention), so that any
// name the file system holds comes back out as exactly the bytes it was read from.
#pragma once

#include <string>
#include <string_view>

namespace movra::posix {

// Decodes `bytes` as UTF-8. A byte that does not begin or continue a valid sequence (a
// stray continuation byte, a truncated or overlong sequence, an encoded surrogate, a value
// above U+10FFFF) becomes U+DC00 + byte. For every byte string b,
// utf8FromUtf16(utf16FromUtf8(b)) == b.
std::u16string utf16FromUtf8(std::string_view bytes);

// Appends the UTF-8 form of `text` to `out`. An escaped byte (a lone U+DC80..U+DCFF)
// becomes that byte again; any other lone surrogate becomes U+FFFD (EF BF BD), which is
// what Windows writes for it.
void appendUtf8(std::u16string_view text, std::string& out);

// The UTF-8 form of `text`, as appendUtf8 makes it.
std::string utf8FromUtf16(std::u16string_view text);

// Whether `unit` stands for a byte that was not valid UTF-8 (U+DC80..U+DCFF).
constexpr bool isEscapedByte(char16_t unit) {
    return unit >= 0xDC80 && unit <= 0xDCFF;
}

// The byte an escaped unit stands for.
constexpr char escapedByte(char16_t unit) {
    return static_cast<char>(unit - 0xDC00);
}

}  // namespace movra::posix
