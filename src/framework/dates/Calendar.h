#pragma once

#include <cstdint>

// Whole-day dates. Every date the program stores or steps is a day number: the count of days
// since 1 January 1600 in the Gregorian calendar. The valid years are 1600 to 3999; anything
// outside them, or a day that does not exist, is kNoDate.
namespace quarvex::dates {

using DayNumber = std::int32_t;

inline constexpr DayNumber kNoDate = -1;
inline constexpr int kFirstYear = 1600;
inline constexpr int kLastYear = 3999;
inline constexpr DayNumber kFirstDay = 0;     // Saturday 1 January 1600
inline constexpr DayNumber kLastDay = 876581; // Friday 31 December 3999

// Day 0 is a Saturday; the weekday of day n is (n + 6) mod 7.
enum Weekday : int { Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };

struct CalendarDate {
    int day = 0;
    int month = 0;
    int year = 0;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// Divisible by 4 and not by 100, or divisible by 400, and never when divisible by 4000.
bool IsLeapYear(int year);

// The length of a month (1-12) of any year; 0 for a month outside 1-12.
int DaysInMonth(int month, int year);

// Year 1600 to 3999, month 1 to 12, day 1 to the month's length.
bool IsValidDate(int day, int month, int year);

// True for a day number inside the valid range.
bool IsValidDayNumber(DayNumber date);

// The day number of a calendar date; kNoDate when the day, month or year is invalid.
DayNumber DMYToDayNumber(int day, int month, int year);

// The calendar date of a day number; all zero for a date outside the valid range.
CalendarDate DayNumberToDMY(DayNumber date);

// 0 = Sunday ... 6 = Saturday; -1 for a date outside the valid range.
int WeekdayOf(DayNumber date);

} // namespace quarvex::dates
