#include "AmortTestSupport.h"
#include "amortization/CalculateSchedule.h"
#include "amortization/MakeFlexAmort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace quarvex::amortization::testing {
namespace {

struct Calculation {
    AmortInputs inputs;
    TAmortSchedule schedule;
    AmortResults results;
};

Calculation Calculate(const std::string& loan) {
    Calculation run{ParseLoan(loan), {}, {}};
    run.results = CalculateSchedule(run.inputs, run.schedule, TestContext());
    return run;
}

std::string WithPayment(const std::string& loan, double payment) {
    std::ostringstream text;
    text.precision(10);
    text << loan << " force=0 optimize=0 pmt=" << payment;
    return text.str();
}

TEST(OptimizePayment, FindsTheCentWithTheSmallestFinalBalance) {
    const char* loans[] = {
        "force=1 n=360 pv=200000 rate=6.5 basis=1 org=4/1/2024 first=5/1/2024",
        "force=1 n=360 pv=200000 rate=6.5 basis=3 org=4/1/2024 first=5/1/2024",
        "force=1 n=360 pv=200000 rate=6.5 basis=4 org=4/1/2024 first=5/1/2024",
        "force=1 n=48 rate=9 org=1/1/2024 first=2/16/2024 oddpaid=2",
        "force=1 n=60 rate=9 org=1/20/2024 first=2/1/2024",
        "force=1 n=120 pv=50000 rate=7 period=1 cmp=2 basis=4 org=1/1/2024 first=1/9/2024",
    };
    for (const char* loan : loans) {
        const Calculation plain = Calculate(loan);
        const Calculation optimized = Calculate(std::string(loan) + " optimize=1");
        const double best = std::fabs(optimized.results.Engine.FinalBalance);
        EXPECT_LE(best, std::fabs(plain.results.Engine.FinalBalance)) << loan;
        EXPECT_EQ(optimized.schedule.LastTransNo(), optimized.inputs.NumPmts) << loan;
        EXPECT_DOUBLE_EQ(optimized.inputs.Pmt, optimized.results.EnginePmt) << loan;
        // No payment a cent away runs the full term closer to 0.
        for (const double step : {-0.01, 0.01}) {
            const Calculation neighbour = Calculate(WithPayment(loan, optimized.inputs.Pmt + step));
            if (neighbour.schedule.LastTransNo() == neighbour.inputs.NumPmts) {
                EXPECT_GE(std::fabs(neighbour.results.Engine.FinalBalance), best - 1e-9)
                    << loan << " payment " << optimized.inputs.Pmt + step;
            }
        }
        ExpectScheduleIdentities(optimized.schedule, true, loan);
    }
}

TEST(OptimizePayment, MovesASolvedPaymentByAFewCentsAndShrinksTheAdjustment) {
    const char* loan = "force=1 n=360 pv=200000 rate=6.5 basis=1 org=4/1/2024 first=5/1/2024";
    const Calculation plain = Calculate(loan);
    const Calculation optimized = Calculate(std::string(loan) + " optimize=1");
    EXPECT_NEAR(optimized.inputs.Pmt, plain.inputs.Pmt, 0.05);
    EXPECT_NE(optimized.inputs.Pmt, plain.inputs.Pmt);
    const double plainAdjustment = plain.schedule.Records().back().Pmt - plain.inputs.Pmt;
    const double optimizedAdjustment =
        optimized.schedule.Records().back().Pmt - optimized.inputs.Pmt;
    EXPECT_LT(std::fabs(optimizedAdjustment), std::fabs(plainAdjustment));
}

// Optimising keeps the better of the two schedules: it never leaves a larger last-row
// adjustment than the solved payment had, and never a payment that no row pays.
TEST(OptimizePayment, NeverLeavesALargerAdjustmentOrAPaymentNoRowPays) {
    const struct {
        const char* loan;
        double payment; // the solved payment (annuity formula), which must stay
    } cases[] = {
        // Every payment interest only: the payment search moves nothing at all.
        {"force=1 n=360 pv=100000 rate=6 io=360", 599.55},
        // 5.87 a day ends one day early, 0.60 overpaid; 5.86 runs the full 2 000 days but
        // leaves 17.18 to the last payment.
        {"force=1 n=2000 pv=10000 rate=6 period=0 cmp=1 org=1/1/2024 first=1/2/2024", 5.87},
    };
    for (const auto& c : cases) {
        const Calculation plain = Calculate(c.loan);
        const Calculation optimized = Calculate(std::string(c.loan) + " optimize=1");
        EXPECT_EQ(plain.inputs.Pmt, c.payment) << c.loan;
        EXPECT_EQ(optimized.inputs.Pmt, c.payment) << c.loan;
        EXPECT_EQ(optimized.results.EnginePmt, c.payment) << c.loan;
        EXPECT_EQ(optimized.schedule.Count(), plain.schedule.Count()) << c.loan;
        EXPECT_EQ(optimized.results.Engine.LastPmt, plain.results.Engine.LastPmt) << c.loan;
    }
    // Whatever it settles on, a loan's last-row adjustment never grows.
    for (const char* loan : {"force=1 n=5000 pv=50000 rate=6 period=0 cmp=1 first=1/2/2024",
                             "force=1 n=8000 pv=10000 rate=6 period=0 cmp=1 first=1/2/2024",
                             "force=1 n=360 pv=200000 rate=6.5 io=12"}) {
        const Calculation plain = Calculate(loan);
        const Calculation optimized = Calculate(std::string(loan) + " optimize=1");
        EXPECT_LE(std::fabs(optimized.results.Engine.FinalBalance),
                  std::fabs(plain.results.Engine.FinalBalance))
            << loan;
        const auto& rows = optimized.schedule.Records();
        EXPECT_TRUE(std::any_of(rows.begin() + 1, rows.end(), [&](const TTransRec& row) {
            return row.Pmt == optimized.inputs.Pmt;
        })) << loan;
    }
}

TEST(OptimizePayment, LeavesAPaymentTheUserEntered) {
    const Calculation run = Calculate("pmt=1252.45 n=360 pv=200000 rate=6.5 basis=1 optimize=1 "
                                      "org=4/1/2024 first=5/1/2024");
    EXPECT_DOUBLE_EQ(run.inputs.Pmt, 1252.45);
    EXPECT_DOUBLE_EQ(run.schedule[100].Pmt, 1252.45);
}

TEST(OptimizePayment, LeavesBalloonsAndHalfMonthlyPaymentsAlone) {
    const Calculation balloon = Calculate("force=1 n=360 pv=100000 rate=6 balloon=60 optimize=1");
    EXPECT_DOUBLE_EQ(balloon.inputs.Pmt, 599.55);
    EXPECT_GT(balloon.results.BalloonPmt, 90000);
    const Calculation half = Calculate("force=1 n=360 pv=100000 rate=6 accel=1 optimize=1");
    EXPECT_DOUBLE_EQ(half.results.EnginePmt, 299.77);
    EXPECT_LT(half.schedule.LastTransNo(), 650);
}

TEST(OptimizePayment, EndsForMethodsWhoseRowsDoNotPayTheEnginesPayment) {
    // Interest-only, fixed-principal and no-interest rows do not pay the engine's payment, so
    // no trial payment can change their schedule.
    for (const char* method : {"method=2", "method=3", "method=4", "method=5"}) {
        const std::string loan =
            std::string("force=1 n=360 pv=200000 rate=6.5 optimize=1 ") + method;
        const Calculation optimized = Calculate(loan);
        const Calculation plain = Calculate(loan + " optimize=0");
        EXPECT_DOUBLE_EQ(optimized.inputs.Pmt, plain.inputs.Pmt) << method;
        EXPECT_EQ(optimized.schedule.Count(), plain.schedule.Count()) << method;
    }
}

TEST(OptimizePayment, KeepsTheScheduleOnTheEngine) {
    // Called directly on a built schedule, as Calculate does.
    auto engine = MakeFlexAmort(AmortMethod::Normal, TestClock());
    FlexAmortTerms terms;
    terms.NumPmts = 24;
    terms.PV = 10000;
    terms.Pmt = 460; // about 3.20 too much a month
    terms.Rate = 9;
    terms.OrgDate = Day(2024, 1, 1);
    terms.FirstPmtDate = Day(2024, 2, 1);
    engine->Init(terms);
    engine->OptimizePmts = true;
    engine->Calculate();
    EXPECT_NEAR(engine->Pmt, 456.85, 0.02);
    EXPECT_EQ(engine->Schedule().LastTransNo(), 24);
    EXPECT_LT(std::fabs(engine->Results.FinalBalance), 0.15);
}

} // namespace
} // namespace quarvex::amortization::testing
