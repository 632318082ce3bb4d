#pragma once

#include "framework/dates/Calendar.h"

// The number of payment periods between two dates, with its detail in days.
namespace quarvex::dates {

struct PeriodCount {
    double periods = 0; // whole periods plus the odd days as a fraction of a period
    int totalDays = 0;  // wholePeriods x days per period + oddDays
    int extraDays = 0;  // the days beyond the first period
    int oddDays = 0;    // the days left over after the whole periods
    int wholePeriods = 0;
};

// Periods from `start` to `end` for a period code of PaymentPeriods.h, counting in nominal days
// per period (a month is 30 days):
// - Daily: the days between the dates, all of them odd days.
// - Weekly, BiWeekly, Every 4 Weeks: the days divided by 7, 14 or 28.
// - Twice Monthly: two periods per whole calendar month, and the days after the whole months in
//   periods of 15 days.
// - Monthly to Annually: whole calendar months in periods of 1, 2, 3, 6 or 12 months; the days
//   after the whole months, plus 30 for each month short of a whole period, are odd days. Odd
//   days that make up a whole period count as one (1 to 31 January is one month, not none
//   and 30 odd days).
// An end before the start gives the count from end to start with every figure negative. All
// zero for equal dates, a date outside the valid range or an unknown period code.
PeriodCount CountPeriods(DayNumber start, DayNumber end, int periodCode);

} // namespace quarvex::dates
