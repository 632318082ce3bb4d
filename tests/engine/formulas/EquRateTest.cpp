#include "ExpectError.h"
#include "engine/FinanceErrors.h"
#include "engine/formulas/coEquRate.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quarvex::engine {
namespace {

using testing::ExpectError;

double Near(long double x) {
    return static_cast<double>(x);
}

// A spreadsheet's EFFECT(nominal, n) and NOMINAL(effective, n), in percent.
struct EquCase {
    std::int32_t cmpPyr, days;
    double nominal, effective;
};

const EquCase kEffectCases[] = {
    {12, 360, 12, 12.682503013}, {4, 360, 6, 6.136355062},   {2, 365, 10, 10.25}, {1, 360, 8, 8},
    {365, 360, 5, 5.126744647},  {365, 365, 5, 5.126749647},
};

TEST(coEquRate, SolvesTheEffectiveRateFromTheNominal) {
    for (const auto& c : kEffectCases) {
        coEquRate equ;
        equ.Init(c.cmpPyr, c.days, c.nominal, 0);
        equ.Calculate();
        EXPECT_NEAR(Near(equ.EffectiveRate), c.effective, 1e-8)
            << c.nominal << " % at " << c.cmpPyr << ", " << c.days << " days";
        EXPECT_NEAR(Near(equ.NominalRate), c.nominal, 1e-12);
    }
}

TEST(coEquRate, SolvesTheNominalRateFromTheEffective) {
    const EquCase cases[] = {
        {12, 360, 12, 12.682503013196977}, {2, 360, 10, 10.25}, {365, 365, 5.000238177, 5.127}};
    for (const auto& c : cases) {
        coEquRate equ;
        equ.Init(c.cmpPyr, c.days, 0, c.effective);
        equ.Calculate();
        EXPECT_NEAR(Near(equ.NominalRate), c.nominal, 1e-8) << c.effective << " % at " << c.cmpPyr;
        EXPECT_EQ(equ.EffectiveRate, static_cast<long double>(c.effective));
    }
}

TEST(coEquRate, TheMonthlyReferenceRates) {
    coEquRate equ;
    equ.Init(12, 360, 12, 0);
    equ.Calculate();
    EXPECT_EQ(std::round(equ.EffectiveRate * 10000) / 10000, 12.6825L);
    EXPECT_NEAR(Near(equ.ThisPeriodicRate), 1, 1e-15);
    EXPECT_NEAR(Near(equ.Annual), 12, 1e-15);
    EXPECT_NEAR(Near(equ.SemiAnnual), 12.36, 1e-12);
    EXPECT_NEAR(Near(equ.Monthly), 12.682503013196978, 1e-12);
    EXPECT_NEAR(Near(equ.Daily), 12.747430687757145, 1e-10);
    // 1.01 ^ (12 / 360) - 1: the day's rate that compounds to 1 % a month.
    EXPECT_NEAR(Near(equ.ThisDailyRate), 0.033173270623421125, 1e-14);

    equ.Init(12, 360, 0, 12.6825);
    equ.Calculate();
    EXPECT_EQ(std::round(equ.NominalRate * 10000) / 10000, 12.0L);
}

TEST(coEquRate, ATypedEffectiveRateIsOverwrittenByTheNominal) {
    coEquRate equ;
    equ.Init(12, 360, 12, 99);
    equ.Calculate();
    EXPECT_NEAR(Near(equ.EffectiveRate), 12.682503013, 1e-8);
}

TEST(coEquRate, WithoutAKnownRateThereAreTooManyUnknowns) {
    // A nominal rate from 0.001 to 0.1 is neither the unknown nor a rate to solve from.
    const std::pair<double, double> pairs[] = {{0, 0}, {0, 0.1}, {0.05, 10}, {-0.1, 0}};
    for (const auto& [nominal, effective] : pairs) {
        coEquRate equ;
        equ.Init(12, 360, nominal, effective);
        ExpectError<ETooManyUnknowns>([&] { equ.Calculate(); },
                                      "Too many unknowns. Enter only one Zero value.");
        EXPECT_EQ(equ.Annual, 0) << nominal << " " << effective;
    }
}

TEST(coEquRate, RefusesCountsItWouldDivideBy) {
    coEquRate equ;
    ExpectError<EInternalError>([&] { equ.Init(0, 360, 12, 0); }, testing::kZeroCompounding);
    ExpectError<EInternalError>([&] { equ.Init(12, 0, 12, 0); },
                                "Internal Error - days per year equals 0.");
}

TEST(coEquRate, RatesWithoutAMeaningAreOutOfRangeNeverNotANumber) {
    // -150 % effective, and -300 % nominal that loses 150 % each half year.
    const std::pair<double, double> pairs[] = {{0, -150}, {-300, 0}, {1e6, 0}};
    for (const auto& [nominal, effective] : pairs) {
        coEquRate equ;
        equ.Init(12, 365, nominal, effective);
        ExpectError<EFinance>([&] { equ.Calculate(); }, testing::kOutOfRange);
        EXPECT_EQ(equ.NominalRate, static_cast<long double>(nominal));
        EXPECT_EQ(equ.EffectiveRate, static_cast<long double>(effective));
    }
}

} // namespace
} // namespace quarvex::engine
