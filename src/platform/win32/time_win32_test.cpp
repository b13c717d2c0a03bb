#include <gtest/gtest.h>

#include "platform/win32/win32_layer.h"

namespace movra::win32 {
namespace {

TEST(Win32Time, ConvertsInRangeAndRejectsTheRest) {
    // 1990-07-01 12:00:00 UTC: no time zone moves it out of the first two days of July.
    const std::optional<LocalTime> local = localTime(646833600);
    ASSERT_TRUE(local.has_value());
    EXPECT_EQ(local->year * 100 + local->month, 199007);
    EXPECT_TRUE(local->day == 1 || local->day == 2);
    EXPECT_EQ(localTime(-1), std::nullopt);
    EXPECT_EQ(localTime(INT64_MAX), std::nullopt);
}

}  // namespace
}  // namespace movra::win32
