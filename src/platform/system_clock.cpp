// The real local clock, through the C library's local time.
#include "platform/system_clock.h"

#include <ctime>

namespace ambon {

LocalDateTime SystemClock::now() const {
    std::time_t t = std::time(nullptr);
    std::tm parts{};
    localtime_r(&t, &parts);
    LocalDateTime result;
    result.year = parts.tm_year + 1900;
    result.month = parts.tm_mon + 1;
    result.day = parts.tm_mday;
    result.hour = parts.tm_hour;
    result.minute = parts.tm_min;
    result.second = parts.tm_sec;
    return result;
}

}  // namespace ambon
