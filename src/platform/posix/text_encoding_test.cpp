#include "platform/posix/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace movra::posix {
namespace {

std::string encoded(std::u16string_view text, std::uint32_t codePage,
                    LineEnds lineEnds = LineEnds::CrLf, std::string_view codeset = "") {
    std::string out;
    appendEncoded(text, byteEncodingFor(codePage, codeset), lineEnds, out);
    return out;
}

TEST(TextEncoding, RedirectedLinesEndInCrLf) {
    EXPECT_EQ(encoded(u"a\nb\n", 65001), "a\r\nb\r\n");
    EXPECT_EQ(encoded(u"\n\n", 20127), "\r\n\r\n");
    EXPECT_EQ(encoded(u"\u65E5\n", 932), "\x93\xFA\r\n");
}

TEST(TextEncoding, ConsoleLinesKeepBareLineFeeds) {
    EXPECT_EQ(encoded(u"a\nb\n", 65001, LineEnds::Bare), "a\nb\n");
    EXPECT_EQ(encoded(u"\u65E5\n", 932, LineEnds::Bare), "\x93\xFA\n");
}

TEST(TextEncoding, Utf8KeepsEveryCharacter) {
    EXPECT_EQ(encoded(u"\u00E4 \u65E5 \U0001F600", 65001),
              "\xC3\xA4 \xE6\x97\xA5 \xF0\x9F\x98\x80");
    EXPECT_EQ(encoded(u"\a\n", 65001), "\a\r\n");  // the bell of the pause prompt
}

TEST(TextEncoding, AsciiWritesQuestionMarksForTheRest) {
    EXPECT_EQ(encoded(u"caf\u00E9 \u65E5\n", 20127), "caf? ?\r\n");
    EXPECT_EQ(encoded(u"\U0001F600", 20127), "?");  // one character, one mark
    EXPECT_EQ(encoded(u"\xD800x", 20127), "?x");
}

TEST(TextEncoding, ShiftJisWritesQuestionMarksForWhatItLacks) {
    EXPECT_EQ(encoded(u"a\u65E5\u672C\U0001F600\u00E9b\n", 932), "a\x93\xFA\x96\x7B??b\r\n");
    EXPECT_EQ(encoded(u"\uFF21\\", 932), "\x82\x60\\");  // full-width A; backslash stays
}

TEST(TextEncoding, EucJp) {
    EXPECT_EQ(encoded(u"\u65E5x\n", 20932), "\xC6\xFCx\r\n");
    EXPECT_EQ(encoded(u"\U0001F600", 20932), "?");
}

TEST(TextEncoding, EscapedBytesLeaveAsThemselvesEverywhere) {
    EXPECT_EQ(encoded(u"a\xDCFF.txt", 65001), "a\xFF.txt");
    EXPECT_EQ(encoded(u"a\xDCFF.txt", 20127), "a\xFF.txt");
    EXPECT_EQ(encoded(u"\u65E5\xDC93\xDCFA", 932), "\x93\xFA\x93\xFA");
}

TEST(TextEncoding, OtherCodesetsGoThroughIconvByName) {
    EXPECT_EQ(encoded(u"\u00E9\u65E5\n", 0, LineEnds::CrLf, "ISO-8859-1"), "\xE9?\r\n");
}

TEST(TextEncoding, UnknownCodesetFallsBackToAscii) {
    EXPECT_EQ(encoded(u"\u00E9x\n", 0, LineEnds::CrLf, "NO-SUCH-CODESET"), "?x\r\n");
    EXPECT_EQ(encoded(u"\u00E9x", 0, LineEnds::CrLf, ""), "?x");
}

TEST(TextEncoding, CodePagesMapToEncodings) {
    EXPECT_EQ(byteEncodingFor(65001, "").kind, ByteEncoding::Kind::Utf8);
    EXPECT_EQ(byteEncodingFor(20127, "").kind, ByteEncoding::Kind::Ascii);
    EXPECT_EQ(byteEncodingFor(932, "SJIS").iconvName, "CP932");
    EXPECT_EQ(byteEncodingFor(20932, "eucJP").iconvName, "EUC-JP");
    EXPECT_EQ(byteEncodingFor(0, "ISO-8859-15").iconvName, "ISO-8859-15");
}

}  // namespace
}  // namespace movra::posix
