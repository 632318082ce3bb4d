#pragma once

#include "engine/EngineTypes.h"
#include "engine/Rounding.h"

#include <cmath>

namespace quarvex::amortization {

// Money is a whole number of cents. Every amount a row holds is rounded to the cent where it
// is formed, so that a sum or difference of cents never carries binary noise (99236.6799999999)
// into the screen, the exports or the stored rows.
inline double Cents(double amount) {
    return engine::RoundTo(engine::RoundDecimals, amount);
}

// A sum or difference of whole-cent amounts, brought back to the cent. Its exact value is a
// whole number of cents and the binary result lies within a few units in its last place of
// it, never near a half cent, so the nearest whole number of cents is exactly what Cents gives
// (the same integer, divided by 100 the same way). Rows form several such sums each, so this
// skips the checks and the half-way rule of RoundTo, which such a sum never needs; a sum too
// large for the shortcut goes to RoundTo.
inline double CentSum(double sum) {
    constexpr double kShift = 6755399441055744.0; // 1.5 x 2^52: adding it rounds to an integer
    const double scaled = sum * 100.0;
    if (!(std::fabs(scaled) < 1e15)) {
        return Cents(sum);
    }
    // Never a negative zero: x - x is +0.
    const double whole = (scaled + kShift) - kShift;
    return whole / 100.0;
}

// An amount as typed (a payment or extra payment of an edited row), to the cent: RoundTo,
// unless it holds whole cents already, as it nearly always does.
inline double TypedCents(double amount) {
    return CentSum(amount) == amount ? amount : Cents(amount);
}

} // namespace quarvex::amortization
