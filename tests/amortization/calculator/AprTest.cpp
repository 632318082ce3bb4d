#include "AmortCalcTestSupport.h"
#include "amortization/calculator/AmortCalcErrors.h"
#include "amortization/calculator/AprFlows.h"
#include "engine/FinanceErrors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quarvex::amortization::testing {
namespace {

std::vector<engine::TOffsetCashFlow> LevelFlows(double received, double payment, int count) {
    std::vector<engine::TOffsetCashFlow> flows{{-received}};
    for (int k = 0; k < count; ++k) {
        flows.push_back({payment});
    }
    return flows;
}

// The worked examples of Regulation Z, Appendix J (c)(1): a single advance repaid by level
// payments with a regular, long or short first period. The published APRs are to two
// decimals; the APR to six decimals is our own computation of the same equation apart from
// the program (the first period's fraction discounted as a power, as the program does; the
// regulation's simple-interest fraction gives the same two decimals).
TEST(Apr, RegulationZWorkedExamples) {
    const struct {
        const char* example;
        double received;
        double payment;
        int count;
        std::uint8_t frequency; // code: 2 weekly, 4 twice monthly, 6 monthly, 8 quarterly
        int wholePeriods;
        double fraction;
        double published;
        double independent;
    } cases[] = {
        {"(i) monthly, regular first period", 5000, 230, 24, 6, 1, 0, 9.69, 9.68570806228},
        {"(ii) monthly, long first period", 6000, 200, 36, 6, 1, 19.0 / 30, 11.82, 11.8172549748},
        {"(iii) semimonthly, short first period", 5000, 219.17, 24, 4, 0, 6.0 / 15, 10.34,
         10.3383599914},
        {"(iv) quarterly, long first period", 10000, 385, 40, 8, 1, 39.0 / 90, 8.97, 8.97214200561},
        {"(v) weekly, long first period", 500, 17.60, 30, 2, 4, 4.0 / 7, 14.96, 14.9625022239},
    };
    for (const auto& c : cases) {
        AprInputs inputs;
        inputs.PV = c.received;
        inputs.FrequencyCode = c.frequency;
        inputs.WholePeriods = c.wholePeriods;
        inputs.OddFraction = c.fraction;
        const long double apr = DeriveApr(LevelFlows(c.received, c.payment, c.count), inputs);
        EXPECT_NEAR(static_cast<double>(apr), c.published, 0.005) << c.example;
        EXPECT_NEAR(static_cast<double>(apr), c.independent, 1e-6) << c.example;
    }
}

// Appendix J (c)(5)(i): 1 000 advanced on 3 January 1978, 1 080 repaid on 15 September 1978,
// 255 days later: one period of 255 days, 8 % for it, 11.45 % a year.
TEST(Apr, ASingleDailyPaymentIsOnePeriodOfItsDays) {
    AprInputs inputs;
    inputs.PV = 1000;
    inputs.FrequencyCode = 1; // daily
    inputs.OrgDate = Day(1978, 1, 3);
    inputs.FirstPmtDate = Day(1978, 9, 15);
    inputs.WholePeriods = 0;
    inputs.OddFraction = 255; // what the engine measures: 255 daily periods
    const auto flows = LevelFlows(1000, 1080, 1);
    const AprTiming timing = AprTimingOf(inputs, flows.size());
    EXPECT_EQ(timing.Offset, 1);
    EXPECT_NEAR(timing.PYR, 365.0 / 255, 1e-12);
    EXPECT_NEAR(static_cast<double>(DeriveApr(flows, inputs)), 8.0 * 365 / 255, 1e-6);

    // One daily payment 90 days after the loan: Offset 1 and PYR 365/90.
    inputs.FirstPmtDate = inputs.OrgDate + 90;
    EXPECT_NEAR(AprTimingOf(inputs, 2).PYR, 365.0 / 90, 1e-12);
    // 365 days or more: the special case no longer applies.
    inputs.FirstPmtDate = inputs.OrgDate + 365;
    EXPECT_EQ(AprTimingOf(inputs, 2).PYR, 365);
    // A single payment on the day of the loan leaves no time for a rate (the division by its
    // days used to be by zero).
    inputs.FirstPmtDate = inputs.OrgDate;
    try {
        DeriveApr(flows, inputs);
        FAIL() << "derived an APR for a loan repaid on its own day";
    } catch (const engine::EFinError& error) {
        EXPECT_EQ(error.Message(), "Sorry, can't derive APR.");
    }
}

// The first period's length in payment periods: 1 regular, 0 in advance, between 0 and 1
// short, between 1 and 2 long.
TEST(Apr, TheFirstPeriodSetsTheOffset) {
    const struct {
        const char* loan;
        double low;
        double high;
    } cases[] = {
        {"OrgDate=2024-01-15 FirstPmtDate=2024-02-15", 1, 1},
        {"OrgDate=2024-01-15 FirstPmtDate=2024-01-15", 0, 0},
        {"OrgDate=2024-01-20 FirstPmtDate=2024-02-01", 0.01, 0.99},
        {"OrgDate=2024-01-01 FirstPmtDate=2024-02-16", 1.01, 1.99},
    };
    for (const auto& c : cases) {
        AmortFixture f;
        f.Calc(std::string("PV=10000 NumPmts=12 Rate=9 ") + c.loan);
        const AprInputs inputs = f.buffer.AprInputsOf();
        const double offset = AprTimingOf(inputs, f.buffer.BuildAprFlows().size()).Offset;
        EXPECT_GE(offset, c.low) << c.loan;
        EXPECT_LE(offset, c.high) << c.loan;
    }
}

// A loan without fees, paid in arrears after a regular first period and compounded as often
// as it is paid, costs its nominal rate: the rounding of the payment moves the APR only in far
// decimals. Also paid in advance (the first payment discounted over no time).
TEST(Apr, WithoutChargesTheAprIsTheNominalRate) {
    const struct {
        const char* loan;
        double tolerance; // a cent of interest weighs more on small weekly amounts
    } cases[] = {
        {"PV=10000 NumPmts=12 Rate=9 OrgDate=2024-01-15 FirstPmtDate=2024-02-15", 0.00005},
        {"PV=200000 NumPmts=360 Rate=6.5 OrgDate=2024-01-15 FirstPmtDate=2024-02-15", 0.00005},
        {"PV=10000 NumPmts=12 Rate=9 OrgDate=2024-01-15 FirstPmtDate=2024-01-15", 0.00005},
        {"PV=25000 NumPmts=20 Rate=7.25 PYR=Quarterly CmpPYR=Quarterly "
         "OrgDate=2024-01-15 FirstPmtDate=2024-04-15",
         0.00005},
        {"PV=5000 NumPmts=104 Rate=11 PYR=Weekly CmpPYR=Weekly OrgDate=2024-01-01 "
         "FirstPmtDate=2024-01-08",
         0.001},
    };
    for (const auto& c : cases) {
        AmortFixture f;
        f.Calc(c.loan);
        EXPECT_NEAR(static_cast<double>(f.buffer.DeriveApr()),
                    static_cast<double>(f.buffer.Data().Get<float>(TcbAmort::Rate)), c.tolerance)
            << c.loan;
    }
}

// Points and fees raise the APR as the actuarial method says: 100 000 at 7.5 % over 30 years,
// payment 699.21, last payment 705.59. Worked out apart from the program on the schedule's
// payments: 7.500003 % without charges, 7.707596 % with 2 points (98 000 received), 7.760574 %
// with 500 of one-time fees as well.
TEST(Apr, PointsAndFeesRaiseTheRate) {
    const struct {
        const char* extra;
        double apr;
        double received;
    } cases[] = {
        {"", 7.50000330528, 100000},
        {" Points=2", 7.70759619454, 98000},
        {" Points=2 OneTimeFees=500", 7.76057381141, 97500},
    };
    for (const auto& c : cases) {
        AmortFixture f;
        f.Calc(std::string("PV=100000 NumPmts=360 Rate=7.5 OrgDate=2024-01-15 "
                           "FirstPmtDate=2024-02-15 OptimizePmts=no") +
               c.extra);
        ASSERT_DOUBLE_EQ(f.buffer.Data().Get<double>(TcbAmort::Pmt), 699.21) << c.extra;
        ASSERT_NEAR(f.buffer.Results().Engine.LastPmt, 705.59, 1e-6) << c.extra;
        EXPECT_DOUBLE_EQ(f.buffer.BuildAprFlows().front().Amount, -c.received) << c.extra;
        EXPECT_NEAR(static_cast<double>(f.buffer.DeriveApr()), c.apr, 1e-6) << c.extra;
        const AprDetail detail = f.buffer.MakeAprDetail();
        EXPECT_DOUBLE_EQ(detail.NetAmountFinanced, c.received) << c.extra;
        // The disclosure's "Amount Financed" box shows the loan amount itself.
        EXPECT_DOUBLE_EQ(f.buffer.MakeDisclosureFigures().AmountFinanced, 100000) << c.extra;
    }
}

// What the borrower receives is the amount less what is paid at origination, so points count
// once however they are paid, and odd-days interest paid at origination raises the rate.
// Expected APRs worked out apart from the program on the schedules' payments (10 000 at 9 %,
// 12 months, 2 points): with origination 9 800 received, 12.844829 %; with the first payment
// (1 079.16) 12.803644 %; amortized (payments of 896.70) 12.768722 %. A long first period of
// 1.5 months whose 37.43 of odd-days interest are paid at origination: 9 962.57 received,
// 9.002312 %; paid with the first payment (916.15) instead, 8.987293 %.
TEST(Apr, WhatIsPaidAtOriginationComesOffTheAmountOnce) {
    const struct {
        const char* loan;
        double received;
        double apr;
    } cases[] = {
        {"Pmt=879.16 Points=2 PointsPaidMthd=1 OrgDate=2024-01-15 FirstPmtDate=2024-02-15", 9800,
         12.8448288213},
        {"Pmt=879.16 Points=2 PointsPaidMthd=2 OrgDate=2024-01-15 FirstPmtDate=2024-02-15", 10000,
         12.803644172},
        {"Pmt=896.70 Points=2 PointsPaidMthd=3 OrgDate=2024-01-15 FirstPmtDate=2024-02-15", 10000,
         12.7687224189},
        {"Pmt=879.16 OrgDate=2024-01-01 FirstPmtDate=2024-02-16", 9962.57, 9.00231210288},
        {"Pmt=879.16 OrgDate=2024-01-01 FirstPmtDate=2024-02-16 LongInterestPmtMthd=2 "
         "LongInterestCalcMthd=3",
         10000, 8.98729294949},
    };
    for (const auto& c : cases) {
        AmortFixture f;
        f.Calc(std::string("PV=10000 NumPmts=12 Rate=9 ForcePmtCalc=no OptimizePmts=no ") + c.loan);
        EXPECT_NEAR(f.buffer.BuildAprFlows().front().Amount, -c.received, 1e-9) << c.loan;
        EXPECT_NEAR(static_cast<double>(f.buffer.DeriveApr()), c.apr, 1e-6) << c.loan;
    }
}

// "Half Monthly" pays half the monthly payment every two weeks: the rows are biweekly and are
// discounted as such, so the rate stays the loan's (taken as monthly periods it came out near
// twice that).
TEST(Apr, HalfMonthlyRowsAreDiscountedAsBiweekly) {
    AmortFixture f;
    f.Calc("PV=100000 NumPmts=360 Rate=6 AccelMthd=1 OrgDate=2024-01-15 FirstPmtDate=2024-02-15");
    EXPECT_EQ(f.buffer.AprInputsOf().FrequencyCode, 3);
    const double apr = static_cast<double>(f.buffer.DeriveApr());
    EXPECT_GT(apr, 5.9);
    EXPECT_LT(apr, 6.2);
}

TEST(Apr, NothingToDeriveWithoutASchedule) {
    AmortFixture f;
    EXPECT_THROW(f.buffer.DeriveApr(), ENotCalculated);
    f.Calc("PV=10000 NumPmts=12 Rate=9");
    f.buffer.ClearResults();
    EXPECT_THROW(f.buffer.MakeAprDetail(), ENotCalculated);
}

// The disclosure's payment schedule groups the rows by payment: the opening row's group (not
// printed), the first payment carrying odd-days interest, the regular payments, the last.
TEST(Apr, PaymentGroups) {
    AmortFixture f;
    f.Calc("PV=10000 NumPmts=12 Rate=9 Pmt=879.16 ForcePmtCalc=no OptimizePmts=no "
           "OrgDate=2024-01-01 FirstPmtDate=2024-02-16 LongInterestPmtMthd=2 "
           "LongInterestCalcMthd=3");
    std::vector<TAprPmtRec> groups;
    f.buffer.BuildPaymentGroups(groups);
    const std::vector<TAprPmtRec> expected = {
        {1, 0, "Monthly Beginning 01/01/2024"},
        {1, 916.15, "Monthly Beginning 02/16/2024"},
        {10, 879.16, "Monthly Beginning 03/16/2024"},
        {1, 821.05, "Monthly Beginning 01/16/2025"},
    };
    ASSERT_EQ(groups.size(), expected.size());
    for (std::size_t i = 0; i < groups.size(); ++i) {
        EXPECT_EQ(groups[i].NumPmts, expected[i].NumPmts) << i;
        EXPECT_NEAR(groups[i].Amount, expected[i].Amount, 1e-9) << i;
        EXPECT_EQ(groups[i].Description, expected[i].Description) << i;
    }
    const auto printed = PrintedPaymentLines(groups);
    ASSERT_EQ(printed.size(), 3u);
    EXPECT_EQ(printed.front().Amount, 916.15);

    // Points paid at origination make the opening row's group a payment: it is printed.
    AmortFixture points;
    points.Calc("PV=10000 NumPmts=12 Rate=9 Points=1 OrgDate=2024-01-15 "
                "FirstPmtDate=2024-02-15");
    points.buffer.BuildPaymentGroups(groups);
    EXPECT_EQ(groups.front().Amount, 100);
    EXPECT_EQ(PrintedPaymentLines(groups).size(), groups.size());
}

// The 26 figures of a balloon loan, and the sheet's copied text compared whole.
TEST(Apr, DetailFiguresAndTheirCopiedText) {
    AmortFixture f;
    f.Calc("PV=100000 NumPmts=360 Rate=6 BalloonPeriod=60 OneTimeFees=250 Points=1 "
           "OrgDate=2024-01-15 FirstPmtDate=2024-02-15");
    const AprDetail d = f.buffer.MakeAprDetail();
    const AmortResults& r = f.buffer.Results();
    const TTransRec& last = f.buffer.Schedule().Records().back();
    EXPECT_DOUBLE_EQ(d.AmountOfLoan, 100000);
    EXPECT_DOUBLE_EQ(d.TotalOneTimeFees, 250);
    EXPECT_DOUBLE_EQ(d.Points, 1000);
    EXPECT_DOUBLE_EQ(d.NetAmountFinanced, 98750);
    EXPECT_DOUBLE_EQ(d.RegularPaymentAmt, 599.55);
    EXPECT_DOUBLE_EQ(d.BalloonPaymentTotal, last.Pmt);
    EXPECT_DOUBLE_EQ(d.BalloonPaymentPrin, last.Principal);
    EXPECT_DOUBLE_EQ(d.BalloonPmtInterest, last.Interest);
    EXPECT_DOUBLE_EQ(d.LastPaymentAmount, last.Pmt);
    EXPECT_DOUBLE_EQ(d.TotalOfPayments, last.RunningPmt);
    EXPECT_DOUBLE_EQ(d.TotalFinanceCharge, last.RunningInt);
    EXPECT_EQ(d.BalloonAtPaymentNumber, 60);
    EXPECT_EQ(d.NumberOfRegularPeriods, 60);
    EXPECT_EQ(d.DaysToFirstPayment, 31);
    EXPECT_EQ(d.LastPaymentDate, Day(2029, 1, 15));
    EXPECT_EQ(d.DaysToMaturity, Day(2029, 1, 15) - Day(2024, 1, 15));
    EXPECT_EQ(d.PaymentsPerYear, 12);
    EXPECT_EQ(d.UnitPeriodsToFirst, 1);
    EXPECT_EQ(d.QuotedNominalRate, 6);
    EXPECT_EQ(d.DisclosedRateApr, f.buffer.Apr());
    EXPECT_GT(d.DisclosedRateApr, 6.2); // 1 point and the fees over a five-year balloon
    EXPECT_DOUBLE_EQ(r.BalloonPmt, last.Pmt);

    AprDetail small;
    small.AmountOfLoan = 10000;
    small.NetAmountFinanced = 10000;
    small.TotalFinanceCharge = 494.18;
    small.FirstPaymentAmount = 874.51;
    small.RegularPaymentAmt = 874.51;
    small.LastPaymentAmount = 874.57;
    small.TotalOfPayments = 10494.18;
    small.OriginationDate = Day(2024, 1, 15);
    small.FirstPaymentDate = Day(2024, 2, 15);
    small.DaysToFirstPayment = 31;
    small.UnitPeriodsToFirst = 1;
    small.FractionalPeriod = 0.25;
    small.LastPaymentDate = Day(2025, 1, 15);
    small.DaysToMaturity = 366;
    small.PaymentsPerYear = 12;
    small.NumberOfRegularPeriods = 12;
    small.QuotedNominalRate = 9;
    small.DisclosedRateApr = 9.00001L;
    EXPECT_EQ(AprDetailCopyText(small, f.conventions),
              "APR Detail\r\n\r\n"
              "Amount of Loan:                 $10,000.00\tTotal of Payments:                 "
              "$10,494.18\r\n"
              "Total One Time Fees:                 $0.00\tOrigination Date:                  "
              "01/15/2024\r\n"
              "Points:                              $0.00\t1st Payment Date:                  "
              "02/15/2024\r\n"
              "Net Amount Financed:            $10,000.00\tDays to First Payment:               "
              "      31\r\n"
              "Odd Day's Interest:                  $0.00\tOdd Days to First Period:            "
              "       0\r\n"
              "Total Finance Charge:              $494.18\tUnit Periods to First:               "
              "       1\r\n"
              "First Payment Amount:              $874.51\tFractional Period:                   "
              "  0.2500\r\n"
              "Regular Payment Amt:               $874.51\tLast Payment Date:                 "
              "01/15/2025\r\n"
              "Last Payment Amount:               $874.57\tDays to Maturity:                    "
              "     366\r\n"
              "Balloon Pmt Interest:                $0.00\tPayments Per Year:                   "
              "      12\r\n"
              "Balloon Payment Prin:                $0.00\tNumber of Regular Periods:           "
              "      12\r\n"
              "Balloon Payment Total:               $0.00\tBalloon at Payment Number:           "
              "       0\r\n\r\n\r\n"
              "Quoted Nominal Rate (%):            9.0000\tDisclosed Rate (APR) (%):            "
              "  9.0000\r\n");
}

} // namespace
} // namespace quarvex::amortization::testing
