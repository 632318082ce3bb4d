#include "DateTestSupport.h"
#include "framework/dates/DateArithmetic.h"
#include "framework/dates/PaymentPeriods.h"
#include "framework/dates/TcalcDateMath.h"

#include <gtest/gtest.h>

namespace quarvex::dates {
namespace {

using testing::Show;
using testing::Ymd;

struct Expected {
    double periods;
    int wholePeriods, oddDays, totalDays, extraDays;
};

void ExpectCount(DayNumber start, DayNumber end, int code, const Expected& e) {
    TcalcDateMath math;
    const double periods = math.PeriodsBetween(start, end, code);
    const std::string where = Show(start) + " to " + Show(end) + " code " + std::to_string(code);
    EXPECT_DOUBLE_EQ(periods, e.periods) << where;
    EXPECT_EQ(math.WholePeriods, e.wholePeriods) << where;
    EXPECT_EQ(math.OddDays, e.oddDays) << where;
    EXPECT_EQ(math.TotalDays, e.totalDays) << where;
    EXPECT_EQ(math.ExtraDays, e.extraDays) << where;
}

TEST(PeriodsBetween, PublishedExamples) {
    ExpectCount(Ymd(2001, 1, 15), Ymd(2001, 4, 15), kMonthly, {3.0, 3, 0, 90, 60});
    ExpectCount(Ymd(2001, 1, 1), Ymd(2001, 2, 16), kMonthly, {1.5, 1, 15, 45, 15});
    ExpectCount(Ymd(2001, 3, 1), Ymd(2001, 3, 20), kTwiceMonthly, {1 + 4.0 / 15, 1, 4, 19, 4});
}

// Worked by hand: calendar months first, then the days left, in nominal 30-day months.
TEST(PeriodsBetween, EveryPeriodCode) {
    const struct {
        DayNumber start, end;
        int code;
        Expected expected;
    } cases[] = {
        {Ymd(2001, 1, 1), Ymd(2001, 1, 31), kDaily, {30, 0, 30, 30, 0}},
        {Ymd(2001, 1, 1), Ymd(2001, 1, 31), kWeekly, {30.0 / 7, 4, 2, 30, 23}},
        {Ymd(2001, 1, 1), Ymd(2001, 1, 31), kBiWeekly, {30.0 / 14, 2, 2, 30, 16}},
        {Ymd(2001, 1, 1), Ymd(2001, 3, 1), kEvery4Weeks, {59.0 / 28, 2, 3, 59, 31}},
        {Ymd(2001, 1, 1), Ymd(2001, 3, 20), kTwiceMonthly, {5 + 4.0 / 15, 5, 4, 79, 64}},
        {Ymd(2001, 1, 15), Ymd(2001, 6, 15), kQuarterly, {1 + 60.0 / 90, 1, 60, 150, 60}},
        {Ymd(2001, 1, 1), Ymd(2001, 8, 15), kSemiannually, {1 + 44.0 / 180, 1, 44, 224, 44}},
        {Ymd(2001, 1, 1), Ymd(2002, 7, 1), kAnnually, {1.5, 1, 180, 540, 180}},
        {Ymd(2000, 3, 10), Ymd(2002, 12, 25), kBiMonthly, {16.75, 16, 45, 1005, 945}},
        {Ymd(2001, 1, 10), Ymd(2001, 1, 20), kMonthly, {10.0 / 30, 0, 10, 10, 10}},
    };
    for (const auto& c : cases) {
        ExpectCount(c.start, c.end, c.code, c.expected);
    }
}

// Odd days that reach a whole period are that period: 1 to 31 January is one month (30 days),
// not one month and 30 odd days, which would charge a month's interest twice.
TEST(PeriodsBetween, OddDaysNeverReachAWholePeriod) {
    ExpectCount(Ymd(2001, 1, 1), Ymd(2001, 1, 31), kMonthly, {1.0, 1, 0, 30, 0});
    ExpectCount(Ymd(2001, 1, 1), Ymd(2001, 12, 31), kQuarterly, {4.0, 4, 0, 360, 270});
    ExpectCount(Ymd(2001, 1, 1), Ymd(2001, 12, 31), kBiMonthly, {6.0, 6, 0, 360, 300});
    ExpectCount(Ymd(2001, 1, 1), Ymd(2001, 12, 31), kAnnually, {1.0, 1, 0, 360, 0});
    for (int code = kWeekly; code <= kAnnually; ++code) {
        const int perPeriod = DaysPerPeriod(code);
        for (DayNumber end = Ymd(2000, 1, 1); end < Ymd(2004, 1, 1); end += 3) {
            TcalcDateMath math;
            const double periods = math.PeriodsBetween(Ymd(2000, 1, 1), end, code);
            ASSERT_GE(math.OddDays, 0) << Show(end) << " code " << code;
            ASSERT_LT(math.OddDays, perPeriod) << Show(end) << " code " << code;
            ASSERT_EQ(math.WholePeriods, static_cast<int>(periods))
                << Show(end) << " code " << code;
            ASSERT_EQ(math.TotalDays, math.WholePeriods * perPeriod + math.OddDays) << Show(end);
        }
    }
}

TEST(PeriodsBetween, WholeCalendarMonthsAreWholePeriods) {
    for (DayNumber start = Ymd(2000, 1, 1); start < Ymd(2001, 1, 1); ++start) {
        if (DayNumberToDMY(start).day > 28) {
            continue; // the day must exist in every month
        }
        for (int months = 1; months <= 36; ++months) {
            const DayNumber end = AddToDate(start, 0, months, 0);
            TcalcDateMath math;
            ASSERT_DOUBLE_EQ(math.PeriodsBetween(start, end, kMonthly), months) << Show(start);
            ASSERT_DOUBLE_EQ(math.PeriodsBetween(start, end, kTwiceMonthly), 2 * months)
                << Show(start);
            ASSERT_EQ(math.OddDays, 0) << Show(start) << " + " << months;
        }
    }
}

TEST(PeriodsBetween, AnEndBeforeTheStartCountsBackwards) {
    ExpectCount(Ymd(2001, 4, 15), Ymd(2001, 1, 15), kMonthly, {-3.0, -3, 0, -90, -60});
    ExpectCount(Ymd(2001, 1, 31), Ymd(2001, 1, 1), kWeekly, {-30.0 / 7, -4, -2, -30, -23});
    ExpectCount(Ymd(2001, 1, 31), Ymd(2001, 1, 1), kDaily, {-30, 0, -30, -30, 0});
}

TEST(PeriodsBetween, NothingToCount) {
    TcalcDateMath math;
    math.TotalDays = math.ExtraDays = math.OddDays = math.WholePeriods = 99;
    EXPECT_EQ(math.PeriodsBetween(Ymd(2001, 5, 5), Ymd(2001, 5, 5), kMonthly), 0);
    EXPECT_EQ(math.TotalDays + math.ExtraDays + math.OddDays + math.WholePeriods, 0);
    for (const int code : {0, 11, -1}) {
        EXPECT_EQ(math.PeriodsBetween(Ymd(2001, 1, 1), Ymd(2001, 5, 5), code), 0) << code;
    }
    EXPECT_EQ(math.PeriodsBetween(kNoDate, Ymd(2001, 5, 5), kMonthly), 0);
    EXPECT_EQ(math.PeriodsBetween(Ymd(2001, 5, 5), kLastDay + 1, kDaily), 0);
    EXPECT_EQ(math.TotalDays + math.ExtraDays + math.OddDays + math.WholePeriods, 0);
}

TEST(PeriodsBetween, AcrossTheWholeRange) {
    TcalcDateMath math;
    // 2399 years, 11 months and 30 days: in 30-day months the last year is whole.
    EXPECT_DOUBLE_EQ(math.PeriodsBetween(kFirstDay, kLastDay, kAnnually), 2400);
    EXPECT_EQ(math.PeriodsBetween(kFirstDay, kLastDay, kDaily), kLastDay);
}

} // namespace
} // namespace quarvex::dates
