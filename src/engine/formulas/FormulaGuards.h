#pragma once

#include "engine/EngineTypes.h"
#include "engine/FinanceErrors.h"

#include <cmath>

// Checks the single-formula computations share, so that no division by zero, no power of a
// negative number and no overflow ever reaches a result field.
namespace quarvex::engine::formulas {

// A rate below ZeroTolerance in absolute value counts as no rate at all.
inline bool IsZeroRate(long double annualPercent) {
    return std::fabs(annualPercent) < ZeroTolerance;
}

// A compounding count of zero only arises when a calculator passed a code without a count
// ("Simple"); it is a programming error, reported as such rather than divided by.
inline void RequireCompoundingCount(long long count) {
    if (count <= 0) {
        throw EInternalError::ZeroCompounding();
    }
}

inline void RequirePaymentCount(long long count) {
    if (count <= 0) {
        throw EInternalError("Internal Error - payment period equals 0.");
    }
}

inline void RequireDaysInYear(long long days) {
    if (days <= 0) {
        throw EInternalError("Internal Error - days per year equals 0.");
    }
}

// The growth of one period, 1 + i. Losing all the money or more in one period (a rate of
// -100 % or below per period) has no powers to take: refused as out of range.
inline long double RequireGrowth(long double onePlusRate) {
    if (!(onePlusRate > 0) || !std::isfinite(onePlusRate)) {
        RaiseFinanceError(kFinOutOfRange);
    }
    return onePlusRate;
}

// Every result field goes through this: a non-number or an infinity is refused.
inline long double Finite(long double value) {
    if (!std::isfinite(value) || std::fabs(value) > 1.7e308L) {
        RaiseFinanceError(kFinOutOfRange);
    }
    return value;
}

} // namespace quarvex::engine::formulas
