#pragma once

#include "framework/dates/Calendar.h"

// Month ends and month starts. Each gives kNoDate for a date outside the valid range and for a
// result outside the valid years.
namespace quarvex::dates {

DayNumber LastDayOfMonth(DayNumber date);

// False for a date outside the valid range.
bool IsLastDayOfMonth(DayNumber date);

DayNumber FirstOfMonth(DayNumber date);
DayNumber FirstOfNextMonth(DayNumber date);
DayNumber FirstOfPreviousMonth(DayNumber date);

// The same day and month `years` later (or earlier); kNoDate when that day does not exist,
// such as 29 February in a common year.
DayNumber AddYears(DayNumber date, int years);

} // namespace quarvex::dates
