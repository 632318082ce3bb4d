#include "engine/Rounding.h"

#include "engine/FinanceErrors.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace quarvex::engine {

namespace {

constexpr std::array<double, 16> kPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

constexpr double kTwoTo52 = 4503599627370496.0;

// Rounds magnitude * scale to the nearest integer, halves upwards, and divides by scale again.
// Rounding money happens in every period of every schedule, so the usual path is a handful of
// instructions: the product is rounded to an integer by the hardware (adding and removing 2^52),
// and the exact remainder of the product (from fma) is consulted only when the rounded product
// sits exactly on a half.
double RoundScaled(double magnitude, double scale) {
    const double product = magnitude * scale;
    if (product >= kTwoTo52) {
        // Whole already; only the remainder can move it. Extended precision holds the sum.
        const long double error = std::fma(magnitude, scale, -product);
        return static_cast<double>((product + std::floor(error + 0.5L)) / scale);
    }
    double whole = (product + kTwoTo52) - kTwoTo52; // nearest integer, halves to even
    const double offset = product - whole;          // exact: the two are close
    if (offset == 0.5 || offset == -0.5) {
        const double below = product - 0.5; // exact: the integer under the half
        whole = std::fma(magnitude, scale, -product) >= 0 ? below + 1 : below;
    }
    // The integer is exact, so one correctly rounded division gives the nearest double.
    return whole / scale;
}

} // namespace

double RoundTo(int decimals, double x) {
    if (!std::isfinite(x) || decimals < 0 || decimals >= static_cast<int>(kPowersOfTen.size())) {
        throw ERoundError();
    }
    const double scale = kPowersOfTen[decimals];
    const double magnitude = std::fabs(x);
    if (!std::isfinite(magnitude * scale)) {
        throw ERoundError();
    }
    const double rounded = RoundScaled(magnitude, scale);
    if (rounded == 0) {
        return 0.0;
    }
    return x < 0 ? -rounded : rounded;
}

double RoundHalfEven(double x) {
    return std::nearbyint(x);
}

} // namespace quarvex::engine
