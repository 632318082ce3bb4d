#pragma once

#include "framework/dates/Calendar.h"

// Moving payment dates off weekends. The codes are the indexes of the weekend adjustment list
// ("No Adjustment", "Closest Day", "Force Friday", "Force Monday").
namespace quarvex::dates {

inline constexpr int kNoAdjustment = 0;
inline constexpr int kClosestDay = 1;
inline constexpr int kForceFriday = 2;
inline constexpr int kForceMonday = 3;

// A Monday-to-Friday date comes back unchanged, and so does every date with kNoAdjustment.
// Otherwise a Saturday moves to the Monday after with kForceMonday and to the Friday before with
// any other code; a Sunday moves to the Friday before with kForceFriday and to the Monday after
// with any other code. kNoDate for a date outside the valid range or a move that leaves it.
DayNumber AdjustForWeekend(DayNumber date, int weekendCode);

} // namespace quarvex::dates
