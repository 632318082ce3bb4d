#include "DateTestSupport.h"
#include "framework/dates/MonthHelpers.h"
#include "framework/dates/PaymentPeriods.h"
#include "framework/dates/TcalcDateMath.h"

#include <gtest/gtest.h>

namespace quarvex::dates {
namespace {

using testing::Show;
using testing::Ymd;

// January 2001 begins on a Monday; 10 January is a Wednesday, 10 February a Saturday.
TEST(PaymentDates, OnePeriodEachWay) {
    const DayNumber from = Ymd(2001, 1, 10);
    const struct {
        int code;
        DayNumber next, prior;
    } cases[] = {
        {kDaily, Ymd(2001, 1, 11), Ymd(2001, 1, 9)},
        {kWeekly, Ymd(2001, 1, 17), Ymd(2001, 1, 3)},
        {kBiWeekly, Ymd(2001, 1, 24), Ymd(2000, 12, 27)},
        {kTwiceMonthly, Ymd(2001, 1, 15), Ymd(2001, 1, 1)},
        {kEvery4Weeks, Ymd(2001, 2, 7), Ymd(2000, 12, 13)},
        {kMonthly, Ymd(2001, 2, 10), Ymd(2000, 12, 10)},
        {kBiMonthly, Ymd(2001, 3, 10), Ymd(2000, 11, 10)},
        {kQuarterly, Ymd(2001, 4, 10), Ymd(2000, 10, 10)},
        {kSemiannually, Ymd(2001, 7, 10), Ymd(2000, 7, 10)},
        {kAnnually, Ymd(2002, 1, 10), Ymd(2000, 1, 10)},
        {0, Ymd(2001, 1, 11), Ymd(2001, 1, 9)}, // unknown codes step a day
        {11, Ymd(2001, 1, 11), Ymd(2001, 1, 9)},
    };
    for (const auto& c : cases) {
        const DayNumber next = TcalcDateMath::NextPaymentDate(c.code, from, kNoAdjustment, 0);
        const DayNumber prior = TcalcDateMath::PriorPaymentDate(c.code, from, kNoAdjustment, 0);
        EXPECT_EQ(next, c.next) << "code " << c.code << ": got " << Show(next);
        EXPECT_EQ(prior, c.prior) << "code " << c.code << ": got " << Show(prior);
    }
}

TEST(PaymentDates, MonthlyFromTheLastDayOfJanuary) {
    EXPECT_EQ(TcalcDateMath::NextPaymentDate(kMonthly, Ymd(2001, 1, 31), 0, 0), Ymd(2001, 3, 3));
    EXPECT_EQ(TcalcDateMath::NextPaymentDateEOM(kMonthly, Ymd(2001, 1, 31), 0, 0),
              Ymd(2001, 2, 28));
    EXPECT_EQ(TcalcDateMath::NextPaymentDateEOM(kMonthly, Ymd(2000, 1, 31), 0, 0),
              Ymd(2000, 2, 29));
}

TEST(PaymentDates, WeekendAdjustmentExceptForDailyPayments) {
    const DayNumber wednesday = Ymd(2001, 1, 10);
    EXPECT_EQ(NextPaymentDate(kMonthly, wednesday, kClosestDay, 0), Ymd(2001, 2, 9));
    EXPECT_EQ(NextPaymentDate(kMonthly, wednesday, kForceMonday, 0), Ymd(2001, 2, 12));
    EXPECT_EQ(PriorPaymentDate(kWeekly, Ymd(2001, 1, 13), kForceMonday, 0), Ymd(2001, 1, 8));
    // Daily payments fall on every day, weekends included, in both directions.
    EXPECT_EQ(NextPaymentDate(kDaily, Ymd(2001, 1, 5), kClosestDay, 0), Ymd(2001, 1, 6));
    EXPECT_EQ(PriorPaymentDate(kDaily, Ymd(2001, 1, 8), kClosestDay, 0), Ymd(2001, 1, 7));
}

TEST(PaymentDates, EndOfMonthForEveryMonthBasedCode) {
    const struct {
        DayNumber from;
        int code;
        DayNumber expected;
    } cases[] = {
        {Ymd(2001, 1, 31), kMonthly, Ymd(2001, 2, 28)},
        {Ymd(2001, 2, 28), kMonthly, Ymd(2001, 3, 31)},
        {Ymd(2001, 1, 31), kBiMonthly, Ymd(2001, 3, 31)},
        {Ymd(2001, 1, 31), kQuarterly, Ymd(2001, 4, 30)},
        {Ymd(2001, 1, 31), kSemiannually, Ymd(2001, 7, 31)},
        {Ymd(2000, 2, 29), kAnnually, Ymd(2001, 2, 28)},
        {Ymd(2001, 12, 31), kMonthly, Ymd(2002, 1, 31)},
        // Other codes step as NextPaymentDate; Daily moves on a day rather than standing still.
        {Ymd(2001, 1, 31), kWeekly, Ymd(2001, 2, 7)},
        {Ymd(2001, 1, 31), kDaily, Ymd(2001, 2, 1)},
    };
    for (const auto& c : cases) {
        const DayNumber got = TcalcDateMath::NextPaymentDateEOM(c.code, c.from, 0, 0);
        EXPECT_EQ(got, c.expected) << Show(c.from) << " code " << c.code << ": got " << Show(got);
    }
}

// Saturday 31 March 2001 becomes Monday 2 April with "Force Monday"; the payment after it is
// April's, not May's.
TEST(PaymentDates, EndOfMonthScheduleKeepsOnePaymentEveryMonth) {
    const DayNumber monday = NextPaymentDateEOM(kMonthly, Ymd(2001, 2, 28), kForceMonday, 0);
    EXPECT_EQ(monday, Ymd(2001, 4, 2)) << Show(monday);
    const DayNumber april = NextPaymentDateEOM(kMonthly, monday, kForceMonday, 0);
    EXPECT_EQ(april, Ymd(2001, 4, 30)) << Show(april);
    for (int weekend = kNoAdjustment; weekend <= kForceMonday; ++weekend) {
        DayNumber monthEnd = Ymd(2001, 1, 31);
        DayNumber date = monthEnd;
        for (int payment = 1; payment <= 240; ++payment) {
            monthEnd = LastDayOfMonth(FirstOfNextMonth(monthEnd));
            const DayNumber next = NextPaymentDateEOM(kMonthly, date, weekend, 0);
            ASSERT_EQ(next, AdjustForWeekend(monthEnd, weekend))
                << "weekend code " << weekend << " after " << Show(date) << ": got " << Show(next);
            date = next;
        }
    }
}

TEST(PaymentDates, StepsNeverLeaveTheValidRange) {
    for (int code = 0; code <= 11; ++code) {
        EXPECT_EQ(NextPaymentDate(code, kNoDate, 0, 0), kNoDate) << code;
        EXPECT_EQ(PriorPaymentDate(code, kNoDate, 0, 0), kNoDate) << code;
        EXPECT_EQ(NextPaymentDateEOM(code, kNoDate, 0, 0), kNoDate) << code;
        EXPECT_EQ(NextPaymentDate(code, kLastDay, 0, 0), kNoDate) << code;
        EXPECT_EQ(NextPaymentDateEOM(code, kLastDay, 0, 0), kNoDate) << code;
        EXPECT_EQ(PriorPaymentDate(code, kFirstDay, kForceMonday, 0), kNoDate) << code;
    }
    EXPECT_EQ(NextPaymentDate(kAnnually, Ymd(3999, 1, 1), 0, 0), kNoDate);
    EXPECT_EQ(NextPaymentDate(kMonthly, Ymd(3999, 11, 30), 0, 0), Ymd(3999, 12, 30));
}

TEST(PaymentDates, SchedulesOnlyMoveForward) {
    for (int code = kDaily; code <= kAnnually; ++code) {
        for (int weekend = kNoAdjustment; weekend <= kForceMonday; ++weekend) {
            for (int twice = 0; twice < kTwiceMonthlyCodes; ++twice) {
                if (code != kTwiceMonthly && twice > 0) {
                    break;
                }
                DayNumber date = Ymd(2001, 1, 1);
                for (int payment = 0; payment < 120; ++payment) {
                    const DayNumber next = NextPaymentDate(code, date, weekend, twice);
                    ASSERT_GT(next, date) << "code " << code << " weekend " << weekend
                                          << " twice-monthly " << twice << " from " << Show(date);
                    ASSERT_GT(NextPaymentDateEOM(code, date, weekend, twice), date)
                        << "code " << code << " weekend " << weekend << " from " << Show(date);
                    date = next;
                }
            }
        }
    }
}

} // namespace
} // namespace quarvex::dates
