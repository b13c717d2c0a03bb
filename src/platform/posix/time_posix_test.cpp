#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <limits>

#include "platform/posix/posix_calls.h"
#include "platform/posix/scoped_variable_posix_test.h"

namespace movra::posix {
namespace {

void expectTime(const std::optional<LocalTime>& t, int year, int month, int day, int hour,
                int minute, int second) {
    ASSERT_TRUE(t);
    EXPECT_EQ(t->year, year);
    EXPECT_EQ(t->month, month);
    EXPECT_EQ(t->day, day);
    EXPECT_EQ(t->hour, hour);
    EXPECT_EQ(t->minute, minute);
    EXPECT_EQ(t->second, second);
}

TEST(PosixTime, ConvertsInTheZoneOfTheEnvironment) {
    {
        testing::ScopedVariable tz("TZ", "UTC0");
        ::tzset();
        expectTime(localTime(0), 1970, 1, 1, 0, 0, 0);
        expectTime(localTime(1743001762), 2025, 3, 26, 15, 9, 22);
    }
    {
        testing::ScopedVariable tz("TZ", "JST-9");
        ::tzset();
        expectTime(localTime(0), 1970, 1, 1, 9, 0, 0);
        expectTime(localTime(-1), 1970, 1, 1, 8, 59, 59);
    }
    ::tzset();
}

TEST(PosixTime, YearsBeyondRangeGiveNothing) {
    EXPECT_EQ(localTime(std::numeric_limits<std::int64_t>::max()), std::nullopt);
    EXPECT_EQ(localTime(std::numeric_limits<std::int64_t>::min()), std::nullopt);
}

}  // namespace
}  // namespace movra::posix
