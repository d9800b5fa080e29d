// Week numbers and date codes: building and reading YYMMDD codes, stepping them by a day
// or a week, and finding the week of a date.
#include "calendar/week_calendar.h"

#include <cstdio>

namespace ambon {

namespace {

// The Monday before week 1; week n begins 7 x n days later.
constexpr const char* kWeekZero = "991227";
// Week numbers run from 1 to 1999.
constexpr int kLastWeek = 1999;
// The last week whose Monday falls before 2100 (28 December 2099).
constexpr int kLastCountedWeek = 5218;

// Two characters of a code as a number; anything that is not a digit counts as 0, so a
// damaged code never stops the stepping.
int twoDigits(const DateCode& d, std::size_t pos) {
    int value = 0;
    for (std::size_t i = pos; i < pos + 2; ++i) {
        char c = i < d.size() ? d[i] : '0';
        value = value * 10 + ((c >= '0' && c <= '9') ? c - '0' : 0);
    }
    return value;
}

DateCode stepDays(const DateCode& d, int days) {
    int yy = dateYY(d);
    int month = dateMonth(d);
    int day = dateDay(d) + days;
    int length = daysInMonth(yy, month);
    if (day > length) {
        day -= length;
        if (month >= 12) {
            month = 1;
            yy = (yy + 1) % 100;
        } else {
            ++month;
        }
    }
    return makeDateCode(yy, month, day);
}

}  // namespace

DateCode makeDateCode(int yy, int month, int day) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%2d%2d%2d", yy, month, day);
    DateCode code = buffer;
    for (char& c : code) {
        if (c == ' ') c = '0';
    }
    return code;
}

int dateYY(const DateCode& d) {
    return twoDigits(d, 0);
}
int dateMonth(const DateCode& d) {
    return twoDigits(d, 2);
}
int dateDay(const DateCode& d) {
    return twoDigits(d, 4);
}

bool isDateCode(const std::string& text) {
    if (text.size() != 6) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    int month = dateMonth(text);
    int day = dateDay(text);
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

int daysInMonth(int yy, int month) {
    switch (month) {
        case 2:
            return yy % 4 == 0 ? 29 : 28;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        default:
            return 31;
    }
}

DateCode stepWeek(const DateCode& d) {
    return stepDays(d, 7);
}
DateCode stepDay(const DateCode& d) {
    return stepDays(d, 1);
}

DateCode weekDate(int n) {
    // Within 2000..2099 the weeks are counted off in days, years and months; the walk
    // below gives the same codes and still serves the weeks past 2099, where YY wraps.
    if (n >= 1 && n <= kLastCountedWeek) {
        int days = 7 * n - 5;  // days after 1 January 2000
        int yy = 0;
        while (days >= (yy % 4 == 0 ? 366 : 365)) days -= yy++ % 4 == 0 ? 366 : 365;
        int month = 1;
        while (days >= daysInMonth(yy, month)) days -= daysInMonth(yy, month++);
        return makeDateCode(yy, month, days + 1);
    }
    DateCode code = kWeekZero;
    for (int i = 0; i < n; ++i) code = stepWeek(code);
    return code;
}

int weekOfDate(const DateCode& d) {
    // A valid date finds its week by counting days; it is the week the walk below would
    // reach, without building two thousand date codes on the way.
    if (isDateCode(d) && dateDay(d) <= daysInMonth(dateYY(d), dateMonth(d))) {
        const int yy = dateYY(d);
        int days = 5;  // 27 December 1999 to 1 January 2000
        for (int y = 0; y < yy; ++y) days += y % 4 == 0 ? 366 : 365;
        for (int m = 1; m < dateMonth(d); ++m) days += daysInMonth(yy, m);
        days += dateDay(d) - 1;
        return days / 7 < kLastWeek ? days / 7 : kLastWeek;
    }
    // Walks the Mondays from week 1 on. A code of 1999 compares above every later code,
    // so it runs off the end and gives the last week.
    int w = 1;
    DateCode c = kWeekZero;
    while (w <= kLastWeek) {
        c = stepWeek(c);
        if (d <= c) break;
        ++w;
    }
    return d == c ? w : w - 1;
}

DateCode todayCode(const Clock& clock) {
    LocalDateTime now = clock.now();
    return makeDateCode(now.year - 2000, now.month, now.day);
}

}  // namespace ambon
