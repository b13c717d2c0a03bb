#include "platform/posix/utf8_text.h"

#include <cstddef>
#include <cstdint>

namespace movra::posix {
namespace {

bool isContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Decodes one multi-byte sequence starting at bytes[i] (whose lead byte is >= 0x80).
// Returns its length and stores the code point, or returns 0 when the sequence is not
// valid UTF-8: the lead byte is then escaped on its own and decoding resumes after it.
std::size_t decodeSequence(std::string_view bytes, std::size_t i, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, cp = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, cp = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, cp = lead & 0x07u;
    } else {
        return 0;
    }
    if (bytes.size() - i < length) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(bytes[i + k]);
        if (!isContinuation(b)) {
            return 0;
        }
        cp = (cp << 6) | (b & 0x3Fu);
    }
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    if (cp < minimum || cp > 0x10FFFF || surrogate) {
        return 0;
    }
    return length;
}

void appendCodePoint(char32_t cp, std::string& out) {
    if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (cp & 0x3F));
}

}  // namespace

std::u16string utf16FromUtf8(std::string_view bytes) {
    // Every byte yields at most one UTF-16 unit (a four-byte sequence yields two), so the
    // byte count bounds the result and one allocation suffices.
    std::u16string out(bytes.size(), u'\0');
    std::size_t o = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out[o++] = b;
            ++i;
            continue;
        }
        char32_t cp = 0;
        const std::size_t length = decodeSequence(bytes, i, cp);
        if (length == 0) {
            out[o++] = static_cast<char16_t>(0xDC00 + b);
            ++i;
        } else if (cp < 0x10000) {
            out[o++] = static_cast<char16_t>(cp);
            i += length;
        } else {
            out[o++] = static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out[o++] = static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
            i += length;
        }
    }
    out.resize(o);
    return out;
}

void appendUtf8(std::u16string_view text, std::string& out) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0xD800 || u > 0xDFFF) {
            appendCodePoint(u, out);
        } else if (u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                   text[i + 1] <= 0xDFFF) {
            appendCodePoint(0x10000 + ((char32_t{u} - 0xD800) << 10) + (text[i + 1] - 0xDC00), out);
            ++i;
        } else if (isEscapedByte(u)) {
            out += escapedByte(u);
        } else {
            out += "\xEF\xBF\xBD";
        }
    }
}

std::string utf8FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    appendUtf8(text, out);
    return out;
}

}  // namespace movra::posix
