#include "platform/posix/text_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>

#include "platform/posix/locale.h"
#include "platform/posix/utf8_text.h"

namespace movra::posix {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);  // iconv_open's failure value

// iconv_open loads a module and builds tables, so the converter is opened once and kept.
// A process writes in at most one codeset besides UTF-8, so one cached converter suffices.
iconv_t converterTo(const std::string& codeset) {
    static std::string openedName;
    static iconv_t converter = kNoConverter;
    if (converter == kNoConverter || openedName != codeset) {
        if (converter != kNoConverter) {
            iconv_close(converter);
        }
        converter = iconv_open(codeset.c_str(), "UTF-8");
        openedName = codeset;
    }
    return converter;
}

bool isHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool isLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

void appendAsciiUnit(char16_t u, LineEnds lineEnds, std::string& out) {
    if (u == u'\n' && lineEnds == LineEnds::CrLf) {
        out += '\r';
    }
    out += static_cast<char>(u);
}

// The length of the UTF-8 character whose lead byte is `lead` (the input is well formed).
std::size_t utf8Length(unsigned char lead) {
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// Converts well-formed UTF-8 with `converter`; each character it cannot convert becomes '?'.
void appendConverted(iconv_t converter, std::string& utf8, std::string& out) {
    char* in = utf8.data();
    std::size_t inLeft = utf8.size();
    while (inLeft > 0) {
        char chunk[256];
        char* o = chunk;
        std::size_t outLeft = sizeof chunk;
        const std::size_t result = iconv(converter, &in, &inLeft, &o, &outLeft);
        out.append(chunk, static_cast<std::size_t>(o - chunk));
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            const std::size_t skip = utf8Length(static_cast<unsigned char>(*in));
            out += '?';
            in += skip;
            inLeft -= skip;
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
        }
    }
    char chunk[64];  // the return to the initial shift state of a stateful codeset
    char* o = chunk;
    std::size_t outLeft = sizeof chunk;
    iconv(converter, nullptr, nullptr, &o, &outLeft);
    out.append(chunk, static_cast<std::size_t>(o - chunk));
}

void appendUtf8Text(std::u16string_view text, LineEnds lineEnds, std::string& out) {
    if (lineEnds == LineEnds::Bare) {
        appendUtf8(text, out);
        return;
    }
    for (auto lf = text.find(u'\n'); lf != std::u16string_view::npos; lf = text.find(u'\n')) {
        appendUtf8(text.substr(0, lf), out);
        out += "\r\n";
        text.remove_prefix(lf + 1);
    }
    appendUtf8(text, out);
}

void appendAsciiText(std::u16string_view text, LineEnds lineEnds, std::string& out) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (u < 0x80) {
            appendAsciiUnit(u, lineEnds, out);
        } else if (isEscapedByte(u)) {
            out += escapedByte(u);
        } else {
            const bool pair =
                isHighSurrogate(u) && i + 1 < text.size() && isLowSurrogate(text[i + 1]);
            i += pair ? 1 : 0;
            out += '?';
        }
    }
}

// ASCII and escaped bytes go straight out; each run of other characters passes through
// iconv as UTF-8. Every codeset a locale can name keeps ASCII as it is, so only the
// non-ASCII runs pay for the conversion.
void appendIconvText(std::u16string_view text, iconv_t converter, LineEnds lineEnds,
                     std::string& out) {
    std::string run;
    std::size_t i = 0;
    while (i < text.size()) {
        const char16_t u = text[i];
        if (u < 0x80) {
            appendAsciiUnit(u, lineEnds, out);
            ++i;
            continue;
        }
        if (isEscapedByte(u)) {
            out += escapedByte(u);
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < text.size() && text[end] >= 0x80 && !isEscapedByte(text[end])) {
            ++end;
        }
        run.clear();
        appendUtf8(text.substr(i, end - i), run);
        appendConverted(converter, run, out);
        i = end;
    }
}

}  // namespace

ByteEncoding byteEncodingFor(std::uint32_t codePage, std::string_view localeCodeset) {
    switch (codePage) {
        case kCodePageUtf8:
            return {ByteEncoding::Kind::Utf8, {}};
        case kCodePageShiftJis:
            return {ByteEncoding::Kind::Iconv, "CP932"};
        case kCodePageEucJp:
            return {ByteEncoding::Kind::Iconv, "EUC-JP"};
        case kCodePageAscii:
            return {ByteEncoding::Kind::Ascii, {}};
        default:
            if (localeCodeset.empty()) {
                return {ByteEncoding::Kind::Ascii, {}};
            }
            return {ByteEncoding::Kind::Iconv, std::string(localeCodeset)};
    }
}

void appendEncoded(std::u16string_view text, const ByteEncoding& encoding, LineEnds lineEnds,
                   std::string& out) {
    if (encoding.kind == ByteEncoding::Kind::Utf8) {
        appendUtf8Text(text, lineEnds, out);
        return;
    }
    const iconv_t converter =
        encoding.kind == ByteEncoding::Kind::Iconv ? converterTo(encoding.iconvName) : kNoConverter;
    if (converter == kNoConverter) {
        appendAsciiText(text, lineEnds, out);
    } else {
        appendIconvText(text, converter, lineEnds, out);
    }
}

}  // namespace movra::posix
