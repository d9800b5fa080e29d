// Year parity, meeting dates and the display text of a week's date, which depend on
// the user's language, the date format and the home congregation's meeting days.
#pragma once

#include <string>

#include "calendar/week_calendar.h"

namespace ambon {

// Flags of dateText.
enum DateTextFlags : int {
    kDateWithYear = 2,
    kDateShortMonth = 8,
    kDateMonday = 32,
};

struct DateContext {
    std::string languageCode = "dutch";
    bool alternativeFormat = false;  // day before month
    bool serviceYear = false;        // odd/even alternation turns over in September
    int currentYY = 0;               // the current year's YY, taken at start-up
    int homeMeetingDayOdd = 6;       // weekday index, 0 = Monday .. 6 = Sunday
    int homeMeetingDayEven = 6;
};

// 1 (odd) or 0 (even) for the week with index i.
int yearParity(const DateContext& ctx, int weekIndex);
// The meeting in the week that begins on Monday d; weekday 0 = the home meeting day,
// 2..8 = Monday..Sunday, 1 = Sunday. The offset from the Monday is kept to 0..6 days, so
// an out-of-range weekday or meeting day never leaves the week.
DateCode meetingDate(const DateContext& ctx, const DateCode& d, int weekday);
// The calendar year in which the home meeting of week index i falls.
int meetingYear(const DateContext& ctx, int weekIndex);
std::string meetingYearText(const DateContext& ctx, int weekIndex);
// The date of week number n's meeting as display text; weekday 0 = home meeting day,
// 1..7 = Monday..Sunday.
std::string dateText(const DateContext& ctx, int weekNumber, int flags, int weekday = 0);

}  // namespace ambon
