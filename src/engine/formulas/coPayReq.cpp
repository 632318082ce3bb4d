#include "engine/formulas/coPayReq.h"

#include "engine/RateConversion.h"
#include "engine/formulas/FormulaGuards.h"

#include <cmath>
#include <numbers>

namespace quarvex::engine {

void coPayReq::Init(double fv, std::int16_t numPmts, long double rate, std::uint16_t pyr,
                    std::uint16_t cmpPyr) {
    FV = fv;
    NumPmts = numPmts;
    Rate = rate;
    PYR = pyr;
    CmpPYR = cmpPyr;
    Validate();
}

void coPayReq::Validate() const {
    RequireTermCount(NumPmts);
    formulas::RequirePaymentCount(PYR);
    formulas::RequireCompoundingCount(CmpPYR);
}

void coPayReq::Calculate() {
    Validate();
    using formulas::Finite;
    const long double n = NumPmts;

    long double pmt = 0;
    long double yearsToDouble = 0; // money that earns nothing, or loses, never doubles
    if (formulas::IsZeroRate(Rate)) {
        pmt = FV / n;
    } else {
        const double rate = static_cast<double>(Rate);
        const long double i = static_cast<double>(PeriodicRate(PYR, CmpPYR, rate));
        // (1 + i)^n - 1 through expm1 and log1p: the same value, without the cancellation
        // that a rate just above the zero tolerance would suffer.
        formulas::RequireGrowth(1.0L + i);
        const long double growth = std::expm1(n * std::log1p(i));
        pmt = growth == 0 ? FV / n : FV * i / growth;
        if (Rate > 0) {
            yearsToDouble =
                std::numbers::ln2_v<long double> / (CmpPYR * std::log1p(0.01L * Rate / CmpPYR));
        }
    }

    const double newPmt = static_cast<double>(Finite(pmt));
    const long double principal = n * newPmt; // total of the deposits as stored
    const double newPrincipal = static_cast<double>(Finite(principal));
    const double newGain = static_cast<double>(Finite(FV - principal));
    const float newTimeToDouble = static_cast<float>(Finite(yearsToDouble));

    Pmt = newPmt;
    Principal = newPrincipal;
    Gain = newGain;
    NumYears = static_cast<float>(n / PYR);
    TimeToDouble = newTimeToDouble;
}

} // namespace quarvex::engine
