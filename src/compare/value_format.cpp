#include "compare/value_format.h"

#include "platform/platform.h"

namespace movra {
namespace {

constexpr std::u16string_view kUnknownTime = u"----/--/-- --:--:--";

// Appends `value` in `width` places: zero-padded, or space-padded when `padWithSpaces`.
void appendNumber(std::u16string& text, int value, std::size_t width, bool padWithSpaces) {
    char16_t digits[12];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (std::size_t i = count; i < width; ++i) {
        text += padWithSpaces ? u' ' : u'0';
    }
    while (count > 0) {
        text += digits[--count];
    }
}

}  // namespace

std::u16string formatSize(std::int64_t size) {
    const std::u16string digits = [size] {
        std::u16string reversed;
        auto value = static_cast<std::uint64_t>(size);
        do {
            reversed += static_cast<char16_t>(u'0' + value % 10);
            value /= 10;
        } while (value > 0);
        return std::u16string(reversed.rbegin(), reversed.rend());
    }();
    std::u16string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text += u',';
        }
        text += digits[i];
    }
    return text;
}

std::u16string formatDateTime(std::int64_t seconds) {
    const std::optional<LocalTime> local =
        seconds == -1 ? std::nullopt : platform::localTime(seconds);
    if (!local || local->year < 0 || local->year > 9999) {
        return std::u16string(kUnknownTime);
    }
    std::u16string text;
    appendNumber(text, local->year, 4, true);
    text += u'/';
    appendNumber(text, local->month, 2, false);
    text += u'/';
    appendNumber(text, local->day, 2, false);
    text += u' ';
    appendNumber(text, local->hour, 2, false);
    text += u':';
    appendNumber(text, local->minute, 2, false);
    text += u':';
    appendNumber(text, local->second, 2, false);
    return text;
}

std::u16string formatAttributes(std::uint32_t attrib) {
    std::u16string text = u"...";
    if ((attrib & kAttribReadOnly) != 0) {
        text[0] = u'R';
    }
    if ((attrib & kAttribHidden) != 0) {
        text[1] = u'H';
    }
    if ((attrib & kAttribSystem) != 0) {
        text[2] = u'S';
    }
    return text;
}

}  // namespace movra
