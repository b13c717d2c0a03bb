#include "scan/name_order.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <vector>

namespace movra {
namespace {

std::vector<std::u16string> sorted(std::vector<std::u16string> names) {
    std::sort(names.begin(), names.end(),
              [](const auto& a, const auto& b) { return sortsBefore(a, b); });
    return names;
}

TEST(NameOrder, FoldsOnlyAsciiLettersAndPlacesPunctuationAroundThem) {
    EXPECT_EQ(sorted({u"Zeta", u"alpha", u"_under", u"10", u"beta", u"~tmp"}),
              (std::vector<std::u16string>{u"10", u"_under", u"alpha", u"beta", u"Zeta", u"~tmp"}));
    EXPECT_EQ(sorted({u"abcd", u"abc.txt", u"abc"}),
              (std::vector<std::u16string>{u"abc", u"abc.txt", u"abcd"}));
    EXPECT_EQ(CompareNamesNoCase(u"README", u"readme"), 0);
    EXPECT_NE(CompareNamesNoCase(u"Ärger", u"ärger"), 0);
    EXPECT_NE(CompareNamesNoCase(u"Ａ", u"ａ"), 0);  // full-width letters do not fold
    EXPECT_GT(CompareNamesNoCase(u"é", u"z"), 0);    // non-ASCII after every ASCII unit
    EXPECT_LT(CompareNamesNoCase(u"[", u"a"), 0);
    EXPECT_GT(CompareNamesNoCase(u"{", u"Z"), 0);
}

TEST(NameOrder, CaseTwinsSortTheSameWayWhateverTheirInputOrder) {
    const std::vector<std::u16string> expected{u"README", u"ReadMe", u"readme", u"x"};
    EXPECT_EQ(sorted({u"readme", u"x", u"README", u"ReadMe"}), expected);
    EXPECT_EQ(sorted({u"ReadMe", u"readme", u"README", u"x"}), expected);
}

TEST(NameOrder, NonBmpCharactersCompareByCodeUnit) {
    // UTF-16 code units, not code points: the surrogate 0xD83D sorts before 0xFF21.
    EXPECT_LT(CompareNamesNoCase(u"\U0001F600", u"\uFF21"), 0);
    EXPECT_TRUE(equalsNoCase(u"A\U0001F600", u"a\U0001F600"));
}

}  // namespace
}  // namespace movra
