#include "framework/dates/MonthHelpers.h"

#include <cstdint>

namespace quarvex::dates {

DayNumber LastDayOfMonth(DayNumber date) {
    const CalendarDate d = DayNumberToDMY(date);
    return DMYToDayNumber(DaysInMonth(d.month, d.year), d.month, d.year);
}

bool IsLastDayOfMonth(DayNumber date) {
    const CalendarDate d = DayNumberToDMY(date);
    return d.year != 0 && d.day == DaysInMonth(d.month, d.year);
}

DayNumber FirstOfMonth(DayNumber date) {
    const CalendarDate d = DayNumberToDMY(date);
    return DMYToDayNumber(1, d.month, d.year);
}

DayNumber FirstOfNextMonth(DayNumber date) {
    const CalendarDate d = DayNumberToDMY(date);
    if (d.year == 0) {
        return kNoDate;
    }
    return d.month == 12 ? DMYToDayNumber(1, 1, d.year + 1)
                         : DMYToDayNumber(1, d.month + 1, d.year);
}

DayNumber FirstOfPreviousMonth(DayNumber date) {
    const CalendarDate d = DayNumberToDMY(date);
    if (d.year == 0) {
        return kNoDate;
    }
    return d.month == 1 ? DMYToDayNumber(1, 12, d.year - 1)
                        : DMYToDayNumber(1, d.month - 1, d.year);
}

DayNumber AddYears(DayNumber date, int years) {
    const CalendarDate d = DayNumberToDMY(date);
    const std::int64_t year = std::int64_t{d.year} + years;
    if (d.year == 0 || year < kFirstYear || year > kLastYear) {
        return kNoDate;
    }
    return DMYToDayNumber(d.day, d.month, static_cast<int>(year));
}

} // namespace quarvex::dates
