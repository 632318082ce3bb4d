#pragma once

// Payment period codes of the date arithmetic: the index of the payment period list plus one.
namespace quarvex::dates {

inline constexpr int kDaily = 1;
inline constexpr int kWeekly = 2;
inline constexpr int kBiWeekly = 3;
inline constexpr int kTwiceMonthly = 4;
inline constexpr int kEvery4Weeks = 5;
inline constexpr int kMonthly = 6;
inline constexpr int kBiMonthly = 7;
inline constexpr int kQuarterly = 8;
inline constexpr int kSemiannually = 9;
inline constexpr int kAnnually = 10;

// Nominal days per period: 1, 7, 14, 15, 28, 30, 60, 90, 180, 360; 0 for an unknown code.
int DaysPerPeriod(int periodCode);

// Months per period for the month-based codes (Monthly 1 ... Annually 12); 0 for the others.
int MonthsPerPeriod(int periodCode);

} // namespace quarvex::dates
