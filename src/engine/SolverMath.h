#pragma once

#include "engine/EngineTypes.h"
#include "engine/FinanceErrors.h"

#include <cmath>

// Small pieces the time-value solvers share.
namespace quarvex::engine::solver {

// base ^ exponent computed as exp(exponent * ln(base)), as every solver of the engine does.
inline long double PowerByLogs(long double base, long double exponent) {
    return std::exp(exponent * std::log(base));
}

// Raises EInvalidAmort for a method code past the table.
inline void RequireKnownMethod(AmortMethod method) {
    if (static_cast<std::uint8_t>(method) > static_cast<std::uint8_t>(AmortMethod::RuleOf78s)) {
        throw EInvalidAmort();
    }
}

// Methods 0, 1 and 5 share the level-payment formulas.
inline bool IsLevelPayment(AmortMethod method) {
    return method == AmortMethod::Normal || method == AmortMethod::Canadian ||
           method == AmortMethod::RuleOf78s;
}

// Present value of `count` payments of 1 in arrears at periodic rate i:
// (1 + i)^-1 + ... + (1 + i)^-count, with its limit `count` at a zero rate.
inline long double AnnuityFactor(long double i, long double count) {
    if (i == 0) {
        return count;
    }
    return (1.0L - PowerByLogs(1.0L + i, -count)) / i;
}

// No solver hands a non-number or an infinity to its caller.
inline double RequireFinite(long double value, int financeErrorCode) {
    if (!std::isfinite(value) || std::fabs(value) > 1.7e308L) {
        RaiseFinanceError(financeErrorCode);
    }
    return static_cast<double>(value);
}

} // namespace quarvex::engine::solver
