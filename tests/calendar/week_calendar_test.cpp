// Week numbers and date codes: building and checking codes, stepping over month, leap-day
// and year ends, the Monday of a week and the week of a date.
#include "calendar/week_calendar.h"

#include <gtest/gtest.h>

#include <chrono>

#include "support/fixed_clock.h"

namespace ambon {
namespace {

// The date code of a real calendar date, for comparing against the stepping rules.
DateCode codeOf(std::chrono::sys_days day) {
    std::chrono::year_month_day ymd(day);
    return makeDateCode(static_cast<int>(ymd.year()) - 2000,
                        static_cast<int>(static_cast<unsigned>(ymd.month())),
                        static_cast<int>(static_cast<unsigned>(ymd.day())));
}

TEST(WeekCalendar, MakesZeroPaddedCodesAndReadsThemBack) {
    EXPECT_EQ(makeDateCode(0, 1, 3), "000103");
    EXPECT_EQ(makeDateCode(15, 11, 5), "151105");
    EXPECT_EQ(makeDateCode(99, 12, 27), "991227");
    const DateCode d = "070915";
    EXPECT_EQ(dateYY(d), 7);
    EXPECT_EQ(dateMonth(d), 9);
    EXPECT_EQ(dateDay(d), 15);
}

TEST(WeekCalendar, RecognisesDateCodes) {
    struct Case {
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"000103", true},  {"991231", true},  {"240229", true},   {"000131", true},
        {"001201", true},  {"000100", false}, {"000132", false},  {"000001", false},
        {"001301", false}, {"00010", false},  {"0001031", false}, {"00a103", false},
        {"", false},       {"-11231", false}, {" 00103", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isDateCode(c.text), c.valid) << '"' << c.text << '"';
}

TEST(WeekCalendar, MonthLengthsWithLeapYearsEveryFourthYY) {
    struct Case {
        int yy, month, days;
    };
    const Case cases[] = {
        {0, 2, 29},  {4, 2, 29},  {24, 2, 29}, {96, 2, 29}, {1, 2, 28},
        {23, 2, 28}, {99, 2, 28}, {0, 1, 31},  {0, 4, 30},  {0, 6, 30},
        {0, 9, 30},  {0, 11, 30}, {0, 7, 31},  {0, 8, 31},  {0, 12, 31},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(daysInMonth(c.yy, c.month), c.days) << c.yy << "/" << c.month;
    }
}

TEST(WeekCalendar, StepsOverMonthLeapDayAndYearEnds) {
    struct Case {
        const char* from;
        const char* week;
        const char* day;
    };
    const Case cases[] = {
        {"991227", "000103", "991228"},  // into 2000: YY 99 becomes 00
        {"991231", "000107", "000101"}, {"000225", "000303", "000226"},  // YY 00 is a leap year
        {"000228", "000306", "000229"}, {"000229", "000307", "000301"},
        {"010228", "010307", "010301"},                                  // YY 01 is not
        {"240226", "240304", "240227"}, {"000426", "000503", "000427"},  // 30-day month
        {"000430", "000507", "000501"}, {"001225", "010101", "001226"},
        {"241231", "250107", "250101"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(stepWeek(c.from), c.week) << c.from;
        EXPECT_EQ(stepDay(c.from), c.day) << c.from;
    }
}

TEST(WeekCalendar, DayStepsFollowTheRealCalendarFrom2000To2099) {
    using namespace std::chrono;
    DateCode code = "000101";
    const sys_days last = sys_days(year{2099} / December / 30);
    for (sys_days day = sys_days(year{2000} / January / 1); day <= last; day += days{1}) {
        ASSERT_EQ(code, codeOf(day));
        code = stepDay(code);
    }
}

TEST(WeekCalendar, WeekDateGivesTheMondayOfTheWeek) {
    struct Case {
        int n;
        const char* monday;
    };
    const Case cases[] = {
        {0, "991227"},   {1, "000103"},    {52, "001225"},   {53, "010101"},
        {784, "150105"}, {1148, "211227"}, {1999, "380419"},
    };
    for (const auto& c : cases) EXPECT_EQ(weekDate(c.n), c.monday) << "week " << c.n;
}

TEST(WeekCalendar, EveryWeekNumberIsARealMondaySevenDaysOn) {
    using namespace std::chrono;
    const sys_days weekZero = sys_days(year{1999} / December / 27);
    DateCode code = weekDate(1);
    for (int n = 1; n <= 1999; ++n) {
        ASSERT_EQ(code, codeOf(weekZero + days{7 * n})) << "week " << n;
        code = stepWeek(code);
    }
}

TEST(WeekCalendar, WeekOfDateFindsTheLastMondayOnOrBefore) {
    struct Case {
        const char* date;
        int week;
    };
    const Case cases[] = {
        {"000101", 0},
        {"000102", 0},
        {"000103", 1},
        {"000109", 1},
        {"000110", 2},
        {"001231", 52},
        {"010101", 53},
        {"150105", 784},
        {"150111", 784},
        {"380419", 1999},
        {"380425", 1999},
        {"501231", 1999},
        // A 1999 code compares above every later code.
        {"991231", 1999},
        {"991227", 1999},
    };
    for (const auto& c : cases) EXPECT_EQ(weekOfDate(c.date), c.week) << c.date;
}

TEST(WeekCalendar, WeekOfDateInvertsWeekDate) {
    for (int n : {1, 2, 52, 53, 104, 500, 1000, 1500, 1998, 1999}) {
        const DateCode monday = weekDate(n);
        EXPECT_EQ(weekOfDate(monday), n) << monday;
        DateCode sunday = monday;
        for (int i = 0; i < 6; ++i) sunday = stepDay(sunday);
        EXPECT_EQ(weekOfDate(sunday), n) << sunday;
    }
}

TEST(WeekCalendar, WeekDateStepsAWeekAtATime) {
    // Through 2099 and past it, where the year wraps to 00.
    DateCode monday = weekDate(0);
    EXPECT_EQ(monday, "991227");
    for (int n = 1; n <= 5300; ++n) {
        monday = stepWeek(monday);
        ASSERT_EQ(weekDate(n), monday) << n;
    }
    EXPECT_EQ(weekDate(5218), "991228");
    EXPECT_EQ(weekDate(5219), "000104");
    EXPECT_EQ(weekDate(-3), "991227");
}

TEST(WeekCalendar, WeekOfDateCountsEveryDayOfEveryWeek) {
    // Day by day through all 1999 weeks: each day belongs to the week whose Monday was
    // the last one on or before it.
    DateCode day = weekDate(1);
    for (int n = 1; n <= 1999; ++n) {
        for (int i = 0; i < 7; ++i) {
            ASSERT_EQ(weekOfDate(day), n) << day;
            day = stepDay(day);
        }
    }
    EXPECT_EQ(weekOfDate(day), 1999) << day;
}

TEST(WeekCalendar, TodayCodeComesFromTheClock) {
    EXPECT_EQ(todayCode(test::FixedClock(2024, 3, 7)), "240307");
    EXPECT_EQ(todayCode(test::FixedClock(2000, 1, 1)), "000101");
    EXPECT_EQ(todayCode(test::FixedClock(2015, 12, 31)), "151231");
    EXPECT_EQ(weekOfDate(todayCode(test::FixedClock(2015, 1, 8))), 784);
}

}  // namespace
}  // namespace ambon
