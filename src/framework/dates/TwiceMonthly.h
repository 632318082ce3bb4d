#pragma once

#include "framework/dates/Calendar.h"

#include <array>

// Twice-monthly payment days. The codes are the indexes of the twice-monthly list: 0 "1st &
// 15th", 1 "1st & 16th", 2 "15th & Last Day", 3-7 the first and third Monday to Friday, 8-12 the
// second and fourth Monday to Friday. The days a code names are its pattern days.
namespace quarvex::dates {

inline constexpr int kFirstAnd15th = 0;
inline constexpr int kFirstAnd16th = 1;
inline constexpr int k15thAndLastDay = 2;
inline constexpr int k1stAnd3rdMonday = 3; // + 0 to 4 for Monday to Friday
inline constexpr int k2ndAnd4thMonday = 8; // + 0 to 4 for Monday to Friday
inline constexpr int kTwiceMonthlyCodes = 13;

enum class StepDirection { Backward, Forward };

// The two pattern days of a month as days of the month, earlier first; {0, 0} for an unknown
// code or a month outside the valid years.
std::array<int, 2> PatternDaysOfMonth(int code, int month, int year);

bool IsPatternDay(DayNumber date, int code);

// The first pattern day strictly after `date` (Backward: strictly before), so that a schedule
// stepped with it never repeats a date and never leaves one out.
//
// With a weekend code other than kNoAdjustment, a date that weekend adjustment moved off a
// pattern day counts as that pattern day, and for codes 0 and 1 so does any date up to two days
// before one: a payment pulled back to Friday from the 1st or the 15th then steps on from the
// 1st or the 15th instead of landing on that same day again.
//
// Codes outside 0-12 give `date` back; kNoDate for a date outside the valid range or a step
// that would leave it.
DayNumber TwiceMonthlyStep(StepDirection direction, DayNumber date, int code, int weekendCode);

} // namespace quarvex::dates
