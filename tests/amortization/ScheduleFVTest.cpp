#include "amortization/ScheduleFV.h"
#include "engine/FinanceErrors.h"
#include "engine/TcalcFV.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace quarvex::amortization {
namespace {

TEST(ScheduleFV, RoundsTheGrownAmountToTheCentOnce) {
    const struct {
        const char* what;
        double principal;
        double i;
        double periods;
        double interest; // worked out in decimal arithmetic
    } cases[] = {
        // 149 048.55 x ((1.035)^(1/6) - 1) = 857.03504956...: 857.04. Rounded to ten-thousandths
        // first, the amount sat on a half cent and came out 857.03.
        {"near a half cent", 149048.55, std::pow(1.035, 1.0 / 6) - 1, 1, 857.04},
        // 10 002 x 0.0075 = 75.015 exactly: halves go away from zero.
        {"exact half", 10002.00, 0.0075, 1, 75.02},
        // 2 372.50 x 9 / 36 500 = 0.585 exactly.
        {"exact half, daily", 2372.50, 9.0 / 36500, 1, 0.59},
        {"whole months", 10000, 0.0075, 12, 938.07},
        {"part of a period", 10000, 0.0075, 0.5, 37.43},
    };
    for (const auto& c : cases) {
        ScheduleFV fv;
        fv.CompoundFV(c.principal, c.i, c.periods);
        EXPECT_NEAR(fv.InterestAmount(), c.interest, 1e-9) << c.what;
        EXPECT_EQ(fv.Principal, std::llround(c.principal * 10000)) << c.what;
        EXPECT_EQ(fv.FutureValue, fv.Principal + fv.Interest) << c.what;
    }
    ScheduleFV fv;
    fv.CompoundFVPeriods(10002.00, 0.0075, 1);
    EXPECT_NEAR(fv.InterestAmount(), 75.02, 1e-9);
    fv.SimpleFV(10002.00, 0.0075, 1);
    EXPECT_NEAR(fv.InterestAmount(), 75.02, 1e-9);
    // 1 000 x (2.718281828^0.1 - 1) = 105.1709...
    fv.ContinuousFV(1000, 0.10, 365, 365);
    EXPECT_NEAR(fv.InterestAmount(), 105.17, 1e-9);
}

TEST(ScheduleFV, NoInterestWithoutRateTimeOrPrincipal) {
    ScheduleFV fv;
    fv.CompoundFV(5000, 0, 1);
    EXPECT_EQ(fv.Interest, 0);
    fv.CompoundFV(5000, 0.01, 0.00001);
    EXPECT_EQ(fv.Interest, 0);
    fv.CompoundFVPeriods(5000, 0.01, 0);
    EXPECT_EQ(fv.Interest, 0);
    fv.ContinuousFV(5000, 0.05, 0, 365);
    EXPECT_EQ(fv.Interest, 0);
    fv.CompoundFV(0.00001, 0.5, 1);
    EXPECT_EQ(fv.Interest, 0);
    // Any non-zero rate earns interest, however small.
    fv.CompoundFVPeriods(100000, 0.00005, 1);
    EXPECT_EQ(fv.InterestAmount(), 5);
}

TEST(ScheduleFV, RefusesWhatCannotBeKept) {
    ScheduleFV fv;
    EXPECT_THROW(fv.CompoundFV(1e300, 0.5, 1), engine::ERoundError);
    EXPECT_THROW(fv.CompoundFV(1000, std::numeric_limits<double>::quiet_NaN(), 1),
                 engine::ERoundError);
    EXPECT_THROW(fv.ContinuousFV(1000, 0.05, 30, 0), engine::EFinance);
}

// Everywhere but on a half cent of the ten-thousandths, the results are those of TcalcFV.
TEST(ScheduleFV, AgreesWithTcalcFVAwayFromTheHalfCent) {
    std::mt19937_64 random(20240301);
    std::uniform_int_distribution<std::int64_t> cents(1, 5'000'000'00);
    std::uniform_real_distribution<double> rate(0.00001, 0.02);
    std::uniform_int_distribution<int> days(1, 400);
    int halfCents = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        const double principal = static_cast<double>(cents(random)) / 100;
        const double i = rate(random);
        const double periods = trial % 3 == 0 ? 1.0 : (trial % 3) * 0.37;
        const int whole = days(random);
        engine::TcalcFV reference;
        ScheduleFV fv;
        const auto onHalfCent = [&](long double grown) {
            const auto tenThousandths = std::llrint(grown * 10000.0L);
            return std::llabs(tenThousandths) % 100 == 50;
        };
        reference.CompoundFV(principal, i, periods);
        fv.CompoundFV(principal, i, periods);
        const long double grown = principal * std::pow(1.0L + i, static_cast<long double>(periods));
        if (onHalfCent(grown)) {
            ++halfCents;
            EXPECT_LE(std::llabs(fv.Interest - reference.Interest), 100);
        } else {
            ASSERT_EQ(fv.Interest, reference.Interest) << principal << " " << i << " " << periods;
        }
        ASSERT_EQ(fv.Principal, reference.Principal);

        reference.CompoundFVPeriods(principal, i / 30, whole);
        fv.CompoundFVPeriods(principal, i / 30, whole);
        if (!onHalfCent(principal * std::pow(1.0L + i / 30, static_cast<long double>(whole)))) {
            ASSERT_EQ(fv.Interest, reference.Interest) << principal << " " << i << " " << whole;
        }
        reference.SimpleFV(principal, i, periods);
        fv.SimpleFV(principal, i, periods);
        if (!onHalfCent(principal + static_cast<long double>(principal) * i * periods)) {
            ASSERT_EQ(fv.Interest, reference.Interest) << principal << " " << i << " " << periods;
        }
    }
    EXPECT_GT(halfCents, 0); // the zone where the two differ was reached
}

} // namespace
} // namespace quarvex::amortization
