#include "engine/Rounding.h"
#include "engine/FinanceErrors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quarvex::engine {
namespace {

struct RoundCase {
    int decimals;
    double value;
    double expected;
    const char* why;
};

TEST(RoundTo, RoundsTheExactValueOfTheDouble) {
    const RoundCase cases[] = {
        {2, 1.005, 1.00, "1.005 is stored just below the half"},
        {2, 2.675, 2.67, "2.675 is stored just below the half"},
        {2, 1.125, 1.13, "an exact half rounds away from zero"},
        {2, -1.125, -1.13, "an exact negative half rounds away from zero"},
        {2, 0.125, 0.13, "exact half below one"},
        {0, 2.5, 3.0, "exact half, no decimals"},
        {0, -2.5, -3.0, "exact negative half, no decimals"},
        {2, 322.6718719383759, 322.67, "a loan payment"},
        {2, 1.0049999999, 1.00, "just below the half"},
        {2, 1.0050000001, 1.01, "just above the half"},
        {2, 123456789012345.67, 123456789012345.67, "fifteen integer digits keep their cents"},
        {2, 1e17, 1e17, "no integer digits are dropped"},
        {2, 9.87654321e20, 9.87654321e20, "beyond the cents of a double"},
        {4, 0.00005, 0.0001, "four decimals"},
        {2, 0.0, 0.0, "zero"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundTo(c.decimals, c.value), c.expected)
            << c.why << ": RoundTo(" << c.decimals << ", " << c.value << ")";
    }
}

TEST(RoundTo, NeverReturnsNegativeZero) {
    EXPECT_FALSE(std::signbit(RoundTo(2, -0.001)));
    EXPECT_FALSE(std::signbit(RoundTo(2, -0.0)));
}

TEST(RoundTo, RefusesWhatCannotBeRounded) {
    for (const double value : {std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity(), -1.7e308}) {
        EXPECT_THROW(RoundTo(2, value), ERoundError) << value;
    }
    try {
        RoundTo(2, std::numeric_limits<double>::infinity());
    } catch (const ERoundError& error) {
        EXPECT_EQ(error.Message(), "Rounding Error.");
    }
}

TEST(RoundHalfEven, TakesHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(3.5), 4.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfEven(35.6), 36.0);
}

} // namespace
} // namespace quarvex::engine
