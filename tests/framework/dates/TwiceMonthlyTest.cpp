#include "DateTestSupport.h"
#include "framework/dates/MonthHelpers.h"
#include "framework/dates/PaymentPeriods.h"
#include "framework/dates/TcalcDateMath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace quarvex::dates {
namespace {

using testing::Show;
using testing::Ymd;

constexpr auto kForward = StepDirection::Forward;
constexpr auto kBackward = StepDirection::Backward;

// Every pattern day of a code from `firstYear` to `lastYear`, found by looking at each day of
// each month: its day of the month, or its weekday and which occurrence of that weekday it is.
std::vector<DayNumber> PatternDaysByScanning(int code, int firstYear, int lastYear) {
    std::vector<DayNumber> days;
    for (DayNumber date = Ymd(firstYear, 1, 1); date <= Ymd(lastYear, 12, 31); ++date) {
        const CalendarDate d = DayNumberToDMY(date);
        const int occurrence = (d.day - 1) / 7 + 1;
        const int weekday = WeekdayOf(date);
        bool pattern = false;
        if (code == 0) {
            pattern = d.day == 1 || d.day == 15;
        } else if (code == 1) {
            pattern = d.day == 1 || d.day == 16;
        } else if (code == 2) {
            pattern = d.day == 15 || d.day == DaysInMonth(d.month, d.year);
        } else if (code <= 7) {
            pattern = weekday == code - 2 && (occurrence == 1 || occurrence == 3);
        } else {
            pattern = weekday == code - 7 && (occurrence == 2 || occurrence == 4);
        }
        if (pattern) {
            days.push_back(date);
        }
    }
    return days;
}

DayNumber FirstAfter(const std::vector<DayNumber>& days, DayNumber date) {
    const auto it = std::upper_bound(days.begin(), days.end(), date);
    return it == days.end() ? kNoDate : *it;
}

DayNumber LastBefore(const std::vector<DayNumber>& days, DayNumber date) {
    const auto it = std::lower_bound(days.begin(), days.end(), date);
    return it == days.begin() ? kNoDate : *(it - 1);
}

TEST(TwiceMonthlyStep, PublishedExamples) {
    EXPECT_EQ(TwiceMonthlyStep(kForward, Ymd(2001, 5, 15), kFirstAnd15th, 0), Ymd(2001, 6, 1));
    EXPECT_EQ(TwiceMonthlyStep(kBackward, Ymd(2001, 5, 1), kFirstAnd15th, 0), Ymd(2001, 4, 15));
    EXPECT_EQ(TwiceMonthlyStep(kForward, Ymd(2001, 4, 30), k15thAndLastDay, 0), Ymd(2001, 5, 15));
    EXPECT_EQ(TwiceMonthlyStep(kForward, Ymd(2001, 5, 20), k15thAndLastDay, 0), Ymd(2001, 5, 31));
}

// From a day between pattern days the step goes to the nearest pattern day in its direction:
// never back to the day itself (Tuesday 16 January 2001 with "1st & 3rd Mon." is followed by
// Monday 5 February), never past a pattern day (10 May before 15 May comes after 1 May).
TEST(TwiceMonthlyStep, FromADayBetweenPatternDays) {
    const struct {
        StepDirection direction;
        DayNumber from;
        int code;
        DayNumber expected;
    } cases[] = {
        {kForward, Ymd(2001, 1, 16), k1stAnd3rdMonday, Ymd(2001, 2, 5)},
        {kBackward, Ymd(2001, 1, 16), k1stAnd3rdMonday, Ymd(2001, 1, 15)},
        {kForward, Ymd(2001, 1, 30), k2ndAnd4thMonday + 4, Ymd(2001, 2, 9)},
        {kBackward, Ymd(2001, 5, 10), kFirstAnd15th, Ymd(2001, 5, 1)},
        {kBackward, Ymd(2001, 5, 20), kFirstAnd15th, Ymd(2001, 5, 15)},
        {kBackward, Ymd(2001, 5, 20), kFirstAnd16th, Ymd(2001, 5, 16)},
        {kForward, Ymd(2001, 5, 10), kFirstAnd16th, Ymd(2001, 5, 16)},
        {kBackward, Ymd(2001, 5, 10), k15thAndLastDay, Ymd(2001, 4, 30)},
    };
    for (const auto& c : cases) {
        const DayNumber got = TcalcDateMath::TwiceMonthlyStep(c.direction, c.from, c.code, 0);
        EXPECT_EQ(got, c.expected) << Show(c.from) << " code " << c.code << ": got " << Show(got)
                                   << ", expected " << Show(c.expected);
    }
}

// Every day of six years, every code: forwards the next pattern day, backwards the previous,
// as found by scanning the calendar. Codes 3-12 name weekdays only, so a weekend code changes
// nothing for them.
TEST(TwiceMonthlyStep, StepsToTheNeighbouringPatternDayFromEveryDay) {
    for (int code = 0; code < kTwiceMonthlyCodes; ++code) {
        const std::vector<DayNumber> pattern = PatternDaysByScanning(code, 1998, 2005);
        for (DayNumber date = Ymd(1999, 1, 1); date <= Ymd(2004, 12, 31); ++date) {
            for (const int weekend : {kNoAdjustment, kClosestDay, kForceMonday}) {
                if (weekend != kNoAdjustment && code <= k15thAndLastDay) {
                    continue; // weekend-moved days count as their pattern day: next test
                }
                const DayNumber next = TwiceMonthlyStep(kForward, date, code, weekend);
                const DayNumber previous = TwiceMonthlyStep(kBackward, date, code, weekend);
                ASSERT_EQ(next, FirstAfter(pattern, date))
                    << "code " << code << " weekend " << weekend << " from " << Show(date)
                    << ": got " << Show(next);
                ASSERT_EQ(previous, LastBefore(pattern, date))
                    << "code " << code << " weekend " << weekend << " from " << Show(date)
                    << ": got " << Show(previous);
            }
        }
    }
}

// A twice-monthly schedule with weekend adjustment is exactly the pattern days moved off
// weekends, one after the other: none repeated, none left out, and each step back returns the
// one before.
TEST(TwiceMonthlyStep, WeekendAdjustedSchedulesVisitEveryPatternDayOnce) {
    for (int code = 0; code < kTwiceMonthlyCodes; ++code) {
        const std::vector<DayNumber> pattern = PatternDaysByScanning(code, 1999, 2004);
        for (int weekend = kNoAdjustment; weekend <= kForceMonday; ++weekend) {
            DayNumber date = AdjustForWeekend(pattern.front(), weekend);
            for (std::size_t i = 1; i < pattern.size(); ++i) {
                const DayNumber expected = AdjustForWeekend(pattern[i], weekend);
                const DayNumber next = NextPaymentDate(kTwiceMonthly, date, weekend, code);
                ASSERT_EQ(next, expected) << "code " << code << " weekend " << weekend << " after "
                                          << Show(date) << ": got " << Show(next);
                const DayNumber back = PriorPaymentDate(kTwiceMonthly, next, weekend, code);
                ASSERT_EQ(back, date) << "code " << code << " weekend " << weekend << " before "
                                      << Show(next) << ": got " << Show(back);
                date = next;
            }
        }
    }
}

// The same steps worked the other way, by counting weeks from the start of the month, as the
// twice-monthly days were first defined. On a pattern day both must agree. With a weekend code,
// codes 0 and 1 first move the date two days later so that a date pulled back from a pattern
// day still counts as that day.
DayNumber WeekCountingStep(StepDirection direction, DayNumber date, int code, int weekend) {
    const bool forward = direction == kForward;
    if (code == kFirstAnd15th || code == kFirstAnd16th) {
        const int second = code == kFirstAnd15th ? 15 : 16;
        const DayNumber moved = weekend != kNoAdjustment ? date + 2 : date;
        const CalendarDate d = DayNumberToDMY(moved);
        if (forward) {
            return d.day < second ? Ymd(d.year, d.month, second) : FirstOfNextMonth(moved);
        }
        if (d.day < second) {
            const CalendarDate p = DayNumberToDMY(FirstOfPreviousMonth(moved));
            return Ymd(p.year, p.month, second);
        }
        return FirstOfMonth(moved);
    }
    const CalendarDate d = DayNumberToDMY(date);
    if (code == k15thAndLastDay) {
        if (forward) {
            if (IsLastDayOfMonth(date)) {
                return FirstOfNextMonth(date) + 14;
            }
            return d.day < 15 ? Ymd(d.year, d.month, 15) : LastDayOfMonth(date);
        }
        return d.day > 15 ? Ymd(d.year, d.month, 15) : FirstOfMonth(date) - 1;
    }
    const int t = code <= 7 ? code - 2 : code - 7;
    const int n = code <= 7 ? 1 : 2;
    const auto nth = [&](DayNumber first) {
        const int o = (t - WeekdayOf(first) + 7) % 7;
        return first + 7 * (n - 1) + o;
    };
    if (!forward) {
        const DayNumber e = nth(FirstOfMonth(date));
        if (e >= date) {
            return nth(FirstOfPreviousMonth(date)) + 14;
        }
        return e + 14 >= date ? e : e + 14;
    }
    int i = (d.day - 1) / 7 + 1;
    if (WeekdayOf(date) == t && i == n + 2) {
        ++i;
    }
    DayNumber x;
    if (i <= 3) {
        const DayNumber s = date + (t - WeekdayOf(date));
        x = s < FirstOfMonth(date) ? s + 7 * n : s - 7 * std::abs(i - n);
    } else {
        const DayNumber h = FirstOfNextMonth(date);
        const DayNumber s = h + (t - WeekdayOf(h));
        x = s < h ? s + 7 * n : s + 7 * (n - 1);
    }
    if (x <= date && date < x + 14) {
        return x + 14;
    }
    return x > date ? x : date;
}

TEST(TwiceMonthlyStep, AgreesWithWeekCountingOnPatternDays) {
    for (int code = 0; code < kTwiceMonthlyCodes; ++code) {
        for (const DayNumber day : PatternDaysByScanning(code, 1999, 2004)) {
            for (int weekend = kNoAdjustment; weekend <= kForceMonday; ++weekend) {
                // A date pulled back by up to two days counts as the pattern day for codes 0, 1.
                const int pulledBack = code <= kFirstAnd16th && weekend != kNoAdjustment ? 2 : 0;
                for (DayNumber date = day - pulledBack; date <= day; ++date) {
                    for (const StepDirection direction : {kForward, kBackward}) {
                        ASSERT_EQ(TwiceMonthlyStep(direction, date, code, weekend),
                                  WeekCountingStep(direction, date, code, weekend))
                            << "code " << code << " weekend " << weekend << " from " << Show(date)
                            << (direction == kForward ? " forward" : " backward");
                    }
                }
            }
        }
    }
}

// The week-counting steps are the ones this rule replaces: they can stand still.
TEST(TwiceMonthlyStep, WeekCountingStoodStillBetweenPatternDays) {
    const DayNumber tuesday = Ymd(2001, 1, 16);
    EXPECT_EQ(WeekCountingStep(kForward, tuesday, k1stAnd3rdMonday, 0), tuesday);
    EXPECT_EQ(TwiceMonthlyStep(kForward, tuesday, k1stAnd3rdMonday, 0), Ymd(2001, 2, 5));
}

// Saturday 15 September 2001 moved to Friday the 14th with "Closest Day": the next payment is on
// 30 September (a Sunday, so Monday 1 October), not the 15th again.
TEST(TwiceMonthlyStep, APaymentPulledOffAWeekendIsNotRepeated) {
    const DayNumber friday = Ymd(2001, 9, 14);
    EXPECT_EQ(TwiceMonthlyStep(kForward, friday, k15thAndLastDay, kClosestDay), Ymd(2001, 9, 30));
    EXPECT_EQ(NextPaymentDate(kTwiceMonthly, friday, kClosestDay, k15thAndLastDay),
              Ymd(2001, 10, 1));
    EXPECT_EQ(NextPaymentDate(kTwiceMonthly, Ymd(2001, 10, 1), kClosestDay, k15thAndLastDay),
              Ymd(2001, 10, 15));
    // Without weekend adjustment a Friday the 14th is just a day before the 15th.
    EXPECT_EQ(TwiceMonthlyStep(kForward, friday, k15thAndLastDay, kNoAdjustment), Ymd(2001, 9, 15));
    // For codes 0 and 1 any date up to two days before a pattern day counts as that day.
    EXPECT_EQ(TwiceMonthlyStep(kForward, Ymd(2001, 5, 13), kFirstAnd15th, kClosestDay),
              Ymd(2001, 6, 1));
}

TEST(TwiceMonthlyStep, CodesDatesAndRangeEnds) {
    const DayNumber date = Ymd(2001, 5, 10);
    for (const int code : {-1, 13, 255}) {
        EXPECT_EQ(TwiceMonthlyStep(kForward, date, code, 0), date) << code;
        EXPECT_EQ(TwiceMonthlyStep(kBackward, date, code, 1), date) << code;
    }
    EXPECT_EQ(TwiceMonthlyStep(kForward, kNoDate, 0, 0), kNoDate);
    EXPECT_EQ(TwiceMonthlyStep(kForward, kNoDate, 13, 0), kNoDate);
    EXPECT_EQ(TwiceMonthlyStep(kForward, Ymd(3999, 12, 20), kFirstAnd15th, 0), kNoDate);
    EXPECT_EQ(TwiceMonthlyStep(kForward, Ymd(3999, 12, 20), k15thAndLastDay, 0), kLastDay);
    EXPECT_EQ(TwiceMonthlyStep(kBackward, kFirstDay, kFirstAnd15th, 0), kNoDate);
    EXPECT_EQ(TwiceMonthlyStep(kBackward, kFirstDay, k15thAndLastDay, kForceMonday), kNoDate);
    EXPECT_EQ(TwiceMonthlyStep(kForward, kFirstDay, kFirstAnd15th, 0), Ymd(1600, 1, 15));
    EXPECT_EQ(TwiceMonthlyStep(kBackward, Ymd(1600, 1, 10), k1stAnd3rdMonday, 0), Ymd(1600, 1, 3));
}

TEST(TwiceMonthlyStep, PatternDaysOfAMonth) {
    // February 2001 begins on a Thursday.
    EXPECT_EQ(PatternDaysOfMonth(kFirstAnd15th, 2, 2001), (std::array<int, 2>{1, 15}));
    EXPECT_EQ(PatternDaysOfMonth(k15thAndLastDay, 2, 2000), (std::array<int, 2>{15, 29}));
    EXPECT_EQ(PatternDaysOfMonth(k1stAnd3rdMonday, 2, 2001), (std::array<int, 2>{5, 19}));
    EXPECT_EQ(PatternDaysOfMonth(k1stAnd3rdMonday + 3, 2, 2001), (std::array<int, 2>{1, 15}));
    EXPECT_EQ(PatternDaysOfMonth(k2ndAnd4thMonday + 2, 2, 2001), (std::array<int, 2>{14, 28}));
    EXPECT_EQ(PatternDaysOfMonth(13, 2, 2001), (std::array<int, 2>{0, 0}));
    EXPECT_EQ(PatternDaysOfMonth(0, 1, 4000), (std::array<int, 2>{0, 0}));
    EXPECT_TRUE(IsPatternDay(Ymd(2001, 2, 28), k2ndAnd4thMonday + 2));
    EXPECT_FALSE(IsPatternDay(Ymd(2001, 2, 21), k2ndAnd4thMonday + 2));
    EXPECT_FALSE(IsPatternDay(kNoDate, 0));
}

} // namespace
} // namespace quarvex::dates
