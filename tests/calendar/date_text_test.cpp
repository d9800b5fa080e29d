// Year parity, meeting dates and years, and the date texts of every language and format.
#include "calendar/date_text.h"

#include <gtest/gtest.h>

namespace ambon {
namespace {

// Week numbers of a few Mondays.
constexpr int kMon20150105 = 784;
constexpr int kMon20151228 = 835;
constexpr int kMon20211220 = 1147;
constexpr int kMon20211227 = 1148;
constexpr int kMon20230828 = 1235;
constexpr int kMon20240826 = 1287;
constexpr int kMon20240902 = 1288;
constexpr int kMon20241230 = 1305;
constexpr int kMon20280103 = 1462;
constexpr int kMon20290101 = 1514;
constexpr int kMon20300107 = 1567;

DateContext context(const std::string& language = "dutch", bool alternative = false) {
    DateContext ctx;
    ctx.languageCode = language;
    ctx.alternativeFormat = alternative;
    ctx.currentYY = 24;
    ctx.homeMeetingDayOdd = 6;  // Sunday
    ctx.homeMeetingDayEven = 6;
    return ctx;
}

TEST(YearParity, TurnsAtTheEndOfDecemberOrInSeptember) {
    struct Case {
        int week;
        bool serviceYear;
        int parity;
    };
    const Case cases[] = {
        {kMon20211220, false, 1},  // 2021 is odd
        {kMon20211227, false, 0},  // Monday 27 December already counts as 2022
        {kMon20241230, false, 1}, {kMon20240826, true, 0},  // before September: its own year
        {kMon20240902, true, 1},   // from September: the next year's parity
        {kMon20230828, true, 1},   // 28 August: still its own year
        {kMon20211227, true, 0},   // December is in the service year that began in September
        {kMon20240902, false, 0},  // without the setting September changes nothing
    };
    for (const auto& c : cases) {
        DateContext ctx = context();
        ctx.serviceYear = c.serviceYear;
        EXPECT_EQ(yearParity(ctx, c.week - 1), c.parity)
            << weekDate(c.week) << " service year " << c.serviceYear;
    }
}

TEST(MeetingDate, ExplicitWeekdaysCountFromTheMonday) {
    const DateContext ctx = context();
    struct Case {
        int weekday;
        const char* date;
    };
    // Monday 28 December 2015: Sunday is in the next year.
    const Case cases[] = {
        {2, "151228"}, {3, "151229"}, {5, "151231"},
        {6, "160101"}, {8, "160103"}, {1, "160103"},  // 1 is Sunday as well
    };
    for (const auto& c : cases) {
        EXPECT_EQ(meetingDate(ctx, "151228", c.weekday), c.date) << "weekday " << c.weekday;
    }
}

TEST(MeetingDate, HomeMeetingDayFollowsTheParityOfTheWeek) {
    struct Case {
        const char* monday;
        bool serviceYear;
        const char* date;
    };
    // Odd years meet on Sunday, even years on Thursday.
    const Case cases[] = {
        {"211220", false, "211226"},  // odd
        {"211227", false, "211230"},  // already the even year 2022
        {"220103", false, "220106"},
        {"230828", false, "230903"},  // odd, no service year
        {"230828", true, "230831"},   // service year: 28 August already meets as the next year
        {"230821", true, "230827"},   // ... but 21 August does not
        {"230904", true, "230907"},
        {"211227", true, "211230"},  // the December turn does not apply twice
    };
    for (const auto& c : cases) {
        DateContext ctx = context();
        ctx.serviceYear = c.serviceYear;
        ctx.homeMeetingDayOdd = 6;
        ctx.homeMeetingDayEven = 3;
        EXPECT_EQ(meetingDate(ctx, c.monday, 0), c.date)
            << c.monday << " service year " << c.serviceYear;
    }
}

TEST(MeetingDate, OutOfRangeDaysStayInTheWeek) {
    DateContext ctx = context();
    ctx.homeMeetingDayOdd = 40;
    ctx.homeMeetingDayEven = -3;
    EXPECT_EQ(meetingDate(ctx, "211220", 0), "211226");
    EXPECT_EQ(meetingDate(ctx, "220103", 0), "220103");
    EXPECT_EQ(meetingDate(ctx, "220103", 12), "220109");
}

TEST(MeetingYear, FollowsTheMeetingAcrossNewYear) {
    struct Case {
        int week;
        int odd, even;
        int year;
    };
    const Case cases[] = {
        {kMon20211220, 6, 6, 2021}, {kMon20211227, 6, 6, 2022},  // Sunday 2 January
        {kMon20211227, 6, 3, 2021},  // the even-year Thursday is 30 December
        {kMon20241230, 0, 6, 2024},  // Monday 30 December
        {kMon20241230, 1, 6, 2024},  // Tuesday 31 December
        {kMon20241230, 2, 6, 2025},  // Wednesday 1 January
        {kMon20290101, 6, 6, 2029},
    };
    for (const auto& c : cases) {
        DateContext ctx = context();
        ctx.homeMeetingDayOdd = c.odd;
        ctx.homeMeetingDayEven = c.even;
        EXPECT_EQ(meetingYear(ctx, c.week - 1), c.year) << weekDate(c.week);
        EXPECT_EQ(meetingYearText(ctx, c.week - 1), std::to_string(c.year));
    }
}

TEST(DateText, DutchFlagsForMondayFiveJanuary2015) {
    const DateContext ctx = context();
    EXPECT_EQ(dateText(ctx, kMon20150105, kDateMonday | kDateWithYear, 0), "Januari 05, 2015");
    EXPECT_EQ(dateText(ctx, kMon20150105, kDateMonday | kDateShortMonth, 0), "Jan 05");
    EXPECT_EQ(dateText(ctx, kMon20150105, kDateMonday | kDateShortMonth | kDateWithYear, 0),
              "Jan 05, 2015");
    EXPECT_EQ(dateText(ctx, kMon20150105, kDateMonday, 0), "Januari 05");
    // Flags outside 2, 8 and 32 change nothing.
    EXPECT_EQ(dateText(ctx, kMon20150105, kDateMonday | kDateShortMonth | kDateWithYear | 16, 0),
              "Jan 05, 2015");
}

TEST(DateText, WeekdayChoosesTheMeetingDay) {
    DateContext ctx = context();
    ctx.homeMeetingDayOdd = 2;  // 2015 meets on Wednesday
    struct Case {
        int weekday;
        const char* text;
    };
    const Case cases[] = {
        {0, "Januari 07"},  // home meeting day
        {1, "Januari 05"},  // Monday
        {4, "Januari 08"},  // Thursday
        {7, "Januari 11"},  // Sunday
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dateText(ctx, kMon20150105, 0, c.weekday), c.text) << "weekday " << c.weekday;
    }
    // With the Monday flag the weekday does not matter.
    EXPECT_EQ(dateText(ctx, kMon20150105, kDateMonday, 0), "Januari 05");
    EXPECT_EQ(dateText(ctx, kMon20150105, kDateMonday, 7), "Januari 05");
}

TEST(DateText, SundayHomeMeetingMovesSixDaysAndTakesItsMonthAndYear) {
    const DateContext ctx = context();  // meets on Sunday
    EXPECT_EQ(dateText(ctx, kMon20150105, kDateWithYear, 0), "Januari 11, 2015");
    EXPECT_EQ(dateText(ctx, kMon20151228, kDateWithYear, 0), "Januari 03, 2016");
    EXPECT_EQ(dateText(ctx, kMon20151228, kDateMonday | kDateWithYear, 0), "December 28, 2015");
}

TEST(DateText, LanguagesAndFormats) {
    struct Case {
        const char* language;
        bool alternative;
        int flags;
        const char* text;
    };
    const int monday = kDateMonday;
    const int year = kDateMonday | kDateWithYear;
    const int shortYear = kDateMonday | kDateShortMonth | kDateWithYear;
    const Case cases[] = {
        {"dutch", true, monday, "05 Januari"},        {"dutch", true, year, "05 Januari, 2015"},
        {"Deu", false, year, "Januari 05. 2015"},     {"Deu", true, monday, "05. Januari"},
        {"Deu", true, year, "05. Januari. 2015"},     {"finnish", false, year, "Januari 05. 2015"},
        {"finnish", true, year, "05.Januari.2015"},   {"finnish", true, monday, "05. Januari"},
        {"hrvatski", false, monday, "5.1"},           {"hrvatski", false, year, "5.1.2015"},
        {"hrvatski", true, monday, "5. Januari"},     {"hrvatski", true, year, "5. Januari. 2015"},
        {"spanish", false, year, "Januari 05, 2015"}, {"spanish", true, year, "05 januari, 2015"},
        {"spanish", true, shortYear, "05 jan, 2015"}, {"rus", false, year, "Januari 05, 2015"},
        {"rus", true, year, "05 januari 2015"},       {"rus", true, monday, "05 januari"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dateText(context(c.language, c.alternative), kMon20150105, c.flags, 0), c.text)
            << c.language << " alternative " << c.alternative << " flags " << c.flags;
    }
}

TEST(DateText, YearsFiveOrMoreAheadAreWrittenAsNineteen) {
    struct Case {
        int week;
        const char* language;
        const char* text;
    };
    // The current year is 2024.
    const Case cases[] = {
        {kMon20280103, "dutch", "Januari 03, 2028"}, {kMon20290101, "dutch", "Januari 01, 1929"},
        {kMon20300107, "dutch", "Januari 07, 1930"}, {kMon20300107, "Deu", "Januari 07. 1930"},
        {kMon20300107, "hrvatski", "7.1.1930"},      {0, "dutch", "December 27, 1999"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dateText(context(c.language), c.week, kDateMonday | kDateWithYear, 0), c.text)
            << c.language << " week " << c.week;
    }
    DateContext later = context();
    later.currentYY = 26;
    EXPECT_EQ(dateText(later, kMon20300107, kDateMonday | kDateWithYear, 0), "Januari 07, 2030");
}

}  // namespace
}  // namespace ambon
