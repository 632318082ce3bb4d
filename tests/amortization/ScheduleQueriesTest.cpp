#include "AmortTestSupport.h"
#include "amortization/CalculateSchedule.h"
#include "amortization/EAmort.h"
#include "amortization/RowLabel.h"
#include "amortization/TTransRec.h"
#include "framework/dates/DateLabels.h"

#include <gtest/gtest.h>

#include <functional>

namespace quarvex::amortization::testing {
namespace {

int CodeOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EAmort& error) {
        return error.Code();
    }
    return 0;
}

class ScheduleQueries : public ::testing::Test {
protected:
    void SetUp() override {
        AmortInputs in = ParseLoan("pmt=879.16 rate=9 org=1/15/2024 first=2/15/2024");
        CalculateSchedule(in, schedule, TestContext());
    }
    TAmortSchedule schedule;
};

TEST_F(ScheduleQueries, RunningTotalsAndBalancesOfARow) {
    // Row 3 of the schedule worked out in the golden table: balance 7 569.38 on 15 April.
    EXPECT_NEAR(schedule.RunningPmtAt(3), 3 * 879.16, 1e-9);
    EXPECT_NEAR(schedule.RunningIntAt(3), 75.00 + 68.97 + 62.89, 1e-9);
    EXPECT_NEAR(schedule.RunningPrincipalAt(3), 10000 - 7569.38, 1e-9);
    EXPECT_EQ(schedule.RunningExtraPmtAt(3), 0);
    dates::DayNumber date = 0;
    EXPECT_NEAR(schedule.BalanceAt(3, &date), 7569.38, 1e-9);
    EXPECT_EQ(date, Day(2024, 4, 15));
    EXPECT_EQ(schedule.FinalBalance(), 0);
    EXPECT_EQ(schedule.LastTransNo(), 12);
}

TEST_F(ScheduleQueries, PeriodsOutsideTheScheduleOrOutOfStep) {
    EXPECT_EQ(CodeOf([&] { schedule.BalanceAt(-1); }), 212);
    EXPECT_EQ(CodeOf([&] { schedule.RunningPmtAt(13); }), 212);
    EXPECT_EQ(CodeOf([&] { schedule.RunningIntAt(13); }), 212);
    schedule[5].TransNo = 6;
    EXPECT_EQ(CodeOf([&] { schedule.RunningPrincipalAt(5); }), 213);
    EXPECT_EQ(CodeOf([&] { TAmortSchedule().RunningExtraPmtAt(0); }), 212);
}

TEST_F(ScheduleQueries, BalanceOnADate) {
    dates::DayNumber date = Day(2024, 5, 1);
    std::int32_t transNo = -1;
    EXPECT_NEAR(schedule.BalanceOnDate(date, transNo), 7569.38, 1e-9);
    EXPECT_EQ(date, Day(2024, 4, 15));
    EXPECT_EQ(transNo, 3);
    date = Day(2024, 1, 15);
    EXPECT_NEAR(schedule.BalanceOnDate(date, transNo), 10000, 1e-9);
    EXPECT_EQ(transNo, 0);
    date = Day(2030, 1, 1);
    EXPECT_EQ(schedule.BalanceOnDate(date, transNo), 0);
    EXPECT_EQ(transNo, 12);
    date = Day(2024, 1, 14);
    EXPECT_EQ(CodeOf([&] { schedule.BalanceOnDate(date, transNo); }), 214);
}

