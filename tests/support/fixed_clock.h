// A clock that always answers the time it was given.
#pragma once

#include "platform/clock.h"

namespace ambon::test {

class FixedClock : public Clock {
public:
    FixedClock() = default;
    FixedClock(int year, int month, int day, int hour = 10, int minute = 0) {
        time.year = year;
        time.month = month;
        time.day = day;
        time.hour = hour;
        time.minute = minute;
    }
    LocalDateTime now() const override { return time; }
    LocalDateTime time;
};

}  // namespace ambon::test
