// The local date and time. Everything that needs "today" asks a Clock, so tests fix it.
#pragma once

namespace ambon {

struct LocalDateTime {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

}  // namespace ambon
