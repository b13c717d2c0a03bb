// UTF-16 text turned into the bytes of one output encoding.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace movra::posix {

// How text leaves the process in one byte encoding.
struct ByteEncoding {
    enum class Kind { Utf8, Ascii, Iconv };
    Kind kind = Kind::Utf8;
    std::string iconvName;  // the iconv codeset, for Kind::Iconv
};

enum class LineEnds {
    Bare,  // each line feed leaves as it is
    CrLf,  // each line feed leaves as carriage return and line feed
};

// The encoding that stands for `codePage`: 65001 UTF-8, 932 CP932, 20932 EUC-JP,
// 20127 US-ASCII; any other value the locale's own codeset `localeCodeset` through iconv
// (US-ASCII when that is empty).
ByteEncoding byteEncodingFor(std::uint32_t codePage, std::string_view localeCodeset);

// Appends `text` in `encoding` to `out`. A character the encoding cannot represent becomes
// one '?' (a surrogate pair is one character); an escaped byte of a name that is not valid
// UTF-8 (U+DC80..U+DCFF) becomes that byte in every encoding, so a name prints as the file
// system holds it. When iconv does not know the codeset, US-ASCII is written instead.
void appendEncoded(std::u16string_view text, const ByteEncoding& encoding, LineEnds lineEnds,
                   std::string& out);

}  // namespace movra::posix
