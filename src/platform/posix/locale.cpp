#include "platform/posix/locale.h"

#include <cstdlib>

namespace movra::posix {
namespace {

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

const std::string& firstNonEmpty(const std::string& a, const std::string& b, const std::string& c) {
    return !a.empty() ? a : !b.empty() ? b : c;
}

// Lower case with "-" and "_" dropped, so "Shift_JIS", "shift-jis" and "SHIFTJIS" meet.
std::string normalisedCodeset(std::string_view codeset) {
    std::string out;
    for (const char c : codeset) {
        if (c == '-' || c == '_') {
            continue;
        }
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
    }
    return out;
}

}  // namespace

LocaleVariables localeVariablesFromEnvironment() {
    return {environmentValue("LC_ALL"), environmentValue("LC_CTYPE"),
            environmentValue("LC_MESSAGES"), environmentValue("LANG")};
}

std::string_view codesetOfLocaleName(std::string_view name) {
    const auto dot = name.find('.');
    if (dot == std::string_view::npos) {
        return {};
    }
    const auto codeset = name.substr(dot + 1);
    return codeset.substr(0, codeset.find('@'));
}

std::uint32_t codePageOfLocaleName(std::string_view name) {
    const std::string codeset = normalisedCodeset(codesetOfLocaleName(name));
    if (codeset.empty()) {
        return kCodePageAscii;  // "C", "POSIX", nothing set, or "en_US" with no codeset
    }
    if (codeset == "utf8") {
        return kCodePageUtf8;
    }
    if (codeset == "sjis" || codeset == "shiftjis" || codeset == "cp932" ||
        codeset == "windows31j") {
        return kCodePageShiftJis;
    }
    if (codeset == "eucjp") {
        return kCodePageEucJp;
    }
    return kCodePageOtherCodeset;
}

LocaleFacts localeFacts(const LocaleVariables& v) {
    LocaleFacts facts;
    const std::string& ctype = firstNonEmpty(v.lcAll, v.lcCtype, v.lang);
    facts.codePage = codePageOfLocaleName(ctype);
    facts.codeset = std::string(codesetOfLocaleName(ctype));
    const std::string& messages = firstNonEmpty(v.lcAll, v.lcMessages, v.lang);
    facts.uiLanguage = messages.starts_with("ja") ? kLanguageJapanese : kLanguageEnglish;
    return facts;
}

}  // namespace movra::posix
