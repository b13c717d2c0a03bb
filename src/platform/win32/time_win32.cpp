// Local calendar time of a file time.
#include <time.h>

#include "platform/win32/win32_layer.h"

namespace movra::win32 {

std::optional<LocalTime> localTime(std::int64_t seconds) {
    const __time64_t time = static_cast<__time64_t>(seconds);
    struct tm parts {};
    if (_localtime64_s(&parts, &time) != 0) {
        return std::nullopt;
    }
    LocalTime local;
    local.year = parts.tm_year + 1900;
    local.month = parts.tm_mon + 1;
    local.day = parts.tm_mday;
    local.hour = parts.tm_hour;
    local.minute = parts.tm_min;
    local.second = parts.tm_sec;
    return local;
}

}  // namespace movra::win32
