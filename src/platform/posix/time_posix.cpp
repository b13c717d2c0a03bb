#include <climits>
#include <ctime>

#include "platform/posix/posix_calls.h"

namespace movra::posix {

std::optional<LocalTime> localTime(std::int64_t seconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    // localtime_r fails (EOVERFLOW) when the year does not fit an int; the full year
    // must fit one too.
    if (::localtime_r(&t, &tm) == nullptr || tm.tm_year > INT_MAX - 1900) {
        return std::nullopt;
    }
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                     tm.tm_hour,        tm.tm_min,     tm.tm_sec};
}

}  // namespace movra::posix
