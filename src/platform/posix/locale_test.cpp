#include "platform/posix/locale.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/posix/scoped_variable_posix_test.h"

namespace movra::posix {
namespace {

LocaleFacts fromLang(const std::string& lang) {
    return localeFacts({"", "", "", lang});
}

TEST(Locale, JapaneseUtf8) {
    const LocaleFacts facts = fromLang("ja_JP.UTF-8");
    EXPECT_EQ(facts.codePage, 65001u);
    EXPECT_EQ(facts.uiLanguage, 1041);
}

TEST(Locale, ShiftJisSpellings) {
    for (const char* name :
         {"ja_JP.SJIS", "ja_JP.Shift_JIS", "ja_JP.shift-jis", "ja_JP.CP932", "ja_JP.Windows-31J"}) {
        EXPECT_EQ(fromLang(name).codePage, 932u) << name;
        EXPECT_EQ(fromLang(name).uiLanguage, 1041) << name;
    }
}

TEST(Locale, EucJp) {
    EXPECT_EQ(fromLang("ja_JP.eucJP").codePage, 20932u);
    EXPECT_EQ(fromLang("ja_JP.EUC-JP").codePage, 20932u);
}

TEST(Locale, CAndPosixAndNothingAreAscii) {
    for (const char* name : {"C", "POSIX", "", "en_US"}) {
        EXPECT_EQ(fromLang(name).codePage, 20127u) << name;
        EXPECT_EQ(fromLang(name).uiLanguage, 1033) << name;
    }
    EXPECT_EQ(localeFacts({}).codePage, 20127u);
}

TEST(Locale, CUtf8AndModifiers) {
    EXPECT_EQ(fromLang("C.UTF-8").codePage, 65001u);
    EXPECT_EQ(fromLang("C.utf8").uiLanguage, 1033);
    EXPECT_EQ(fromLang("de_DE.UTF-8@euro").codePage, 65001u);
    EXPECT_EQ(codesetOfLocaleName("de_DE.UTF-8@euro"), "UTF-8");
    EXPECT_EQ(codesetOfLocaleName("de_DE@euro"), "");
}

TEST(Locale, OtherCodesetsKeepTheirName) {
    const LocaleFacts facts = fromLang("en_US.ISO-8859-1");
    EXPECT_EQ(facts.codePage, kCodePageOtherCodeset);
    EXPECT_EQ(facts.codeset, "ISO-8859-1");
}

TEST(Locale, LcAllComesFirst) {
    const LocaleFacts facts = localeFacts({"C", "ja_JP.UTF-8", "ja_JP.UTF-8", "ja_JP.UTF-8"});
    EXPECT_EQ(facts.codePage, 20127u);
    EXPECT_EQ(facts.uiLanguage, 1033);
}

TEST(Locale, CodePageAndLanguageComeFromTheirOwnCategories) {
    // LC_CTYPE decides the code page, LC_MESSAGES the language; LANG fills in for both.
    const LocaleFacts facts = localeFacts({"", "C.UTF-8", "ja_JP.UTF-8", "en_US.ISO-8859-1"});
    EXPECT_EQ(facts.codePage, 65001u);
    EXPECT_EQ(facts.uiLanguage, 1041);
    const LocaleFacts fromLangOnly = localeFacts({"", "", "", "ja_JP.SJIS"});
    EXPECT_EQ(fromLangOnly.codePage, 932u);
    EXPECT_EQ(fromLangOnly.uiLanguage, 1041);
}

TEST(Locale, ReadsTheEnvironment) {
    testing::ScopedVariable all("LC_ALL", "");
    testing::ScopedVariable ctype("LC_CTYPE", "ja_JP.eucJP");
    testing::ScopedVariable messages("LC_MESSAGES", "");
    testing::ScopedVariable lang("LANG", "en_GB.UTF-8");
    const LocaleFacts facts = localeFacts(localeVariablesFromEnvironment());
    EXPECT_EQ(facts.codePage, 20932u);
    EXPECT_EQ(facts.uiLanguage, 1033);
}

}  // namespace
}  // namespace movra::posix
