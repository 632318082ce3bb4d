#include "framework/dates/Calendar.h"
#include "DateTestSupport.h"

#include <gtest/gtest.h>

namespace quarvex::dates {
namespace {

using testing::Ymd;

TEST(Calendar, LeapYearsFollowTheGregorianRuleAndThe4000Rule) {
    const struct {
        int year;
        bool leap;
    } cases[] = {
        {1600, true},  {1700, false}, {1800, false}, {1900, false}, {2000, true},
        {2001, false}, {2004, true},  {2100, false}, {2400, true},  {3996, true},
        {3999, false}, {4000, false}, {8000, false}, {4004, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.year;
    }
}

TEST(Calendar, MonthLengths) {
    const struct {
        int month, year, days;
    } cases[] = {
        {1, 2001, 31}, {2, 1900, 28}, {2, 2000, 29},  {2, 2001, 28},  {2, 2024, 29}, {4, 2001, 30},
        {6, 2001, 30}, {9, 2001, 30}, {11, 2001, 30}, {12, 3999, 31}, {0, 2001, 0},  {13, 2001, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DaysInMonth(c.month, c.year), c.days) << c.month << "/" << c.year;
    }
}

TEST(Calendar, ValidDates) {
    const struct {
        int day, month, year;
        bool valid;
    } cases[] = {
        {1, 1, 1600, true},  {31, 12, 3999, true}, {31, 12, 1599, false}, {1, 1, 4000, false},
        {29, 2, 2000, true}, {29, 2, 1900, false}, {29, 2, 2100, false},  {31, 4, 2001, false},
        {0, 1, 2001, false}, {32, 1, 2001, false}, {1, 0, 2001, false},   {1, 13, 2001, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidDate(c.day, c.month, c.year), c.valid)
            << c.day << "/" << c.month << "/" << c.year;
        EXPECT_EQ(DMYToDayNumber(c.day, c.month, c.year) != kNoDate, c.valid)
            << c.day << "/" << c.month << "/" << c.year;
    }
}

// Day numbers and weekdays counted outside the program (Python's proleptic Gregorian dates).
TEST(Calendar, KnownDayNumbersAndWeekdays) {
    const struct {
        int year, month, day;
        DayNumber number;
        int weekday;
    } cases[] = {
        {1600, 1, 1, 0, Saturday},       {1776, 7, 4, 64468, Thursday},
        {1970, 1, 1, 135140, Thursday},  {2000, 1, 1, 146097, Saturday},
        {2001, 1, 16, 146478, Tuesday},  {2001, 9, 11, 146716, Tuesday},
        {2024, 2, 29, 154922, Thursday}, {3999, 12, 31, 876581, Friday},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Ymd(c.year, c.month, c.day), c.number)
            << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(DayNumberToDMY(c.number), (CalendarDate{c.day, c.month, c.year})) << c.number;
        EXPECT_EQ(WeekdayOf(c.number), c.weekday) << c.number;
    }
}

TEST(Calendar, RangeEnds) {
    EXPECT_EQ(Ymd(1600, 1, 1), kFirstDay);
    EXPECT_EQ(Ymd(3999, 12, 31), kLastDay);
    EXPECT_EQ(DayNumberToDMY(kFirstDay - 1), CalendarDate{});
    EXPECT_EQ(DayNumberToDMY(kLastDay + 1), CalendarDate{});
    EXPECT_EQ(WeekdayOf(kNoDate), -1);
    EXPECT_EQ(WeekdayOf(kLastDay + 1), -1);
    EXPECT_FALSE(IsValidDayNumber(kNoDate));
    EXPECT_TRUE(IsValidDayNumber(kLastDay));
}

// Walks the whole valid range one day at a time with a plain day/month/year counter, so every
// conversion is checked against simple counting rather than against the conversion formulas.
TEST(Calendar, EveryDayOfTheRangeConvertsBothWays) {
    CalendarDate expected{1, 1, kFirstYear};
    int weekday = Saturday;
    for (DayNumber n = kFirstDay; n <= kLastDay; ++n) {
        const CalendarDate got = DayNumberToDMY(n);
        if (got != expected || DMYToDayNumber(got.day, got.month, got.year) != n ||
            WeekdayOf(n) != weekday) {
            FAIL() << "day " << n << ": got " << got.day << "/" << got.month << "/" << got.year
                   << ", expected " << expected.day << "/" << expected.month << "/"
                   << expected.year;
        }
        weekday = (weekday + 1) % 7;
        if (++expected.day > DaysInMonth(expected.month, expected.year)) {
            expected.day = 1;
            if (++expected.month > 12) {
                expected.month = 1;
                ++expected.year;
            }
        }
    }
    EXPECT_EQ(expected, (CalendarDate{1, 1, 4000}));
}

} // namespace
} // namespace quarvex::dates
