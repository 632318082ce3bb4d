#include "AmortTestSupport.h"
#include "amortization/CalculateSchedule.h"
#include "framework/dates/TwiceMonthly.h"
#include "framework/dates/Weekend.h"

#include <gtest/gtest.h>

namespace quarvex::amortization::testing {
namespace {

TAmortSchedule Schedule(const std::string& loan, AmortInputs* inputs = nullptr) {
    AmortInputs in = ParseLoan(loan);
    TAmortSchedule schedule;
    CalculateSchedule(in, schedule, TestContext());
    if (inputs != nullptr) {
        *inputs = in;
    }
    return schedule;
}

TEST(DateStepping, AWeekendMoveDoesNotCarryIntoLaterMonths) {
    // Payments on the 15th, "Force Friday". 15 September 2024 is a Sunday and moves to
    // Friday the 13th; 15 October is a Tuesday and stays, and so do the months after it.
    const TAmortSchedule schedule =
        Schedule("force=1 rate=9 n=24 weekend=2 org=6/1/2024 first=6/15/2024");
    for (std::size_t k = 1; k < schedule.Records().size(); ++k) {
        const dates::DayNumber date = schedule[k].TransDate;
        const dates::CalendarDate day = dates::DayNumberToDMY(date);
        const int weekday = dates::WeekdayOf(date);
        EXPECT_TRUE((weekday != dates::Saturday && weekday != dates::Sunday) || k == 1) << k;
        if (day.day != 15) {
            EXPECT_EQ(weekday, dates::Friday) << IsoDate(date);
            EXPECT_TRUE(day.day == 13 || day.day == 14) << IsoDate(date);
        }
    }
    EXPECT_EQ(IsoDate(schedule[4].TransDate), "2024-09-13");
    EXPECT_EQ(IsoDate(schedule[5].TransDate), "2024-10-15");
}

TEST(DateStepping, ClosestDayMovesBothWays) {
    // 15 June 2024 is a Saturday (row 1 keeps the date entered), 15 September a Sunday.
    const TAmortSchedule schedule =
        Schedule("force=1 rate=9 n=12 weekend=1 org=6/1/2024 first=6/15/2024");
    EXPECT_EQ(IsoDate(schedule[1].TransDate), "2024-06-15");
    EXPECT_EQ(IsoDate(schedule[4].TransDate), "2024-09-16");
    EXPECT_EQ(IsoDate(schedule[7].TransDate), "2024-12-16");
    EXPECT_EQ(IsoDate(schedule[9].TransDate), "2025-02-14");
}

TEST(DateStepping, RowsAppendedByARecalculationStepFromTheScheduledDate) {
    AmortInputs in;
    const TAmortSchedule fresh =
        Schedule("force=1 rate=9 n=24 weekend=2 org=6/1/2024 first=6/15/2024", &in);
    TAmortSchedule cut = fresh;
    cut.Records().resize(5); // ends on Friday 13 September
    RecalculateSchedule(in, cut, TestContext());
    ASSERT_EQ(cut.Count(), fresh.Count());
    for (std::size_t k = 0; k < fresh.Records().size(); ++k) {
        EXPECT_EQ(cut[k].TransDate, fresh[k].TransDate) << k;
        EXPECT_EQ(cut[k].PmtNoYr, fresh[k].PmtNoYr) << k;
    }
}

TEST(DateStepping, MonthEndsAndLoanYears) {
    const TAmortSchedule ends = Schedule("force=1 rate=9 n=14 org=1/15/2024 first=1/31/2024");
    EXPECT_EQ(IsoDate(ends[2].TransDate), "2024-02-29");
    EXPECT_EQ(IsoDate(ends[3].TransDate), "2024-03-31");
    EXPECT_EQ(IsoDate(ends[4].TransDate), "2024-04-30");
    EXPECT_EQ(IsoDate(ends[14].TransDate), "2025-02-28");
    // Loan years count whole years from the first payment date.
    EXPECT_EQ(ends[12].PmtNoYr, "12/01"); // 31 December 2024
    EXPECT_EQ(ends[13].PmtNoYr, "13/02"); // 31 January 2025
    EXPECT_EQ(ends[13].NumYears, 2);

    // A first payment on 29 February: its anniversary in a common year is 1 March.
    const TAmortSchedule leap = Schedule("force=1 rate=9 n=14 eom=0 org=2/1/2024 first=2/29/2024");
    EXPECT_EQ(IsoDate(leap[12].TransDate), "2025-01-29");
    EXPECT_EQ(leap[12].NumYears, 1);
    EXPECT_EQ(IsoDate(leap[13].TransDate), "2025-03-01"); // 29 February + 12 months
    EXPECT_EQ(leap[13].NumYears, 2);
}

TEST(DateStepping, TwiceMonthlyPaymentsKeepTheirDays) {
    for (int code = 0; code < 13; ++code) {
        for (const int weekend : {0, 1, 2, 3}) {
            const std::string loan = "force=1 rate=9 n=48 period=3 cmp=4 org=1/1/2024 "
                                     "first=1/15/2024 twice=" +
                                     std::to_string(code) + " weekend=" + std::to_string(weekend);
            const TAmortSchedule schedule = Schedule(loan);
            ASSERT_EQ(schedule.Count(), 49) << loan;
            for (std::size_t k = 2; k < schedule.Records().size(); ++k) {
                const dates::DayNumber date = schedule[k].TransDate;
                bool onPattern = false;
                for (int shift = -2; shift <= 2 && !onPattern; ++shift) {
                    onPattern = dates::IsPatternDay(date + shift, code) &&
                                dates::AdjustForWeekend(date + shift, weekend) == date;
                }
                EXPECT_TRUE(onPattern) << loan << " row " << k << " " << IsoDate(date);
                EXPECT_GT(date, schedule[k - 1].TransDate) << loan << " row " << k;
            }
        }
    }
}

} // namespace
} // namespace quarvex::amortization::testing
