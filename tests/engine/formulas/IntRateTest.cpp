#include "ExpectError.h"
#include "engine/FinanceErrors.h"
#include "engine/formulas/FormulaErrors.h"
#include "engine/formulas/coIntRate.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quarvex::engine {
namespace {

using testing::ExpectError;

struct IntRateCase {
    double invested, returned;
    std::int16_t n;
    std::uint16_t cmpPyr;
    double rate; // a spreadsheet's RATE(n, 0, -invested, returned) x c x 100, by bisection
    float years;
};

const IntRateCase kCases[] = {
    {1000, 2000, 10, 1, 7.177346254, 10},
    {1000, 2000, 120, 12, 6.951529281, 10},
    {5000, 4000, 8, 4, -11.003011014, 2},
    {-1000, -1500, 36, 12, 13.591902174, 3},
    {100, 100, 5, 1, 0, 5},
    {2500, 10000, 30, 2, 9.458824564, 15},
};

TEST(coIntRate, MatchesTheSpreadsheetFigures) {
    for (const auto& c : kCases) {
        coIntRate earned;
        earned.Init(c.n, c.cmpPyr, c.invested, c.returned);
        earned.Calculate();
        SCOPED_TRACE(::testing::Message() << c.invested << " -> " << c.returned << " over " << c.n
                                          << " at " << c.cmpPyr << " a year");
        EXPECT_NEAR(static_cast<double>(earned.Rate), c.rate, 1e-8);
        EXPECT_EQ(earned.NumYears, c.years);
    }
}

TEST(coIntRate, TheReferenceRate) {
    coIntRate earned;
    earned.Init(10, 1, 1000, 2000);
    earned.Calculate();
    EXPECT_EQ(std::round(earned.Rate * 1000) / 1000, 7.177L);
}

TEST(coIntRate, RefusesInOrderTermThenAmountsThenSigns) {
    struct Refusal {
        std::int16_t n;
        double invested, returned;
        const char* text;
    };
    const char* kSigns = "Amount invested and amount returned must have the same sign.";
    const Refusal refusals[] = {
        {0, 0, 0, testing::kTermZero},        {-3, 1000, -2000, testing::kTermNegative},
        {10, 0, 2000, testing::kAmountZero},  {10, 1000, 0.00009, testing::kAmountZero},
        {10, 0, -2000, testing::kAmountZero},
    };
    for (const auto& r : refusals) {
        coIntRate earned;
        ExpectError<EFinance>([&] { earned.Init(r.n, 12, r.invested, r.returned); }, r.text);
    }
    for (const auto& amounts : {std::pair{1000.0, -2000.0}, {-1000.0, 2000.0}}) {
        coIntRate earned;
        ExpectError<EOppositeSigns>([&] { earned.Init(10, 12, amounts.first, amounts.second); },
                                    kSigns);
        // Never a non-number, even when Calculate is called after the refusal.
        ExpectError<EOppositeSigns>([&] { earned.Calculate(); }, kSigns);
        EXPECT_EQ(earned.Rate, 0);
    }
    coIntRate earned;
    ExpectError<EInternalError>([&] { earned.Init(10, 0, 1000, 2000); }, testing::kZeroCompounding);
}

TEST(coIntRate, ARateTooLargeToHoldIsOutOfRange) {
    coIntRate earned;
    earned.Init(1, 365, 0.0001, 1e308);
    ExpectError<EFinance>([&] { earned.Calculate(); }, testing::kOutOfRange);
}

} // namespace
} // namespace quarvex::engine
