// Week numbers and date codes. Week number n is the week that begins on Monday
// 27 December 1999 plus 7 x n days; a date code is the six-character text YYMMDD
// (YY = year - 2000), which compares correctly as text for 2000..2099.
#pragma once

#include <string>

#include "platform/clock.h"

namespace ambon {

using DateCode = std::string;

// Builds "%2d%2d%2d" with every space turned into "0".
DateCode makeDateCode(int yy, int month, int day);
int dateYY(const DateCode& d);
int dateMonth(const DateCode& d);
int dateDay(const DateCode& d);

// Six digits, month 01..12, day 01..31.
bool isDateCode(const std::string& text);

// Days of a month under the program's rules: February has 29 days when YY is
// divisible by 4.
int daysInMonth(int yy, int month);

// Advances a date code by seven days (YY 100 becomes 0).
DateCode stepWeek(const DateCode& d);
// Advances a date code by one day with the same rules.
DateCode stepDay(const DateCode& d);

// The date code of the Monday of week n.
DateCode weekDate(int n);
// The largest week number (at most 1999) whose Monday is on or before d.
int weekOfDate(const DateCode& d);
// Today's date code from the clock.
DateCode todayCode(const Clock& clock);

}  // namespace ambon
