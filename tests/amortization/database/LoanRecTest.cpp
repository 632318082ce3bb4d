#include "AmortDbTestSupport.h"

namespace quarvex::amortization::database {
namespace {

using namespace testing;

TEST(LoanRecTest, TheRecordCarriesTheInputsAndTheCalculationsResults) {
    const CalculatedLoan loan =
        Calculate("pv=20000 n=52 rate=8 period=1 cmp=2 org=3/1/2024 first=3/15/2024 points=2 "
                  "io=4 balloon=40 force=1",
                  125);
    const TLoanRec record = loan.Record("12");
    EXPECT_EQ(record.LoanNo, "12");
    EXPECT_EQ(record.PV, 20000);
    EXPECT_EQ(record.NumPmts, 52);
    EXPECT_EQ(record.Rate, 8.0f);
    EXPECT_EQ(record.Pmt, loan.calculation.inputs.Pmt) << "the solved payment";
    EXPECT_EQ(record.PYR, 2) << "weekly: index 1, code 2";
    EXPECT_EQ(record.CmpPYR, 2);
    EXPECT_EQ(record.PmtsPerYear, 52);
    EXPECT_EQ(record.PmtMthd, 0) << "first payment after origination: in arrears";
    EXPECT_EQ(record.DaysToFirstPmt, 14);
    EXPECT_EQ(record.PointsAmt, 400);
    EXPECT_EQ(record.IntOnlyPmts, 4);
    EXPECT_EQ(record.BalloonPeriod, 40);
    EXPECT_EQ(record.OneTimeFees, 125);
    EXPECT_EQ(record.TotalPmts, loan.results.Engine.TotalPmts);
    EXPECT_EQ(record.DaysToLastPmt, loan.results.Engine.DaysToLastPmt);
    EXPECT_TRUE(record.ForcePmtCalc);
    EXPECT_FALSE(record.OptimizePmts);

    const TLoanRec advance = Calculate("org=1/1/2024 first=1/1/2024").Record("1");
    EXPECT_EQ(advance.PmtMthd, 1) << "first payment on the origination date: in advance";
    EXPECT_EQ(advance.DaysToFirstPmt, 0);
}

TEST(LoanRecTest, ApplyingARecordGivesBackTheInputsItWasMadeFrom) {
    const CalculatedLoan loan = Calculate(
        "pv=75000 n=180 rate=5.75 period=7 cmp=7 basis=2 accel=0 pointspaid=2 points=0.5 "
        "twice=3 weekend=1 adjust=0 eom=0 oddpaid=3 oddcalc=1 shortpaid=0 io=2 balloon=60 "
        "force=1 afterzero=1 optimize=1 org=5/20/2024 first=8/1/2024",
        99.95);
    LoanCalculation restored;
    ApplyLoanRec(loan.Record("3"), restored);
    const AmortInputs& want = loan.calculation.inputs;
    const AmortInputs& got = restored.inputs;
    EXPECT_EQ(got.PV, want.PV);
    EXPECT_EQ(got.NumPmts, want.NumPmts);
    EXPECT_EQ(got.Rate, want.Rate);
    EXPECT_EQ(got.Pmt, want.Pmt);
    EXPECT_EQ(got.OrgDate, want.OrgDate);
    EXPECT_EQ(got.FirstPmtDate, want.FirstPmtDate);
    EXPECT_EQ(got.PaymentPeriod, want.PaymentPeriod);
    EXPECT_EQ(got.Compounding, want.Compounding);
    EXPECT_EQ(got.Points, want.Points);
    EXPECT_EQ(got.AmortMthd, want.AmortMthd);
    EXPECT_EQ(got.Settings, want.Settings);
    EXPECT_EQ(got.IntOnlyPmts, want.IntOnlyPmts);
    EXPECT_EQ(got.BalloonPeriod, want.BalloonPeriod);
    EXPECT_EQ(got.ForcePmtCalc, want.ForcePmtCalc);
    EXPECT_EQ(got.RecalcPmtAfterZero, want.RecalcPmtAfterZero);
    EXPECT_EQ(got.OptimizePmts, want.OptimizePmts);
    EXPECT_EQ(restored.OneTimeFees, 99.95);

    const AmortResults stored = StoredResults(loan.Record("3"));
    EXPECT_EQ(stored.PointsAmt, loan.results.PointsAmt);
    EXPECT_EQ(stored.Engine.WholePeriods, loan.results.Engine.WholePeriods);
    EXPECT_EQ(stored.Engine.OddFraction, loan.results.Engine.OddFraction);
    EXPECT_EQ(stored.Engine.OddDays, loan.results.Engine.OddDays);
    EXPECT_EQ(stored.Engine.LastPmtDate, loan.results.Engine.LastPmtDate);
}

} // namespace
} // namespace quarvex::amortization::database
