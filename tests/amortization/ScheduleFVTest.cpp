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

// The grown amount goes to ten-thousandths first and then, as the double nearest that amount,
// to the cent: an amount on a half cent of ten-thousandths rounds as that double lies. The
// expected interest was worked out apart from the program with that rule.
TEST(ScheduleFV, RoundsToTenThousandthsThenToTheCent) {
    const struct {
        const char* what;
        double principal;
        double i;
        double periods;
        double interest;
    } cases[] = {
        // 149 048.55 x ((1.035)^(1/6) - 1) = 857.03504956...: 149 905.5850 first, and the
        // double of that lies below the half cent: 857.03 (rounded once it would be 857.04).
        {"near a half cent", 149048.55, std::pow(1.035, 1.0 / 6) - 1, 1, 857.03},
        // 7 502.46 x 9 / 5 200 = 12.98502...: 7 515.4450, whose double lies below the half.
        {"weekly, near a half cent", 7502.46, 9.0 / 5200, 1, 12.98},
        // 2 372.50 x 9 / 36 500 = 0.585 exactly: 2 373.0850, whose double lies above the half.
        {"exact half, daily", 2372.50, 9.0 / 36500, 1, 0.59},
        // 10 002 x 0.0075 = 75.015, but the binary rate lies below 0.0075: 10 077.0150 again,
        // whose double lies below the half.
        {"exact half, monthly", 10002.00, 0.0075, 1, 75.01},
        {"whole months", 10000, 0.0075, 12, 938.07},
        {"part of a period", 10000, 0.0075, 0.5, 37.43},
    };
    for (const auto& c : cases) {
        ScheduleFV fv;
        fv.CompoundFV(c.principal, c.i, c.periods);
        EXPECT_NEAR(fv.InterestAmount(), c.interest, 1e-9) << c.what;
        EXPECT_EQ(fv.Principal, std::llround(c.principal * 10000)) << c.what;
        EXPECT_EQ(fv.FutureValue, fv.Principal + fv.Interest) << c.what;
        EXPECT_EQ(fv.FutureValue % 100, 0) << c.what; // whole cents
    }
    ScheduleFV fv;
    fv.CompoundFVPeriods(7502.46, 9.0 / 5200, 1);
    EXPECT_NEAR(fv.InterestAmount(), 12.98, 1e-9);
    fv.SimpleFV(7502.46, 9.0 / 5200, 1);
    EXPECT_NEAR(fv.InterestAmount(), 12.98, 1e-9);
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

// The schedules accrue exactly as TcalcFV does: every field of every step, the half cents of
// ten-thousandths included.
TEST(ScheduleFV, AgreesWithTcalcFVInEveryField) {
    std::mt19937_64 random(20240301);
    std::uniform_int_distribution<std::int64_t> cents(1, 5'000'000'00);
    std::uniform_real_distribution<double> rate(0.00001, 0.02);
    std::uniform_int_distribution<int> days(1, 400);
    std::uniform_int_distribution<int> halfCentRates(1, 2000);
    int halfCents = 0;
    const auto same = [](const engine::TcalcFV& reference, const ScheduleFV& fv) {
        return fv.Principal == reference.Principal && fv.FutureValue == reference.FutureValue &&
               fv.Interest == reference.Interest;
    };
    for (int trial = 0; trial < 20000; ++trial) {
        const double principal = static_cast<double>(cents(random)) / 100;
        const double i = rate(random);
        const double periods = trial % 3 == 0 ? 1.0 : (trial % 3) * 0.37;
        const int whole = days(random);
        engine::TcalcFV reference;
        ScheduleFV fv;
        reference.CompoundFV(principal, i, periods);
        fv.CompoundFV(principal, i, periods);
        ASSERT_TRUE(same(reference, fv)) << principal << " " << i << " " << periods;
        reference.CompoundFVPeriods(principal, i / 30, whole);
        fv.CompoundFVPeriods(principal, i / 30, whole);
        ASSERT_TRUE(same(reference, fv)) << principal << " " << i << " " << whole;
        reference.SimpleFV(principal, i, periods);
        fv.SimpleFV(principal, i, periods);
        ASSERT_TRUE(same(reference, fv)) << principal << " " << i << " " << periods;
        reference.ContinuousFV(principal, i * 10, whole, 365);
        fv.ContinuousFV(principal, i * 10, whole, 365);
        ASSERT_TRUE(same(reference, fv)) << principal << " " << i << " " << whole;

        // Rates of whole thousandths of a percent on whole cents put the grown amount on an
        // exact ten-thousandth, often on a half cent: the zone where rounding twice matters.
        const double exact = halfCentRates(random) / 100000.0;
        reference.CompoundFV(principal, exact, 1);
        fv.CompoundFV(principal, exact, 1);
        ASSERT_TRUE(same(reference, fv)) << principal << " " << exact;
        const long double grown = principal * (1.0L + exact);
        if (std::llabs(std::llrint(grown * 10000.0L)) % 100 == 50) {
            ++halfCents;
        }
    }
    EXPECT_GT(halfCents, 100); // the half-cent zone was reached often
}

} // namespace
} // namespace quarvex::amortization
