#include "AmortTestSupport.h"
#include "amortization/EAmort.h"
#include "amortization/MakeSimpleAmort.h"
#include "amortization/coSimpleMethods.h"
#include "engine/FinanceErrors.h"
#include "engine/RateConversion.h"
#include "engine/Rounding.h"
#include "engine/TCalcBalance.h"
#include "engine/TcalcFV.h"
#include "engine/coLoan.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace quarvex::amortization::testing {
namespace {

using engine::PaymentTiming;

SimpleAmortTerms Terms(AmortMethod method, int n, std::uint8_t pyr, double pv, double pmt,
                       float rate, std::uint8_t cmp,
                       PaymentTiming timing = PaymentTiming::Arrears) {
    SimpleAmortTerms t;
    t.NumPmts = n;
    t.PYR = pyr;
    t.PV = pv;
    t.Pmt = pmt;
    t.Rate = rate;
    t.CmpPYR = cmp;
    t.AmortMthd = method;
    t.Timing = timing;
    return t;
}

std::unique_ptr<coSimpleBaseAmort> Calculated(const SimpleAmortTerms& terms) {
    auto engine = MakeSimpleAmort(terms.AmortMthd);
    engine->Init(terms);
    engine->Calculate();
    return engine;
}

// The payment the remaining-balance calculator solves with the loan solver.
double SolvedPayment(AmortMethod method, int n, std::uint16_t p, std::uint16_t c, double pv,
                     float rate, PaymentTiming timing = PaymentTiming::Arrears) {
    engine::coLoan loan;
    loan.Init(pv, static_cast<std::int16_t>(n), rate, 0, p, c, static_cast<std::uint8_t>(timing),
              static_cast<std::uint8_t>(method));
    loan.Calculate();
    return loan.Pmt;
}

// A loan of 1 000 over 4 quarterly payments at 8 % (2 % a quarter), worked out by hand the way
// a spreadsheet does, each period's interest rounded to the cent:
//   level payment 1000 x 0.02 / (1 - 1.02^-4) = 262.62;
//   normal:         interest 20.00, 15.15, 10.20, 5.15; balances 757.38, 509.91, 257.49, 0.02;
//   fixed principal: 250 a period, interest 20, 15, 10, 5;
//   interest only:  20 a period, the last payment 1 020;
//   Rule of 78s:    T = 4 x 262.62 - 1000 = 50.48 split 4:3:2:1 over 10: 20.19, 15.14, 10.10,
//                   5.05; balances 757.57, 510.09, 257.57, 0.00.
TEST(SimpleFamily, QuarterlyLoanByHand) {
    const struct {
        AmortMethod method;
        double pmt;
        double interest[4];
        double balance[4];
        double lastPmt;
    } cases[] = {
        {AmortMethod::Normal,
         262.62,
         {20.00, 15.15, 10.20, 5.15},
         {757.38, 509.91, 257.49, 0},
         262.64},
        {AmortMethod::FixedPrincipal, 270.00, {20, 15, 10, 5}, {750, 500, 250, 0}, 255},
        {AmortMethod::InterestOnly, 20, {20, 20, 20, 20}, {1000, 1000, 1000, 0}, 1020},
        {AmortMethod::RuleOf78s,
         262.62,
         {20.19, 15.14, 10.10, 5.05},
         {757.57, 510.09, 257.57, 0},
         262.62},
    };
    for (const auto& c : cases) {
        const auto engine = Calculated(Terms(c.method, 4, 8, 1000, c.pmt, 8, 8));
        const auto& rows = engine->Schedule().Records();
        ASSERT_EQ(rows.size(), 4u) << static_cast<int>(c.method);
        for (int k = 1; k <= 4; ++k) {
            EXPECT_NEAR(engine->InterestOf(k), c.interest[k - 1], 1e-9)
                << static_cast<int>(c.method) << " period " << k;
            EXPECT_NEAR(engine->BalanceAfter(k), c.balance[k - 1], 1e-9)
                << static_cast<int>(c.method) << " period " << k;
        }
        EXPECT_NEAR(rows.back().Pmt, c.lastPmt, 1e-9) << static_cast<int>(c.method);
        double interest = 0;
        for (int k = 1; k <= 4; ++k) {
            interest += c.interest[k - 1];
            EXPECT_NEAR(engine->RunningInterestOf(k), interest, 1e-9);
        }
        EXPECT_NEAR(engine->TotalInterest, interest, 1e-9);
        EXPECT_EQ(engine->LastPeriod, 4);
        EXPECT_EQ(rows.front().Opening, 1000);
        EXPECT_EQ(rows[1].Opening, 0);
    }
}

// The same loan paid in advance: 1000 / (1 + (1 - 1.02^-3) / 0.02) = 257.47, the first paid at
// once without interest; then interest 14.85, 10.00, 5.05 and a last balance of 0.02.
TEST(SimpleFamily, PaymentsInAdvanceCarryNoInterestInTheFirstPeriod) {
    const double pmt = SolvedPayment(AmortMethod::Normal, 4, 4, 4, 1000, 8, PaymentTiming::Advance);
    EXPECT_DOUBLE_EQ(pmt, 257.47);
    const auto engine =
        Calculated(Terms(AmortMethod::Normal, 4, 8, 1000, pmt, 8, 8, PaymentTiming::Advance));
    EXPECT_EQ(engine->InterestOf(1), 0);
    EXPECT_NEAR(engine->BalanceAfter(1), 742.53, 1e-9);
    EXPECT_NEAR(engine->InterestOf(2), 14.85, 1e-9);
    EXPECT_NEAR(engine->InterestOf(4), 5.05, 1e-9);
    EXPECT_NEAR(engine->FinalBalance, 0.02, 1e-9);
    EXPECT_EQ(engine->BalanceAfter(4), 0);
}

// Remaining balances against the loan solver's remaining-balance stepping, period by period.
// The solver rounds each interest to the cent once; the schedules accrue with TcalcFV, which
// rounds to ten-thousandths first, so where a grown amount lies on a half cent of
// ten-thousandths the two may part by a cent (the Canadian loan's period 6 does: 149 048.55
// grows to 149 905.58504956..., 857.04 for the solver, 857.03 for TcalcFV). The level-payment
// loans are also stepped here with TcalcFV itself and must agree to the last digit.
TEST(SimpleFamily, RemainingBalancesAsTheBalanceSolverStepsThem) {
    const struct {
        AmortMethod method;
        int n;
        std::uint8_t pyr;
        std::uint8_t cmp;
        double pv;
        float rate;
    } cases[] = {
        {AmortMethod::Normal, 36, 6, 6, 10000, 10},
        {AmortMethod::Normal, 360, 6, 6, 200000, 6.5f},
        {AmortMethod::Canadian, 300, 6, 9, 150000, 7},
        {AmortMethod::FixedPrincipal, 60, 6, 6, 25000, 8},
        {AmortMethod::RuleOf78s, 48, 6, 6, 12000, 11},
        {AmortMethod::Normal, 104, 2, 2, 5000, 9},
        {AmortMethod::InterestOnly, 24, 6, 6, 10000, 9},
    };
    for (const auto& c : cases) {
        const std::uint16_t p = static_cast<std::uint16_t>(PeriodsPerYearOf(c.pyr));
        const std::uint16_t comp = static_cast<std::uint16_t>(CompoundingPerYearOf(c.cmp, c.pyr));
        const double pmt = SolvedPayment(c.method, c.n, p, comp, c.pv, c.rate);
        const auto engine = Calculated(Terms(c.method, c.n, c.pyr, c.pv, pmt, c.rate, c.cmp));
        const double i = static_cast<double>(engine::PeriodicRate(p, comp, c.rate));
        const bool level = c.method == AmortMethod::Normal || c.method == AmortMethod::Canadian;
        double stepped = c.pv;
        double steppedInterest = 0;
        for (int k = 1; k < c.n; ++k) {
            double balance = c.pv;
            double interest = 0;
            engine::TCalcBalance().Balance(balance, interest, c.pv, pmt, i, 1, k, c.n, c.method);
            ASSERT_NEAR(engine->BalanceAfter(k), balance, 0.01 + 1e-6)
                << static_cast<int>(c.method) << " " << c.n << " period " << k;
            if (c.method != AmortMethod::InterestOnly) { // the solver keeps no interest there
                ASSERT_NEAR(engine->RunningInterestOf(k), interest, 0.01 + 1e-6)
                    << static_cast<int>(c.method) << " " << c.n << " period " << k;
            }
            if (level) {
                engine::TcalcFV fv;
                fv.CompoundFV(stepped, i, 1);
                const double periodInterest = static_cast<double>(fv.Interest) / 10000;
                stepped = engine::RoundTo(2, stepped + periodInterest - pmt);
                steppedInterest += periodInterest;
                ASSERT_NEAR(engine->BalanceAfter(k), stepped, 1e-6)
                    << static_cast<int>(c.method) << " " << c.n << " period " << k;
                ASSERT_NEAR(engine->RunningInterestOf(k), steppedInterest, 1e-6)
                    << static_cast<int>(c.method) << " " << c.n << " period " << k;
            }
        }
        EXPECT_NEAR(engine->BalanceAfter(c.n), 0, 1e-6) << static_cast<int>(c.method);
    }
}

TEST(SimpleFamily, RuleOf78sChargesTheSumOfDigitsShare) {
    // 10 000 repaid by 12 payments of 900: T = 800, period 1 carries 12/78 of it.
    const auto engine = Calculated(Terms(AmortMethod::RuleOf78s, 12, 6, 10000, 900, 15, 6));
    EXPECT_NEAR(engine->InterestOf(1), 123.08, 1e-9);
    EXPECT_NEAR(engine->InterestOf(12), 10.26, 1e-9);
    EXPECT_NEAR(engine->BalanceAfter(1), 10000 + 123.08 - 900, 1e-9);
    EXPECT_NEAR(engine->TotalInterest, 800, 0.05);
}

TEST(SimpleFamily, DayBasesCountNominalDays) {
    // Ordinary/360 compounds a month's 30 days at the daily rate; "Actual/360" has no dates
    // and counts the same days, as "Actual/365" counts those of "Ordinary/365".
    const struct {
        InterestBasis actual;
        InterestBasis ordinary;
    } pairs[] = {{InterestBasis::Actual360, InterestBasis::Ordinary360},
                 {InterestBasis::Actual365, InterestBasis::Ordinary365}};
    for (const auto& pair : pairs) {
        SimpleAmortTerms actual = Terms(AmortMethod::Normal, 24, 6, 10000, 460, 9, 6);
        actual.RateBasis = pair.actual;
        SimpleAmortTerms ordinary = actual;
        ordinary.RateBasis = pair.ordinary;
        const auto a = Calculated(actual);
        const auto o = Calculated(ordinary);
        for (int k = 1; k <= 24; ++k) {
            EXPECT_EQ(a->BalanceAfter(k), o->BalanceAfter(k)) << k;
        }
    }
    SimpleAmortTerms days = Terms(AmortMethod::Normal, 24, 6, 10000, 460, 9, 6);
    days.RateBasis = InterestBasis::Ordinary365;
    // 30 days at (1 + 0.09/12)^(12/365) - 1 a day: 10 000 x (1.0075^(360/365) - 1) = 73.97.
    EXPECT_NEAR(Calculated(days)->InterestOf(1), 73.97, 1e-9);
}

TEST(SimpleFamily, ContinuousAndSimpleCompounding) {
    // 1 000 for a quarter at 8 % continuously: 1000 x (2.718281828^0.02 - 1) = 20.20.
    EXPECT_NEAR(Calculated(Terms(AmortMethod::InterestOnly, 4, 8, 1000, 0, 8, 0))->InterestOf(1),
                20.20, 1e-9);
    // Simple interest for one quarter: 1000 x 0.08 / 4.
    EXPECT_NEAR(Calculated(Terms(AmortMethod::InterestOnly, 4, 8, 1000, 0, 8, 11))->InterestOf(1),
                20.00, 1e-9);
}

TEST(SimpleFamily, RowsCarryYearsAndRates) {
    const auto engine = Calculated(Terms(AmortMethod::Normal, 36, 6, 10000, 322.67, 10, 6));
    const auto& rows = engine->Schedule().Records();
    EXPECT_EQ(rows[0].Year, 0);  // period 1
    EXPECT_EQ(rows[10].Year, 0); // period 11
    EXPECT_EQ(rows[11].Year, 1); // period 12
    EXPECT_EQ(rows[0].AnnualRate, 10);
    EXPECT_NEAR(static_cast<double>(rows[0].PeriodicRate), 10.0 / 1200, 1e-18);
    EXPECT_NEAR(engine->BalanceAfter(12), 6992.59, 1e-9); // worked in decimal arithmetic
    EXPECT_NEAR(engine->RunningInterestOf(12), 864.63, 1e-9);
    EXPECT_EQ(engine->LastYear, 3);
    EXPECT_NEAR(engine->Schedule().LastBalance(), 0, 1e-9);
}

TEST(SimpleFamily, ReduceInterestNeverMakesInterestNegative) {
    SimpleAmortTerms terms = Terms(AmortMethod::Normal, 4, 8, 1000, 250, 8, 8);
    terms.AdjustLastMthd = LastPeriodAdjust::ReduceInterest;
    const auto engine = Calculated(terms);
    const auto& last = engine->Schedule().Records().back();
    EXPECT_GT(engine->FinalBalance, last.Interest); // too large for the interest to take
    EXPECT_GT(last.Interest, 0);
    EXPECT_NEAR(last.Pmt, 250 + engine->FinalBalance, 1e-9);
    EXPECT_EQ(last.Balance, 0);
}

int CodeOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EAmort& error) {
        return error.Code();
    }
    return 0;
}

