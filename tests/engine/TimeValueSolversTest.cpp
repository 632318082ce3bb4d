#include "engine/FinanceErrors.h"
#include "engine/RateConversion.h"
#include "engine/TCalcPV.h"
#include "engine/TCalcPmt.h"
#include "engine/TCalcTerm.h"

#include <gtest/gtest.h>

namespace quarvex::engine {
namespace {

using M = AmortMethod;
constexpr double kMonthlyTenPercent = 0.1 / 12;

// Expected values computed by hand with a spreadsheet's PMT formula (=PMT(rate, n, -pv, 0, type))
// or the method's definition.
struct PaymentCase {
    M method;
    bool advance;
    double pv;
    int n;
    double i;
    double expected;
    const char* source;
};

TEST(TCalcPmt, PaymentsByMethodAndTiming) {
    const PaymentCase cases[] = {
        {M::Normal, false, 10000, 36, kMonthlyTenPercent, 322.67, "PMT(10%/12,36,-10000)"},
        {M::Normal, false, 200000, 360, 0.005, 1199.10, "PMT(6%/12,360,-200000)"},
        {M::Normal, true, 10000, 36, kMonthlyTenPercent, 320.01, "PMT(10%/12,36,-10000,0,1)"},
        {M::Canadian, false, 10000, 36, kMonthlyTenPercent, 322.67, "same as Normal"},
        {M::RuleOf78s, false, 10000, 36, kMonthlyTenPercent, 322.67, "same as Normal"},
        {M::FixedPrincipal, false, 12000, 12, 0.01, 1120.00, "1000 principal + 120 interest"},
        {M::FixedPrincipal, true, 12000, 12, 0.01, 1000.00, "principal only"},
        {M::InterestOnly, false, 12000, 12, 0.01, 120.00, "interest only"},
        {M::InterestOnly, true, 12000, 12, 0.01, 0.00, "nothing due in advance"},
        {M::NoInterest, false, 10000, 3, 0.01, 3333.33, "principal divided"},
        {M::NoInterest, true, 10000, 3, 0.01, 3333.33, "principal divided"},
        {M::Normal, false, 1200, 12, 0.0, 100.00, "zero-rate limit PV / n"},
        {M::Normal, true, 1200, 12, 0.0, 100.00, "zero-rate limit PV / n"},
    };
    const TCalcPmt solver;
    for (const auto& c : cases) {
        const double payment = c.advance ? solver.PaymentByMethodAdvance(c.method, c.pv, c.n, c.i)
                                         : solver.PaymentByMethod(c.method, c.pv, c.n, c.i);
        EXPECT_EQ(payment, c.expected) << c.source;
    }
    EXPECT_EQ(solver.Payment(10000, 36, kMonthlyTenPercent), 322.67);
    EXPECT_EQ(solver.PaymentAdvance(10000, 36, kMonthlyTenPercent), 320.01);
}

TEST(TCalcPmt, CompoundingTwiceAYear) {
    const double i = static_cast<float>(PeriodicRate(12, 2, 10));
    EXPECT_EQ(TCalcPmt().Payment(10000, 36, i), 321.72);
}

TEST(TCalcPmt, RefusesUnknownMethodsAndZeroTerms) {
    const TCalcPmt solver;
    EXPECT_THROW(solver.PaymentByMethod(static_cast<M>(6), 1000, 12, 0.01), EInvalidAmort);
    EXPECT_THROW(solver.PaymentByMethodAdvance(static_cast<M>(9), 1000, 12, 0.01), EInvalidAmort);
    EXPECT_THROW(solver.Payment(1000, 0, 0.01), EFinance);
}

TEST(TCalcTerm, TermsByMethod) {
    const TCalcTerm solver;
    // NPER(10%/12, -322.67, 10000) = 36.0002
    EXPECT_NEAR(solver.Term(M::Normal, 10000, kMonthlyTenPercent, 322.67), 36.0002434, 1e-6);
    EXPECT_EQ(solver.Term(M::FixedPrincipal, 12000, 0.01, 1120), 12.0);
    EXPECT_EQ(solver.Term(M::NoInterest, 10000, 0, 3000), 3.0);
    EXPECT_DOUBLE_EQ(solver.TermAdvance(M::NoInterest, 10000, 0, 3000), 10000.0 / 3000);
    EXPECT_DOUBLE_EQ(solver.TermAdvance(M::FixedPrincipal, 10000, 0.01, 3000), 10000.0 / 3000);
    // NPER(10%/12, -320.01, 10000, 0, 1) = 35.99937
    EXPECT_NEAR(solver.TermAdvance(M::Normal, 10000, kMonthlyTenPercent, 320.01), 35.999366, 1e-6);
    EXPECT_EQ(solver.Term(M::Normal, 1200, 0, 100), 12.0);
}

TEST(TCalcTerm, PaymentThatDoesNotCoverInterestIsAnInfiniteTerm) {
    const TCalcTerm solver;
    const double i = 0.01;
    const double interest = 100; // on 10 000
    const auto expectInfinite = [](auto call, const char* what) {
        try {
            call();
            ADD_FAILURE() << what << " did not raise";
        } catch (const EFinance& error) {
            EXPECT_EQ(error.Code(), 106) << what;
            EXPECT_EQ(error.Message(), "Infinite term.\rPayment is less than interest.") << what;
        }
    };
    expectInfinite([&] { solver.Term(M::Normal, 10000, i, interest - 0.01); }, "short payment");
    expectInfinite([&] { solver.Term(M::Normal, 10000, i, interest); }, "level, equal");
    expectInfinite([&] { solver.Term(M::FixedPrincipal, 10000, i, interest); }, "fixed, equal");
    expectInfinite([&] { solver.TermAdvance(M::Normal, 10000, i, interest - 0.01); }, "advance");
    expectInfinite([&] { solver.Term(M::NoInterest, 10000, 0, 0); }, "no payment at all");
    expectInfinite([&] { solver.Term(static_cast<M>(7), 10000, i, 50); }, "checked before method");

    try {
        solver.Term(M::InterestOnly, 10000, i, 200);
        ADD_FAILURE() << "interest only did not raise";
    } catch (const EInfiniteTerm& error) {
        EXPECT_EQ(error.Message(), "");
    }
    EXPECT_THROW(solver.TermAdvance(M::InterestOnly, 10000, i, 200), EInfiniteTerm);
    EXPECT_THROW(solver.Term(static_cast<M>(6), 10000, i, 200), EInvalidAmort);
}

TEST(TCalcPV, PresentValuesByMethod) {
    const TCalcPV solver;
    // PV(8%/12, 60, -500) = 24 659.22
    EXPECT_NEAR(solver.PresentValue(60, M::Normal, 0.08 / 12, 500), 24659.2166678, 1e-6);
    // PV(8%/12, 60, -500, 0, 1) = 24 823.61
    EXPECT_NEAR(solver.PresentValueAdvance(60, M::Normal, 0.08 / 12, 500), 24823.61, 0.005);
    EXPECT_DOUBLE_EQ(solver.PresentValue(12, M::InterestOnly, 0.01, 120), 12000);
    EXPECT_DOUBLE_EQ(solver.PresentValue(3, M::NoInterest, 0.01, 100), 300);
    EXPECT_DOUBLE_EQ(solver.PresentValueAdvance(3, M::FixedPrincipal, 0.01, 100), 300);
    EXPECT_DOUBLE_EQ(solver.PresentValue(12, M::Normal, 0, 100), 1200);
    EXPECT_THROW(solver.PresentValue(12, M::FixedPrincipal, 0.01, 100), ENotSupportedPVCalc);
    EXPECT_THROW(solver.PresentValueAdvance(12, M::InterestOnly, 0.01, 100), ENotSupportedPVCalc);
    EXPECT_THROW(solver.PresentValue(12, static_cast<M>(6), 0.01, 100), EInvalidAmort);
    EXPECT_THROW(solver.PresentValue(12, M::InterestOnly, 0, 100), EFinance);
}

} // namespace
} // namespace quarvex::engine
