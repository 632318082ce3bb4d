#include "engine/FinanceErrors.h"
#include "engine/TCalcBalance.h"
#include "engine/TCalcPmt.h"

#include <gtest/gtest.h>

namespace quarvex::engine {
namespace {

using M = AmortMethod;
constexpr double kI = 0.1 / 12;

TEST(TCalcBalance, NormalLoanAfterTwelvePayments) {
    double balance = 10000;
    double interest = 0;
    const double result =
        TCalcBalance().Balance(balance, interest, 10000, 322.67, kI, 1, 12, 36, M::Normal);
    // A schedule rounded to cents each month, worked with decimal arithmetic outside the program.
    EXPECT_NEAR(result, 6992.59, 0.005);
    EXPECT_EQ(result, balance);
    EXPECT_NEAR(interest, 864.63, 0.005);
}

TEST(TCalcBalance, TheLastPeriodAlwaysEndsAtZero) {
    double balance = 10000;
    double interest = 0;
    // The rounded payment leaves a few cents; the last period clears them.
    EXPECT_EQ(TCalcBalance().Balance(balance, interest, 10000, 322.67, kI, 1, 36, 36, M::Normal),
              0);
    EXPECT_EQ(balance, 0);
    EXPECT_NEAR(interest, 36 * 322.67 - 10000, 0.10);
}

TEST(TCalcBalance, MethodsStepTheirOwnWay) {
    struct Case {
        M method;
        double pmt;
        int to;
        double expectedBalance;
        double expectedInterest;
    };
    const Case cases[] = {
        {M::FixedPrincipal, 0, 2, 10000 - 2 * 833.33, 83.33 + 76.39},
        {M::NoInterest, 0, 2, 10000 - 2 * 833.33, 0},
        {M::InterestOnly, 83.33, 5, 12000, 0},
        // Rule of 78's: T = 12 * 900 - 10 000 = 800; period 1 takes 12/78 of it.
        {M::RuleOf78s, 900, 1, 10000 + 123.08 - 900, 123.08},
    };
    for (const auto& c : cases) {
        double balance = c.method == M::InterestOnly ? 1 : 10000;
        double interest = 0;
        const double pv = c.method == M::InterestOnly ? 12000 : 10000;
        TCalcBalance().Balance(balance, interest, pv, c.pmt, kI, 1, c.to, 12, c.method);
        EXPECT_NEAR(balance, c.expectedBalance, 1e-9) << static_cast<int>(c.method);
        EXPECT_NEAR(interest, c.expectedInterest, 1e-9) << static_cast<int>(c.method);
    }
}

TEST(TCalcBalance, PeriodsPastTheTermAreRefused) {
    double balance = 10000;
    double interest = 0;
    try {
        TCalcBalance().Balance(balance, interest, 10000, 322.67, kI, 1, 37, 36, M::Normal);
        FAIL() << "did not raise";
    } catch (const EBadBalancePeriod& error) {
        EXPECT_EQ(error.Message(), "Total periods must be greater than remaining balance period");
    }
}

TEST(TCalcBalance, UnknownMethodLeavesTheBalance) {
    double balance = 1234.56;
    double interest = 0;
    EXPECT_EQ(
        TCalcBalance().Balance(balance, interest, 10000, 100, kI, 1, 5, 36, static_cast<M>(6)),
        1234.56);
    EXPECT_EQ(balance, 1234.56);
}

TEST(TCalcBalance, NoPeriodsWhenTheRangeIsEmpty) {
    double balance = 500;
    double interest = 0;
    EXPECT_EQ(TCalcBalance().Balance(balance, interest, 10000, 100, kI, 5, 4, 36, M::Normal), 500);
}

} // namespace
} // namespace quarvex::engine
