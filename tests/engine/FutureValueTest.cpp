#include "engine/FinanceErrors.h"
#include "engine/TcalcFV.h"

#include <gtest/gtest.h>

namespace quarvex::engine {
namespace {

TEST(TcalcFV, ContinuousCompoundingUsesTheTenDigitBase) {
    TcalcFV fv;
    EXPECT_EQ(fv.ContinuousFV(1000, 0.10, 365, 365), 1105.17);
    EXPECT_EQ(fv.Principal, 10000000);
    EXPECT_EQ(fv.FutureValue, 11051700);
    EXPECT_EQ(fv.Interest, 1051700);
}

TEST(TcalcFV, CompoundAndSimple) {
    TcalcFV fv;
    // FV(0.5%, 12, 0, -1000) = 1 061.68
    EXPECT_EQ(fv.CompoundFVPeriods(1000, 0.005, 12), 1061.68);
    EXPECT_EQ(fv.Interest, 616800);
    EXPECT_EQ(fv.CompoundFV(1000, 0.005, 12.0), 1061.68);
    EXPECT_EQ(fv.CompoundFV(1000, 0.01, 0.5), 1004.99); // 1000 * 1.01^0.5 = 1004.9876
    EXPECT_EQ(fv.SimpleFV(1000, 0.01, 6), 1060.00);
}

TEST(TcalcFV, NoInterestArisesWithoutRateOrTime) {
    TcalcFV fv;
    EXPECT_EQ(fv.CompoundFV(1000, 0.0, 12), 1000.0);
    EXPECT_EQ(fv.Interest, 0);
    EXPECT_EQ(fv.CompoundFVPeriods(1000, 0.01, 0), 1000.0);
    EXPECT_EQ(fv.CompoundFVPeriods(1000, 0.01, -3), 1000.0);
    EXPECT_EQ(fv.SimpleFV(1000, 0.01, 0.00001), 1000.0);
    EXPECT_EQ(fv.ContinuousFV(1000, 0.1, 0, 365), 1000.0);
    // Any non-zero rate earns interest, however small.
    EXPECT_GT(fv.CompoundFVPeriods(1000000, 0.00005, 1), 1000000.0);
}

TEST(TcalcFV, AmountsBeyondTheFixedPointRangeAreRefused) {
    TcalcFV fv;
    EXPECT_THROW(fv.CompoundFV(1e15, 0.5, 100), ERoundError);
    EXPECT_THROW(fv.SimpleFV(1e300, 0.1, 1), ERoundError);
}

} // namespace
} // namespace quarvex::engine
