#include "framework/dates/TwiceMonthly.h"

#include "framework/dates/Weekend.h"

#include <cstdlib>

namespace quarvex::dates {
namespace {

bool IsKnownCode(int code) {
    return code >= 0 && code < kTwiceMonthlyCodes;
}

// Pattern days of the month that starts on day number `first` and has `length` days.
std::array<int, 2> PatternDays(int code, DayNumber first, int length) {
    if (code == kFirstAnd15th) {
        return {1, 15};
    }
    if (code == kFirstAnd16th) {
        return {1, 16};
    }
    if (code == k15thAndLastDay) {
        return {15, length};
    }
    const bool secondAndFourth = code >= k2ndAnd4thMonday;
    const int weekday = code - (secondAndFourth ? k2ndAnd4thMonday : k1stAnd3rdMonday) + Monday;
    const int firstOccurrence = 1 + (weekday - WeekdayOf(first) + 7) % 7;
    const int earlier = firstOccurrence + (secondAndFourth ? 7 : 0);
    return {earlier, earlier + 14};
}

// The pattern days of the month before the date's, the date's own month and the month after,
// as day numbers in order; a month outside the valid years is left out. Every step from the
// date, or from a pattern day within two days of it, lands among them.
struct NearbyPatternDays {
    std::array<DayNumber, 6> days{};
    int count = 0;
};

NearbyPatternDays PatternDaysAround(DayNumber date, int code) {
    const CalendarDate d = DayNumberToDMY(date);
    const DayNumber ownFirst = date - (d.day - 1);
    const int previousLength = d.month == 1 ? 31 : DaysInMonth(d.month - 1, d.year);
    const int ownLength = DaysInMonth(d.month, d.year);
    const int nextLength = d.month == 12 ? 31 : DaysInMonth(d.month + 1, d.year);
    const DayNumber firsts[] = {ownFirst - previousLength, ownFirst, ownFirst + ownLength};
    const int lengths[] = {previousLength, ownLength, nextLength};
    NearbyPatternDays nearby;
    for (int i = 0; i < 3; ++i) {
        if (!IsValidDayNumber(firsts[i])) {
            continue; // a month outside the valid years
        }
        for (const int day : PatternDays(code, firsts[i], lengths[i])) {
            nearby.days[nearby.count++] = firsts[i] + day - 1;
        }
    }
    return nearby;
}

// The pattern day a payment date stands for. Pattern days lie at least 13 days apart, so at
// most one is close enough to be meant.
DayNumber CountedPayDay(DayNumber date, int code, int weekendCode,
                        const NearbyPatternDays& nearby) {
    if (weekendCode == kNoAdjustment) {
        return date;
    }
    for (int i = 0; i < nearby.count; ++i) {
        const DayNumber day = nearby.days[i];
        if (std::abs(day - date) <= 2 && AdjustForWeekend(day, weekendCode) == date) {
            return day;
        }
    }
    if (code == kFirstAnd15th || code == kFirstAnd16th) {
        for (int i = 0; i < nearby.count; ++i) {
            if (nearby.days[i] >= date && nearby.days[i] <= date + 2) {
                return nearby.days[i];
            }
        }
    }
    return date;
}

} // namespace

std::array<int, 2> PatternDaysOfMonth(int code, int month, int year) {
    const DayNumber first = DMYToDayNumber(1, month, year);
    if (!IsKnownCode(code) || first == kNoDate) {
        return {0, 0};
    }
    return PatternDays(code, first, DaysInMonth(month, year));
}

bool IsPatternDay(DayNumber date, int code) {
    const CalendarDate d = DayNumberToDMY(date);
    const auto days = PatternDaysOfMonth(code, d.month, d.year);
    return d.year != 0 && (d.day == days[0] || d.day == days[1]);
}

DayNumber TwiceMonthlyStep(StepDirection direction, DayNumber date, int code, int weekendCode) {
    if (!IsValidDayNumber(date)) {
        return kNoDate;
    }
    if (!IsKnownCode(code)) {
        return date;
    }
    const NearbyPatternDays nearby = PatternDaysAround(date, code);
    const DayNumber from = CountedPayDay(date, code, weekendCode, nearby);
    if (direction == StepDirection::Forward) {
        for (int i = 0; i < nearby.count; ++i) {
            if (nearby.days[i] > from) {
                return nearby.days[i];
            }
        }
    } else {
        for (int i = nearby.count - 1; i >= 0; --i) {
            if (nearby.days[i] < from) {
                return nearby.days[i];
            }
        }
    }
    return kNoDate;
}

} // namespace quarvex::dates
