#include "engine/RateConversion.h"
#include "engine/TcalcPower.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quarvex::engine {
namespace {

TEST(RateConversion, EqualFrequenciesDivideExactly) {
    EXPECT_EQ(PeriodicRate(12, 12, 12), 0.01L);
    EXPECT_NEAR(static_cast<double>(NominalRateAtFrequency(12, 12, 12)), 0.12, 1e-15);
}

TEST(RateConversion, OtherFrequenciesCompoundToTheSameYear) {
    // 10 % compounded twice a year, paid monthly: 1.05^(1/6) - 1.
    EXPECT_NEAR(static_cast<double>(PeriodicRate(12, 2, 10)), std::pow(1.05, 1.0 / 6) - 1, 1e-15);
    // 12 % compounded monthly is 12.6825 % effective: paid annually.
    EXPECT_NEAR(static_cast<double>(NominalRateAtFrequency(1, 12, 12)), 0.126825030131970, 1e-14);
}

TEST(TcalcPower, WholeAndFractionalExponents) {
    const TcalcPower power;
    EXPECT_EQ(power.Power(5, 0), 1.0L);
    EXPECT_EQ(power.Power(0, 2.5), 0.0L);
    EXPECT_EQ(power.Power(2, 10), 1024.0L);
    EXPECT_EQ(power.Power(2, -2), 0.25L);
    EXPECT_NEAR(static_cast<double>(power.Power(1.1, 0.5)), std::sqrt(1.1), 1e-15);
    EXPECT_EQ(power.IntPower(-3, 3), -27.0L);
    EXPECT_EQ(power.IntPower(1.5, 0), 1.0L);
}

} // namespace
} // namespace quarvex::engine
