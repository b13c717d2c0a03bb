// The console code page and the UI language, read from the locale the environment names.
//
// Only the names are parsed: whether the locale is installed does not matter, so the
// answers are the same on a minimal container as on a desktop.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace movra::posix {

inline constexpr std::uint32_t kCodePageUtf8 = 65001;
inline constexpr std::uint32_t kCodePageShiftJis = 932;  // Windows-31J (CP932)
inline constexpr std::uint32_t kCodePageEucJp = 20932;
inline constexpr std::uint32_t kCodePageAscii = 20127;
// A codeset this layer has no code page number for (ISO-8859-1, GB18030, ...): text for
// it is converted to the codeset by its name through iconv.
inline constexpr std::uint32_t kCodePageOtherCodeset = 0;

inline constexpr std::uint16_t kLanguageJapanese = 1041;
inline constexpr std::uint16_t kLanguageEnglish = 1033;

// The locale variables that matter, as the environment holds them ("" when unset).
struct LocaleVariables {
    std::string lcAll;
    std::string lcCtype;
    std::string lcMessages;
    std::string lang;
};

// What the locale says about text.
struct LocaleFacts {
    std::uint32_t codePage = kCodePageAscii;
    std::string codeset;  // the codeset part of the locale name as written; "" when none
    std::uint16_t uiLanguage = kLanguageEnglish;
};

// LC_ALL, LC_CTYPE, LC_MESSAGES and LANG of this process's environment.
LocaleVariables localeVariablesFromEnvironment();

// Code page: from the first non-empty of LC_ALL, LC_CTYPE, LANG. UI language: from the
// first non-empty of LC_ALL, LC_MESSAGES, LANG; Japanese when that name starts with "ja".
LocaleFacts localeFacts(const LocaleVariables& variables);

// The codeset part of a locale name: after the first ".", up to "@" ("ja_JP.UTF-8@x" ->
// "UTF-8"); "" when the name has none.
std::string_view codesetOfLocaleName(std::string_view name);

// The code page a locale name stands for, its codeset compared ignoring case, "-" and "_":
// UTF-8 -> 65001; SJIS, Shift_JIS, CP932, Windows-31J -> 932; EUC-JP -> 20932; "C",
// "POSIX", "" and a name without a codeset -> 20127; any other codeset ->
// kCodePageOtherCodeset.
std::uint32_t codePageOfLocaleName(std::string_view name);

}  // namespace movra::posix
