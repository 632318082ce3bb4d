#include "AmortTestSupport.h"
#include "GoldenScheduleData.h"
#include "amortization/CalculateSchedule.h"

#include <gtest/gtest.h>

namespace quarvex::amortization::testing {
namespace {

// Every amortizing method and kind of first period, the day-count bases, the compounding
// rules, odd-days interest, points, adjustments and date rules, against schedules worked out
// independently.
TEST(GoldenSchedules, EveryRowAsWorkedOut) {
    for (const GoldenSchedule& golden : GoldenSchedules()) {
        SCOPED_TRACE(std::string(golden.name) + " [" + golden.loan + "]");
        AmortInputs inputs = ParseLoan(golden.loan);
        TAmortSchedule schedule;
        const AmortResults results = CalculateSchedule(inputs, schedule, TestContext());

        ASSERT_EQ(schedule.Count(), golden.rowCount);
        const GoldenFirstPeriod& first = golden.first;
        EXPECT_EQ(static_cast<int>(results.Engine.FirstPeriodKind), first.kind);
        EXPECT_EQ(results.Engine.WholePeriods, first.wholePeriods);
        EXPECT_EQ(results.Engine.OddDays, first.oddDays);
        EXPECT_NEAR(results.Engine.OddFraction, first.oddFraction, 5e-7);
        EXPECT_NEAR(results.Engine.OddDaysInterest, first.oddDaysInterest, 1e-9);
        EXPECT_NEAR(results.Engine.FirstPmt, first.firstPmt, 1e-9);
        for (const GoldenRow& expected : golden.rows) {
            const TTransRec& row = schedule[static_cast<std::size_t>(expected.index)];
            const std::string where = "row " + std::to_string(expected.index);
            EXPECT_EQ(row.PmtNoYr, expected.label) << where;
            EXPECT_EQ(IsoDate(row.TransDate), expected.date) << where;
            EXPECT_NEAR(row.Pmt, expected.pmt, 5e-5) << where << " payment";
            EXPECT_NEAR(row.Interest, expected.interest, 5e-5) << where << " interest";
            EXPECT_NEAR(row.Principal, expected.principal, 5e-5) << where << " principal";
            EXPECT_NEAR(row.PrinBal, expected.balance, 5e-5) << where << " balance";
        }
        ExpectScheduleIdentities(schedule,
                                 inputs.Settings.AdjustLastMthd != LastPeriodAdjust::NoAdjustment,
                                 golden.name);
    }
}

} // namespace
} // namespace quarvex::amortization::testing
