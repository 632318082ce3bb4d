#include "engine/FinanceErrors.h"
#include "engine/TCalcRate.h"

#include <gtest/gtest.h>

#include <string>

namespace quarvex::engine {
namespace {

using M = AmortMethod;

TEST(TCalcRate, FindsTheRateOfARoundedPaymentInThreePasses) {
    const TCalcRate solver;
    // The rounded payment 322.67 is slightly below the exact one, so the rate is slightly low.
    EXPECT_NEAR(solver.Rate(36, 12, M::Normal, 12, 322.67, 10000), 9.99956, 5e-6);
    EXPECT_EQ(solver.LastPasses(), 3);
    EXPECT_NEAR(solver.Rate(36, 12, M::Normal, 2, 321.72, 10000), 9.99918, 5e-6);
    EXPECT_EQ(solver.LastPasses(), 3);
}

TEST(TCalcRate, AgreesWithASpreadsheetRate) {
    // RATE(360, -1199.10, 200000) * 12 = 5.99993 %
    EXPECT_NEAR(TCalcRate().Rate(360, 12, M::Normal, 12, 1199.10, 200000), 5.99993, 1e-4);
    // RATE(36, -320.01, 10000, 0, 1) * 12 = 10.00110 % (the payment was rounded up)
    EXPECT_NEAR(TCalcRate().RateAdvance(36, 12, M::Normal, 12, 320.01, 10000), 10.00110, 1e-4);
}

TEST(TCalcRate, MethodsThatNeedNoIteration) {
    const TCalcRate solver;
    EXPECT_DOUBLE_EQ(solver.Rate(120, 12, M::InterestOnly, 12, 100, 12000), 10.0);
    EXPECT_EQ(solver.Rate(12, 12, M::NoInterest, 12, 1000, 12000), 0.0);
    EXPECT_THROW(solver.Rate(12, 12, M::FixedPrincipal, 12, 1100, 12000), ENotSupportedRateCalc);
    EXPECT_THROW(solver.Rate(12, 12, static_cast<M>(6), 12, 1100, 12000), EInvalidAmort);
    EXPECT_EQ(solver.RateAdvance(1, 12, M::Normal, 12, 12000, 12000), 0.0);
}

TEST(TCalcRate, PaymentsBelowTheAmountAreRefusedBeforeTheMethod) {
    try {
        TCalcRate().Rate(12, 12, static_cast<M>(8), 12, 100, 12000);
        FAIL() << "did not raise";
    } catch (const EFinance& error) {
        EXPECT_EQ(error.Code(), 105);
    }
    EXPECT_THROW(TCalcRate().RateAdvance(12, 12, M::Normal, 12, 100, 12000), EFinance);
}

TEST(TCalcRate, MessagesEndInTheLastTrialRate) {
    try {
        TCalcRate().Rate(12, 12, M::Normal, 12, 5000, 10000);
        FAIL() << "did not raise";
    } catch (const ERateExceeds100& error) {
        const std::string lead = "Rate exceeds 100%.\r\rThis is an approximation: ";
        ASSERT_EQ(error.Message().substr(0, lead.size()), lead);
        const std::string figure = error.Message().substr(lead.size());
        EXPECT_GT(std::stod(figure), 100.0);
        EXPECT_EQ(figure.size() - figure.find('.'), 5u) << "four decimals: " << figure;
    }
}

TEST(TCalcRate, ANegativeRateIsRefusedInArrearsOnly) {
    // Twelve payments of -80 against -1 000 balance only at a rate below zero.
    try {
        TCalcRate().Rate(12, 12, M::Normal, 12, -80, -1000);
        FAIL() << "did not raise";
    } catch (const ERateExceeds100& error) {
        EXPECT_EQ(error.Message().rfind("Rate is less than 0.00%.\r\rIncrease the payment.\r\r"
                                        "This is an approximation: -",
                                        0),
                  0u)
            << error.Message();
    }
    // In advance the negative candidate is the answer.
    EXPECT_LT(TCalcRate().RateAdvance(12, 12, M::Normal, 12, -80, -1000), 0.0);
}

} // namespace
} // namespace quarvex::engine
