#include "AmortTestSupport.h"
#include "amortization/CalculateSchedule.h"
#include "engine/TCalcPmt.h"

#include <gtest/gtest.h>

namespace quarvex::amortization::testing {
namespace {

struct Calculated {
    AmortInputs inputs;
    TAmortSchedule schedule;
    AmortResults results;
};

Calculated Calculate(const std::string& loan) {
    Calculated c{ParseLoan(loan), {}, {}};
    c.results = CalculateSchedule(c.inputs, c.schedule, TestContext());
    return c;
}

TEST(EdgeCases, PaymentInAdvanceChargesNoInterestInRowOne) {
    for (const char* method : {"method=0", "method=1 cmp=9", "method=2", "method=5"}) {
        const Calculated c =
            Calculate(std::string("force=1 rate=9 org=1/15/2024 first=1/15/2024 ") + method);
        EXPECT_EQ(c.results.Engine.FirstPeriodKind, FirstPeriodKind::Regular) << method;
        EXPECT_EQ(c.results.Engine.WholePeriods, 0) << method;
        if (c.inputs.AmortMthd != AmortMethod::RuleOf78s) {
            EXPECT_EQ(c.schedule[1].Interest, 0) << method;
        }
        EXPECT_EQ(c.schedule[1].TransDate, c.schedule[0].TransDate) << method;
    }
}

TEST(EdgeCases, WeeklyFirstPeriodsOfSevenEightAndSixDays) {
    const struct {
        const char* first;
        FirstPeriodKind kind;
        int whole;
        int odd;
    } cases[] = {
        {"1/8/2024", FirstPeriodKind::Regular, 1, 0},
        {"1/9/2024", FirstPeriodKind::Long, 1, 1},
        {"1/7/2024", FirstPeriodKind::Short, 0, 6},
    };
    for (const auto& c : cases) {
        const Calculated calc =
            Calculate(std::string("pmt=1265 rate=9 period=1 cmp=2 n=8 first=") + c.first);
        EXPECT_EQ(calc.results.Engine.FirstPeriodKind, c.kind) << c.first;
        EXPECT_EQ(calc.results.Engine.WholePeriods, c.whole) << c.first;
        EXPECT_EQ(calc.results.Engine.OddDays, c.odd) << c.first;
    }
}

TEST(EdgeCases, DailyPaymentsAreShortUnlessPaidAtOrigination) {
    const Calculated later = Calculate("force=1 rate=9 period=0 cmp=1 n=30 first=1/31/2024");
    EXPECT_EQ(later.results.Engine.FirstPeriodKind, FirstPeriodKind::Short);
    EXPECT_DOUBLE_EQ(later.results.Engine.OddFraction, 30.0);
    const Calculated advance = Calculate("force=1 rate=9 period=0 cmp=1 n=30 first=1/1/2024");
    EXPECT_EQ(advance.results.Engine.FirstPeriodKind, FirstPeriodKind::Regular);
}

TEST(EdgeCases, AmortizedOddDaysInterestRaisesTheBalanceAndThePayment) {
    const Calculated plain = Calculate("force=1 rate=9 org=1/1/2024 first=2/16/2024 oddpaid=0");
    const Calculated amortized =
        Calculate("force=1 rate=9 org=1/1/2024 first=2/16/2024 oddpaid=3 oddcalc=1");
    const double oddDays = amortized.results.Engine.OddDaysInterest;
    EXPECT_GT(oddDays, 0);
    EXPECT_DOUBLE_EQ(amortized.schedule[0].Principal, oddDays);
    EXPECT_DOUBLE_EQ(amortized.schedule[0].PrinBal, 10000 + oddDays);
    // Every payment is solved again on the larger balance.
    const double payment = engine::TCalcPmt().Payment(10000 + oddDays, 12, 0.0075);
    EXPECT_DOUBLE_EQ(amortized.results.EnginePmt, payment);
    EXPECT_GT(amortized.results.EnginePmt, plain.results.EnginePmt);
    EXPECT_DOUBLE_EQ(amortized.schedule[5].Pmt, payment);
}

TEST(EdgeCases, PaymentsBelowTheInterestAccrueUnpaidInterestThenRepayIt) {
    // 150 a month covers less than the first months' interest of 10 000 at 24 %; later
    // payments of 800 repay the unpaid interest first.
    AmortInputs in = ParseLoan("pmt=150 rate=24 n=36 afterzero=0");
    TAmortSchedule schedule;
    CalculateSchedule(in, schedule, TestContext());
    for (int k = 7; k <= 36; ++k) {
        schedule[static_cast<std::size_t>(k)].Pmt = 800;
    }
    RecalculateSchedule(in, schedule, TestContext());
    const auto& rows = schedule.Records();
    double unpaid = 0;
    for (int k = 1; k <= 6; ++k) {
        const TTransRec& r = rows[static_cast<std::size_t>(k)];
        EXPECT_NEAR(r.AccruedInt, r.Interest - 150, 1e-9) << k;
        unpaid += r.AccruedInt;
        EXPECT_NEAR(r.RunningAccruedInt, unpaid, 1e-9) << k;
        EXPECT_GT(r.PrinBal, rows[static_cast<std::size_t>(k) - 1].PrinBal) << k;
    }
    const TTransRec& repaying = rows[7];
    EXPECT_NEAR(repaying.AccruedInt, -unpaid, 1e-9); // 800 less interest exceeds what is unpaid
    EXPECT_EQ(repaying.RunningAccruedInt, 0);
    for (std::size_t k = 8; k < rows.size(); ++k) {
        EXPECT_EQ(rows[k].RunningAccruedInt, 0) << k;
        EXPECT_EQ(rows[k].AccruedInt, 0) << k;
    }
    ExpectScheduleIdentities(schedule, true, "negative amortization");
}

TEST(EdgeCases, OverpaymentOfThreeTwentyByAdjustment) {
    // 1 010 at 12 % paid by 12 payments of 89.99: the last one overpays by 3.20.
    for (const int adjust : {0, 1, 2}) {
        const Calculated c = Calculate("pv=1010 pmt=89.99 rate=12 org=1/15/2024 first=2/15/2024 "
                                       "adjust=" +
                                       std::to_string(adjust));
        const TTransRec& last = c.schedule.Records().back();
        EXPECT_EQ(last.TransNo, 12);
        EXPECT_NEAR(c.results.Engine.FinalBalance, -3.20, 1e-9);
        if (adjust == 0) {
            EXPECT_NEAR(last.PrinBal, -3.20, 1e-9);
            EXPECT_NEAR(last.Pmt, 89.99, 1e-9);
        } else {
            EXPECT_NEAR(last.PrinBal, 0, 1e-9) << adjust;
            EXPECT_NEAR(last.Pmt, 89.99 - 3.20, 1e-9) << adjust;
            EXPECT_NEAR(c.results.Engine.LastPmt, 86.79, 1e-9) << adjust;
            EXPECT_NEAR(c.results.Engine.TotalPmts, 11 * 89.99 + 86.79, 1e-9) << adjust;
        }
        ExpectScheduleIdentities(c.schedule, adjust != 0, "adjust " + std::to_string(adjust));
    }
}

TEST(EdgeCases, ReduceInterestFallsBackToThePaymentWhenTheInterestIsTooSmall) {
    // 874.30: the last row owes 2.69 more than it pays; its interest of 6.53 takes it.
    const Calculated small = Calculate("pmt=874.30 rate=9 adjust=2 org=1/15/2024 first=2/15/2024");
    const TTransRec& last = small.schedule.Records().back();
    EXPECT_NEAR(small.results.Engine.FinalBalance, 2.69, 1e-9);
    EXPECT_NEAR(last.Pmt, 874.30, 1e-9);
    EXPECT_NEAR(last.Interest, 6.53 - 2.69, 1e-9);
    EXPECT_NEAR(last.PrinBal, 0, 1e-9);
    // 873.50: more is left over than the last interest: the payment rises instead.
    const Calculated large = Calculate("pmt=873.50 rate=9 adjust=2 org=1/15/2024 first=2/15/2024");
    const TTransRec& lastLarge = large.schedule.Records().back();
    EXPECT_GT(large.results.Engine.FinalBalance, lastLarge.Interest);
    EXPECT_NEAR(lastLarge.Pmt, 873.50 + large.results.Engine.FinalBalance, 1e-9);
    EXPECT_GT(lastLarge.Interest, 0);
}

TEST(EdgeCases, ActualThreeSixtyFiveAtThreePercentAccruesAtTheDailyRate) {
    const Calculated c =
        Calculate("force=1 basis=4 rate=3 cmp=6 n=24 org=1/15/2024 first=2/15/2024");
    const long double daily = std::pow(1.0L + 0.03L / 12, 12.0L / 365) - 1;
    EXPECT_NEAR(static_cast<double>(daily), 0.0000821, 5e-8);
    for (std::size_t k = 0; k + 1 < c.schedule.Records().size(); ++k) {
        EXPECT_NEAR(static_cast<double>(c.schedule[k].AccDlyRt), static_cast<double>(daily), 1e-15)
            << k;
        const TTransRec& next = c.schedule[k + 1];
        EXPECT_EQ(next.DaysSince, next.TransDate - c.schedule[k].TransDate) << k;
    }
}

TEST(EdgeCases, BalloonOfSixtyInThreeHundredSixty) {
    const Calculated c = Calculate("force=1 n=360 pv=100000 rate=6 balloon=60 "
                                   "org=1/15/2024 first=2/15/2024 adjust=0");
    ASSERT_EQ(c.schedule.Count(), 61);
    // The payment is the one of the full 30 years; the 60th takes the remaining balance.
    EXPECT_DOUBLE_EQ(c.inputs.Pmt, 599.55);
    EXPECT_EQ(c.inputs.NumPmts, 360);
    const TTransRec& last = c.schedule.Records().back();
    EXPECT_NEAR(last.Pmt, 599.55 + c.results.Engine.FinalBalance, 1e-9);
    EXPECT_GT(c.results.Engine.FinalBalance, 90000);
    EXPECT_EQ(last.PrinBal, 0);
    EXPECT_DOUBLE_EQ(c.results.BalloonPmt, last.Pmt);
    EXPECT_DOUBLE_EQ(c.results.BalloonPrincipal, last.Principal);
    EXPECT_DOUBLE_EQ(c.results.BalloonInterest, last.Interest);
    ExpectScheduleIdentities(c.schedule, true, "balloon");

    const Calculated none = Calculate("force=1 n=360 pv=100000 rate=6");
    EXPECT_EQ(none.results.BalloonPmt, 0);
    EXPECT_EQ(none.results.BalloonPrincipal, 0);
    EXPECT_EQ(none.results.BalloonInterest, 0);
}

TEST(EdgeCases, HalfMonthlyPaysHalfEveryTwoWeeksAndEndsEarly) {
    const Calculated c = Calculate("force=1 n=360 pv=100000 rate=6 accel=1 optimize=1");
    EXPECT_DOUBLE_EQ(c.inputs.Pmt, 599.55);        // the monthly payment stays the loan's
    EXPECT_DOUBLE_EQ(c.results.EnginePmt, 299.77); // half of it, every two weeks
    EXPECT_EQ(c.results.EngineFrequency, 3);
    EXPECT_EQ(c.schedule[5].TransDate - c.schedule[4].TransDate, 14);
    // 26 half payments a year: paid off in about 24.5 years instead of 30.
    EXPECT_LT(c.schedule.LastTransNo(), 650);
    EXPECT_GT(c.schedule.LastTransNo(), 600);
    ExpectScheduleIdentities(c.schedule, true, "half monthly");
}

TEST(EdgeCases, ForcedSolveWithInterestOnlyPaymentsAmortizesOverTheRest) {
    const Calculated c = Calculate("force=1 rate=9 n=24 io=6");
    for (int k = 1; k <= 6; ++k) {
        EXPECT_DOUBLE_EQ(c.schedule[static_cast<std::size_t>(k)].Pmt,
                         c.schedule[static_cast<std::size_t>(k)].Interest)
            << k;
        EXPECT_DOUBLE_EQ(c.schedule[static_cast<std::size_t>(k)].PrinBal, 10000) << k;
    }
    // The payment amortizes the amount over the 18 payments after them.
    EXPECT_DOUBLE_EQ(c.inputs.Pmt, engine::TCalcPmt().Payment(10000, 18, 0.0075));
    EXPECT_LT(std::fabs(c.results.Engine.FinalBalance), 0.5);
}

TEST(EdgeCases, PointsOnTheAmount) {
    const Calculated origination = Calculate("force=1 rate=9 points=2 pointspaid=1");
    EXPECT_DOUBLE_EQ(origination.results.PointsAmt, 200);
    EXPECT_DOUBLE_EQ(origination.schedule[0].Interest, 200);
    EXPECT_DOUBLE_EQ(origination.schedule[0].Pmt, 200);
    const Calculated first = Calculate("force=1 rate=9 points=2 pointspaid=2");
    EXPECT_DOUBLE_EQ(first.schedule[1].Pmt, first.inputs.Pmt + 200);
    const Calculated amortized = Calculate("force=1 rate=9 points=2 pointspaid=3");
    EXPECT_DOUBLE_EQ(amortized.schedule[0].PrinBal, 10200);
    // The solved payment carries the financed points.
    EXPECT_DOUBLE_EQ(amortized.inputs.Pmt, engine::TCalcPmt().Payment(10200, 12, 0.0075));
    EXPECT_LT(std::fabs(amortized.results.Engine.FinalBalance), 0.1);
}

TEST(EdgeCases, CanadianLoansAreMonthlyWithSemiannualCompounding) {
    AmortInputs in = ParseLoan("force=1 rate=9 method=1 period=7 cmp=2");
    TAmortSchedule schedule;
    CalculateSchedule(in, schedule, TestContext());
    EXPECT_EQ(in.PaymentPeriod, 5);
    EXPECT_EQ(in.Compounding, 9);
    const long double canadian = std::pow(1.0L + 9.0L / 200, 1.0L / 6) - 1;
    EXPECT_NEAR(static_cast<double>(schedule[1].AccPerRt), static_cast<double>(canadian), 1e-15);
}

} // namespace
} // namespace quarvex::amortization::testing