TEST_F(ScheduleQueries, PayoffAddsTheInterestSinceTheLastPayment) {
    // 1 May is 16 days after the payment of 15 April: 16/30 of a month at 0.75 % on 7 569.38,
    // 7 569.38 x (1.0075^(16/30) - 1) = 30.2247..., worked out in decimal arithmetic.
    EXPECT_NEAR(PayoffOnDate(schedule, Day(2024, 5, 1), InterestBasis::Ordinary, TestClock()),
                7569.38 + 30.22, 1e-9);
    // Actual/365: 16 days at the daily rate 1.0075^(12/365) - 1 give 29.8098...
    EXPECT_NEAR(PayoffOnDate(schedule, Day(2024, 5, 1), InterestBasis::Actual365, TestClock()),
                7569.38 + 29.81, 1e-9);
    EXPECT_NEAR(PayoffOnDate(schedule, Day(2024, 4, 15), InterestBasis::Ordinary, TestClock()),
                7569.38, 1e-9);
    EXPECT_EQ(PayoffOnDate(schedule, Day(2026, 1, 1), InterestBasis::Ordinary, TestClock()), 0);
    EXPECT_EQ(CodeOf([&] {
                  PayoffOnDate(schedule, Day(2023, 1, 1), InterestBasis::Ordinary, TestClock());
              }),
              214);
    // The schedule asked about is not changed.
    EXPECT_NEAR(schedule[3].PrinBal, 7569.38, 1e-9);
}

TEST_F(ScheduleQueries, CopiesOfRowsAndSchedules) {
    TAmortSchedule copy;
    schedule.CopyTo(&copy);
    ASSERT_EQ(copy.Count(), schedule.Count());
    EXPECT_EQ(copy[7].PrinBal, schedule[7].PrinBal);
    EXPECT_EQ(copy.LatestDate(), Day(2079, 1, 1));
    TTransRec row;
    schedule.CopyRow(schedule[4], &row);
    EXPECT_EQ(row.PmtNoYr, schedule[4].PmtNoYr);
    EXPECT_EQ(CodeOf([&] { schedule.CopyRow(schedule[4], nullptr); }), 205);
    EXPECT_EQ(CodeOf([&] { schedule.CopyTo(nullptr); }), 206);
    EXPECT_EQ(CodeOf([&] { schedule.CopySchedule(nullptr); }), 206);
}

TEST(InitRow, ANewRowTakesTheEnginesValues) {
    const TTransRec row = InitRow({Day(2024, 3, 1), 512.5, 7.25L, 8, 6});
    EXPECT_EQ(row.DueDate, Day(2024, 3, 1));
    EXPECT_EQ(row.PenaltyDt, Day(2024, 3, 1));
    EXPECT_TRUE(row.CalcDueDt && row.CalcPenDt && row.CalcPmt && row.PmtTrans && row.CalcPrin &&
                row.IntTrans);
    EXPECT_FALSE(row.RateChng || row.AccRtChng || row.CalcLatePn || row.Actual);
    EXPECT_EQ(row.Pmt, 512.5);
    EXPECT_EQ(row.DaysSince, 90); // quarterly
    EXPECT_EQ(row.PerSince, 1.0);
    EXPECT_EQ(row.Rate, 7.25L);
    EXPECT_EQ(row.AccrualRt, 7.25L);
    EXPECT_EQ(row.AccPerRt, 0);
    EXPECT_EQ(row.PmtFreq, 8);
    EXPECT_EQ(row.CmpFreq, 6);
    EXPECT_EQ(row.TransType, 1);
    EXPECT_EQ(row.ExtraPmt + row.Advance + row.Interest + row.AccruedInt + row.MinPmtDue +
                  row.Escrow + row.LatePenal + row.Other + row.RunningExtraPmt +
                  row.RunningAccruedInt,
              0);
    EXPECT_TRUE(row.PmtNoYr.empty() && row.UserID.empty() && row.ClientRef.empty() &&
                row.Comment.empty());
    EXPECT_LE(sizeof(TTransRec), 1024u);
}

TEST(RowLabel, TheSameTextAsThePeriodLabel) {
    for (const int number : {0, 1, 9, 10, 13, 99, 100, 360, 9999, 12345, 99999, 123456, -4}) {
        for (const int year : {0, 1, 2, 9, 10, 30, 99, 100, 12345, -1}) {
            EXPECT_EQ(RowLabel(number, year), dates::PeriodLabel(number, year, true, '0', '/'))
                << number << " " << year;
        }
    }
    EXPECT_EQ(RowLabel(13, 2), "13/02");
}

} // namespace
} // namespace quarvex::amortization::testing