TEST(SimpleFamily, RefusalsAndPeriodsOutsideTheLoan) {
    const auto engine = Calculated(Terms(AmortMethod::Normal, 12, 6, 10000, 2000, 9, 6));
    EXPECT_EQ(engine->LastPeriod, 6); // 2 000 a month pays the loan off in 6 months
    EXPECT_EQ(engine->BalanceAfter(9), 0);
    EXPECT_EQ(engine->InterestOf(9), 0);
    EXPECT_EQ(engine->RunningInterestOf(9), engine->TotalInterest);
    EXPECT_EQ(CodeOf([&] { engine->BalanceAfter(0); }), 101);
    EXPECT_EQ(CodeOf([&] { engine->InterestOf(13); }), 101);
    EXPECT_EQ(CodeOf([&] { engine->RunningInterestOf(-1); }), 101);

    SimpleAmortTerms usRule = Terms(AmortMethod::Normal, 12, 6, 10000, 900, 9, 1);
    usRule.USRule = true;
    EXPECT_EQ(CodeOf([&] { MakeSimpleAmort(AmortMethod::Normal)->Init(usRule); }), 207);
    EXPECT_EQ(CodeOf([&] {
                  MakeSimpleAmort(AmortMethod::Canadian)
                      ->Init(Terms(AmortMethod::Canadian, 12, 3, 10000, 900, 9, 6));
              }),
              102);
    EXPECT_EQ(CodeOf([&] {
                  MakeSimpleAmort(AmortMethod::Canadian)
                      ->Init(Terms(AmortMethod::Canadian, 12, 3, 10000, 900, 9, 9));
              }),
              103);
    EXPECT_THROW(MakeSimpleAmort(AmortMethod::NoInterest), engine::EInvalidAmort);
    EXPECT_THROW(MakeSimpleAmort(AmortMethod::Normal)
                     ->Init(Terms(AmortMethod::Normal, 0, 6, 10000, 900, 9, 6)),
                 engine::EFinance);
}

TEST(SimpleFamily, CopiesOfRows) {
    const auto engine = Calculated(Terms(AmortMethod::Normal, 12, 6, 10000, 900, 9, 6));
    TSimpleAmortSchedule copy;
    engine->Schedule().CopyTo(&copy);
    EXPECT_EQ(copy.Count(), engine->Schedule().Count());
    EXPECT_EQ(CodeOf([&] { engine->Schedule().CopyTo(nullptr); }), 206);
    EXPECT_EQ(CodeOf([&] { engine->Schedule().CopyRow(copy.Records()[0], nullptr); }), 205);
}

} // namespace
} // namespace quarvex::amortization::testing
