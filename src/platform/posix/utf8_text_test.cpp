#include "platform/posix/utf8_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace movra::posix {
namespace {

TEST(Utf8Text, AsciiPassesThroughBothWays) {
    EXPECT_EQ(utf16FromUtf8("docs/sub/name.txt"), u"docs/sub/name.txt");
    EXPECT_EQ(utf8FromUtf16(u"docs/sub/name.txt"), "docs/sub/name.txt");
    EXPECT_EQ(utf16FromUtf8(""), u"");
}

TEST(Utf8Text, DecodesEveryLengthOfSequence) {
    const std::string bytes = "\xC3\xA4rger \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80";
    const std::u16string text = u"\u00E4rger \u65E5\u672C \U0001F600";
    EXPECT_EQ(utf16FromUtf8(bytes), text);
    EXPECT_EQ(utf8FromUtf16(text), bytes);
}

TEST(Utf8Text, InvalidBytesBecomeEscapesAndComeBack) {
    const std::string bytes = "a\xFF\xFE.txt";
    const std::u16string text = utf16FromUtf8(bytes);
    EXPECT_EQ(text, u"a\xDCFF\xDCFE.txt");
    EXPECT_EQ(utf8FromUtf16(text), bytes);
}

TEST(Utf8Text, EachMalformedFormEscapesItsBytes) {
    const struct {
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {"\x80", u"\xDC80"},                                          // stray continuation
        {"\xC0\xAF", u"\xDCC0\xDCAF"},                                // overlong "/"
        {"\xE0\x80\xAF", u"\xDCE0\xDC80\xDCAF"},                      // overlong, three bytes
        {"\xED\xA0\x80", u"\xDCED\xDCA0\xDC80"},                      // encoded surrogate
        {"\xF4\x90\x80\x80", u"\xDCF4\xDC90\xDC80\xDC80"},            // above U+10FFFF
        {"\xE6\x97", u"\xDCE6\xDC97"},                                // truncated at the end
        {"\xE6\x97x", u"\xDCE6\xDC97x"},                              // truncated before ASCII
        {"\xC3\xC3\xA4", u"\xDCC3\u00E4"},                            // lead byte, then valid
        {"\xF8\x88\x80\x80\x80", u"\xDCF8\xDC88\xDC80\xDC80\xDC80"},  // five-byte form
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf16FromUtf8(c.bytes), c.text);
        EXPECT_EQ(utf8FromUtf16(utf16FromUtf8(c.bytes)), c.bytes);
    }
}

TEST(Utf8Text, EveryTwoByteStringRoundTrips) {
    for (unsigned first = 0; first < 256; ++first) {
        for (unsigned second = 0; second < 256; ++second) {
            const std::string bytes{static_cast<char>(first), static_cast<char>(second)};
            ASSERT_EQ(utf8FromUtf16(utf16FromUtf8(bytes)), bytes) << first << " " << second;
        }
    }
}

TEST(Utf8Text, PseudoRandomByteStringsRoundTrip) {
    std::uint32_t state = 12345;
    for (int round = 0; round < 20000; ++round) {
        std::string bytes;
        const std::size_t length = state % 12;
        for (std::size_t i = 0; i < length; ++i) {
            state = state * 1664525u + 1013904223u;
            // Weighted towards the bytes that start and continue sequences.
            const std::uint32_t pick = state >> 24;
            bytes += static_cast<char>(pick < 128 ? 0x80 + (pick & 0x7F) : pick);
        }
        state = state * 1664525u + 1013904223u;
        ASSERT_EQ(utf8FromUtf16(utf16FromUtf8(bytes)), bytes);
    }
}

TEST(Utf8Text, LoneSurrogatesOutsideTheEscapesBecomeReplacementCharacters) {
    EXPECT_EQ(utf8FromUtf16(u"a\xD800"
                            u"b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(utf8FromUtf16(u"\xD83D"), "\xEF\xBF\xBD");  // high surrogate at the end
    EXPECT_EQ(utf8FromUtf16(u"\xDC00\xDC7F"), "\xEF\xBF\xBD\xEF\xBF\xBD");  // low, no byte
    EXPECT_EQ(utf8FromUtf16(u"\xDE00"), "\xEF\xBF\xBD");
    EXPECT_EQ(utf8FromUtf16(u"\xDC80\xDCFF"), "\x80\xFF");  // the escapes
}

TEST(Utf8Text, RecognisesEscapedBytes) {
    EXPECT_TRUE(isEscapedByte(u'\xDC80'));
    EXPECT_TRUE(isEscapedByte(u'\xDCFF'));
    EXPECT_FALSE(isEscapedByte(u'\xDC7F'));
    EXPECT_FALSE(isEscapedByte(u'\xDD00'));
    EXPECT_EQ(escapedByte(u'\xDCE9'), '\xE9');
}

}  // namespace
}  // namespace movra::posix
