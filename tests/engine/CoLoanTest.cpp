#include "engine/coLoan.h"
#include "engine/FinanceErrors.h"

#include <gtest/gtest.h>

namespace quarvex::engine {
namespace {

constexpr std::uint8_t kNormal = 0;
constexpr std::uint8_t kFixedPrincipal = 2;
constexpr std::uint8_t kInterestOnly = 3;
constexpr std::uint8_t kNoInterest = 4;

TEST(coLoan, SolvesWhicheverFieldIsZero) {
    struct Case {
        double pv;
        std::int16_t n;
        float rate;
        double pmt;
        std::uint8_t expectedUnknown;
    };
    const Case cases[] = {
        {10000, 36, 10, 0, coLoan::kPmt},
        {0, 36, 10, 322.67, coLoan::kPV},
        {10000, 0, 10, 322.67, coLoan::kNumPmts},
        {10000, 36, 0, 322.67, coLoan::kRate},
    };
    for (const auto& c : cases) {
        coLoan loan;
        EXPECT_EQ(loan.Init(c.pv, c.n, c.rate, c.pmt, 12, 12, 0, kNormal), c.expectedUnknown);
        loan.Calculate();
        // PV(10%/12, 36, -322.67) = 9 999.94: the rounded payment is slightly low.
        EXPECT_NEAR(loan.PV, 10000, 0.06) << int(c.expectedUnknown);
        EXPECT_EQ(loan.NumPmts, 36) << int(c.expectedUnknown);
        EXPECT_NEAR(loan.Rate, 10, 0.001) << int(c.expectedUnknown);
        EXPECT_EQ(loan.Pmt, 322.67) << int(c.expectedUnknown);
    }
}

TEST(coLoan, TheReferenceLoan) {
    coLoan loan;
    loan.Init(10000, 36, 10, 0, 12, 12, 0, kNormal);
    loan.Calculate();
    EXPECT_EQ(loan.Pmt, 322.67);
    EXPECT_NEAR(loan.Interest, 1616.12, 1e-9);
}

TEST(coLoan, ZeroFieldsAreCountedInOrder) {
    coLoan loan;
    EXPECT_THROW(loan.Init(0, 36, 10, 0, 12, 12, 0, kNormal), ETooManyUnknowns);
    EXPECT_EQ(loan.Init(0.005, 36, 10, 322.67, 12, 12, 0, kNormal), coLoan::kPV);
    // The rate is no unknown when the loan charges no interest.
    EXPECT_EQ(loan.Init(10000, 36, 0, 300, 12, 12, 0, kNoInterest), coLoan::kNone);
    EXPECT_EQ(loan.Init(10000, 36, 7, 0, 12, 12, 0, kNoInterest), coLoan::kPmt);
    EXPECT_EQ(loan.Rate, 0.0f);
}

TEST(coLoan, RefusesACalculationWithoutAnUnknown) {
    coLoan loan;
    loan.Init(10000, 36, 10, 322.67, 12, 12, 0, kNormal);
    try {
        loan.Calculate();
        FAIL() << "did not raise";
    } catch (const EInternalError& error) {
        EXPECT_EQ(error.Message(), "Internal Error - calculator class not correctly initialized.");
    }
    loan.Unknown = coLoan::kPmt;
    loan.CmpPYR = 0;
    EXPECT_THROW(loan.Calculate(), EInternalError);
}

TEST(coLoan, InterestByMethod) {
    struct Case {
        std::uint8_t method;
        double expectedInterest;
    };
    const Case cases[] = {{kFixedPrincipal, 0}, {kNoInterest, 0}, {kInterestOnly, 12 * 100.0}};
    for (const auto& c : cases) {
        coLoan loan;
        loan.Init(12000, 12, 10, 0, 12, 12, 0, c.method);
        loan.Calculate();
        EXPECT_DOUBLE_EQ(loan.Interest, c.expectedInterest) << int(c.method);
    }
    coLoan noInterest;
    noInterest.Init(10000, 36, 0, 0, 12, 12, 0, kNoInterest);
    noInterest.Calculate();
    EXPECT_EQ(noInterest.Pmt, 277.78);
}

TEST(coLoan, AFailedSolveKeepsTheFieldAndClearsTheInterest) {
    coLoan loan;
    loan.Init(10000, 36, 10, 0, 12, 12, 0, kNormal);
    loan.Calculate();
    loan.Init(10000, 0, 10, 50, 12, 12, 0, kNormal); // 50 does not cover 83.33 of interest
    EXPECT_THROW(loan.Calculate(), EFinance);
    EXPECT_EQ(loan.NumPmts, 0);
    EXPECT_EQ(loan.Interest, 0);
}

TEST(coLoan, ATermBeyondSixteenBitsIsReportedNotWrapped) {
    coLoan loan;
    // 1.01 a period against 1.00 of interest (0.01 % a period): about 46 000 periods.
    loan.Init(10000, 0, 0.12f, 1.01, 12, 12, 0, kNormal);
    try {
        loan.Calculate();
        FAIL() << "term " << loan.NumPmts << " was stored";
    } catch (const EFinance& error) {
        EXPECT_EQ(error.Code(), kFinTermTooLong);
        EXPECT_EQ(loan.NumPmts, 0);
    }
    coLoan noInterest;
    noInterest.Init(1000000, 0, 0, 1, 12, 12, 0, kNoInterest);
    EXPECT_THROW(noInterest.Calculate(), EFinance);
}

TEST(coLoan, SolvedRateIsStoredInSinglePrecision) {
    coLoan loan;
    loan.Init(10000, 36, 0, 322.67, 12, 12, 0, kNormal);
    loan.Calculate();
    EXPECT_EQ(loan.Rate, static_cast<float>(loan.Rate));
    EXPECT_NEAR(loan.Rate, 9.99956, 5e-5);
}

} // namespace
} // namespace quarvex::engine
