// Year parity, meeting dates and date texts in the user's language and date format.
#include "calendar/date_text.h"

#include <algorithm>
#include <cstdio>

#include "resources/string_table.h"

namespace ambon {

namespace {

constexpr int kLongMonthBase = 2;      // strings 3..14: "Januari".."December"
constexpr int kShortMonthBase = 1214;  // strings 1215..1226: "Jan".."Dec"

// A weekday index always lands inside the week that begins on the Monday.
int clampWeekdayIndex(int index) {
    return std::clamp(index, 0, 6);
}

DateCode advanceDays(DateCode d, int days) {
    for (int i = 0; i < days; ++i) d = stepDay(d);
    return d;
}

std::string monthName(int month, bool shortName) {
    if (month < 1 || month > 12) return "xxx";
    return std::string(stringText((shortName ? kShortMonthBase : kLongMonthBase) + month));
}

// Lower case of the ASCII letters; other UTF-8 bytes pass unchanged.
std::string lowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string withoutChar(const std::string& text, char drop) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != drop) out += c;
    }
    return out;
}

}  // namespace

int yearParity(const DateContext& ctx, int weekIndex) {
    DateCode d = weekDate(weekIndex + 1);
    int p = dateYY(d) % 2;
    int month = dateMonth(d);
    if (ctx.serviceYear && month >= 9) p = 1 - p;
    if (!ctx.serviceYear && month == 12 && dateDay(d) > 25) p = 1 - p;
    return p;
}

DateCode meetingDate(const DateContext& ctx, const DateCode& d, int weekday) {
    int offset;
    if (weekday != 0) {
        offset = weekday == 1 ? 6 : weekday - 2;
    } else {
        // The home meeting of a week that ends in the next (service) year already follows
        // that year's weekday, hence the turn a few days before the year does.
        int p = dateYY(d) % 2;
        int month = dateMonth(d);
        if (ctx.serviceYear && month >= 9) p = 1 - p;
        if (month == (ctx.serviceYear ? 8 : 12) && dateDay(d) > 25) p = 1 - p;
        offset = p == 1 ? ctx.homeMeetingDayOdd : ctx.homeMeetingDayEven;
    }
    return advanceDays(d, clampWeekdayIndex(offset));
}

int meetingYear(const DateContext& ctx, int weekIndex) {
    DateCode d = weekDate(weekIndex + 1);
    int yy = dateYY(d);
    int month = dateMonth(d);
    int day = dateDay(d);
    int p = yy % 2;
    if (month == 12 && day > 25) p = 1 - p;
    int k = clampWeekdayIndex(p == 1 ? ctx.homeMeetingDayOdd : ctx.homeMeetingDayEven);
    return (month == 12 && day > 31 - k) ? 2001 + yy : 2000 + yy;
}

std::string meetingYearText(const DateContext& ctx, int weekIndex) {
    return std::to_string(meetingYear(ctx, weekIndex));
}

std::string dateText(const DateContext& ctx, int weekNumber, int flags, int weekday) {
    DateCode d = weekDate(weekNumber);
    if (!isDateCode(d)) return {};
    if (!(flags & kDateMonday)) d = meetingDate(ctx, d, weekday == 0 ? 0 : weekday + 1);

    const std::string& lang = ctx.languageCode;
    const bool deu = lang == "Deu";
    const bool finnish = lang == "finnish";
    const bool hrvatski = lang == "hrvatski";
    const bool rus = lang == "rus";
    const bool spanish = lang == "spanish";

    int month = dateMonth(d);
    int day = dateDay(d);
    std::string name = monthName(month, (flags & kDateShortMonth) != 0);
    std::string dayText = d.substr(4, 2);

    std::string text;
    if (hrvatski) {
        char buffer[64];
        if (ctx.alternativeFormat) {
            std::snprintf(buffer, sizeof buffer, "%d. ", day);
            text = buffer + name;
        } else {
            std::snprintf(buffer, sizeof buffer, "%d.%d", day, month);
            text = buffer;
        }
    } else if (ctx.alternativeFormat) {
        if (spanish || rus) name = lowerAscii(name);
        text = dayText + ((deu || finnish) ? ". " : " ") + name;
    } else {
        text = name + " " + dayText;
    }

    if (flags & kDateWithYear) {
        const bool dotted = deu || finnish || hrvatski;
        // Two-digit years more than four years ahead are taken as the previous century.
        const bool thisCentury = dateYY(d) < ctx.currentYY + 5;
        text += dotted ? ". " : ", ";
        text += thisCentury ? "20" : "19";
        text += d.substr(0, 2);
        if (ctx.alternativeFormat) {
            if (rus) text = withoutChar(text, ',');
            if (finnish) text = withoutChar(text, ' ');
        } else if (hrvatski) {
            text = withoutChar(text, ' ');
        }
    }
    return text;
}

}  // namespace ambon
