#include "compare/value_format.h"

#include <gtest/gtest.h>

#include "platform/platform.h"

namespace movra {
namespace {

TEST(FormatSize, GroupsDigitsInThrees) {
    EXPECT_EQ(formatSize(0), u"0");
    EXPECT_EQ(formatSize(999), u"999");
    EXPECT_EQ(formatSize(1000), u"1,000");
    EXPECT_EQ(formatSize(123456), u"123,456");
    EXPECT_EQ(formatSize(1234567), u"1,234,567");
    EXPECT_EQ(formatSize(9223372036854775807), u"9,223,372,036,854,775,807");
}

TEST(FormatAttributes, ShowsOnlyReadOnlyHiddenAndSystem) {
    EXPECT_EQ(formatAttributes(0x00), u"...");
    EXPECT_EQ(formatAttributes(0x01), u"R..");
    EXPECT_EQ(formatAttributes(0x06), u".HS");
    EXPECT_EQ(formatAttributes(0x21), u"R..");
    EXPECT_EQ(formatAttributes(0x07), u"RHS");
    EXPECT_EQ(formatAttributes(0x30), u"...");
}

TEST(FormatDateTime, PadsFieldsAndKeepsNineteenCharactersForUnknownTimes) {
    ScopedPlatformCalls restore;
    platformCalls().localTime = [](std::int64_t seconds) -> std::optional<LocalTime> {
        if (seconds == 1) {
            return LocalTime{2025, 3, 6, 5, 9, 2};
        }
        if (seconds == 2) {
            return LocalTime{987, 12, 31, 23, 59, 59};
        }
        if (seconds == 3) {
            return LocalTime{10000, 1, 1, 0, 0, 0};
        }
        return std::nullopt;
    };
    EXPECT_EQ(formatDateTime(1), u"2025/03/06 05:09:02");
    EXPECT_EQ(formatDateTime(2), u" 987/12/31 23:59:59");
    EXPECT_EQ(formatDateTime(3), u"----/--/-- --:--:--");
    EXPECT_EQ(formatDateTime(-1), u"----/--/-- --:--:--");
    EXPECT_EQ(formatDateTime(4), u"----/--/-- --:--:--");
}

TEST(FormatDateTime, UsesTheRealLocalClock) {
    // 2025-03-26 15:09:22 UTC; the zone of the machine shifts it, but the shape holds.
    const std::u16string text = formatDateTime(1743001762);
    ASSERT_EQ(text.size(), 19u);
    EXPECT_EQ(text.substr(0, 5), u"2025/");
    EXPECT_EQ(text[13], u':');
}

}  // namespace
}  // namespace movra
