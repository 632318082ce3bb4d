#pragma once

#include "framework/dates/Calendar.h"

#include <optional>

// Adding days, months and years to dates, and the calendar difference between two dates.
// Every function gives kNoDate for kNoDate (or any date outside the valid range) and for a
// result that would leave the valid years.
namespace quarvex::dates {

// Adds years and months first, then days. A day of the month above 28 is set to 28 while the
// months are added and the excess is added back with the days, so 31 January plus one month is
// 3 March in a common year (28 February + 3 days) and 2 March in a leap year.
DayNumber AddToDate(DayNumber date, int days, int months, int years);

// Adds months and years keeping the day of the month where the new month allows, else its last
// day: 31 January plus one month is 28 February in a common year, 29 February in a leap year.
DayNumber AddMonthsClamped(DayNumber date, int months, int years);

struct DateSpan {
    int days = 0;
    int months = 0;
    int years = 0;
    friend bool operator==(const DateSpan&, const DateSpan&) = default;
};

// Years, months and days from the earlier to the later of two dates (their order does not
// matter). When the later day of the month is smaller, a month is borrowed: the later date
// steps back a month and that month's length is added to its day. When the later month is then
// smaller, twelve months are borrowed from the years. The day count can come out negative when
// the borrowed month is shorter than the earlier day (30 January to 1 March of a common year is
// 1 month and -1 day); period counts rest on the month figure, which is right in that case.
// Empty when either date is outside the valid range.
std::optional<DateSpan> DateDifference(DayNumber first, DayNumber second);

} // namespace quarvex::dates
