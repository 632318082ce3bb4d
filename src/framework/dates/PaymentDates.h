#pragma once

#include "framework/dates/Calendar.h"

// Stepping a payment date one period forward or back. Period codes are those of
// PaymentPeriods.h, weekend codes those of Weekend.h, twice-monthly codes those of
// TwiceMonthly.h. Every function gives kNoDate for a date outside the valid range and for a step
// that would leave it.
namespace quarvex::dates {

// One period on: +7, +14 or +28 days (Weekly, BiWeekly, Every 4 Weeks), the next twice-monthly
// pattern day, or +1, +2, +3, +6 or +12 months by AddToDate (so 31 January steps to 3 March in
// a common year); Daily and unknown codes step one day. The result is moved off a weekend by the
// weekend code, except for Daily, which pays every day.
DayNumber NextPaymentDate(int periodCode, DayNumber date, int weekendCode, int twiceMonthlyCode);

// One period back, the mirror of NextPaymentDate. Daily (and an unknown code) steps one day back
// without weekend adjustment, exactly as NextPaymentDate steps one day on, so that the period
// before a daily payment is one day long like every other daily period.
DayNumber PriorPaymentDate(int periodCode, DayNumber date, int weekendCode, int twiceMonthlyCode);

// One period on for payments kept on the last day of the month: the month-based codes go to the
// last day of the month 1, 2, 3, 6 or 12 months later, then off a weekend by the weekend code.
// A date that the weekend code moved forward off a month end into the next month counts as that
// month end, so a month is never left out. Other codes step as NextPaymentDate does.
DayNumber NextPaymentDateEOM(int periodCode, DayNumber date, int weekendCode, int twiceMonthlyCode);

} // namespace quarvex::dates
