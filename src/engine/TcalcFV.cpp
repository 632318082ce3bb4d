#include "engine/TcalcFV.h"

#include "engine/EngineTypes.h"
#include "engine/FinanceErrors.h"
#include "engine/Rounding.h"

#include <cmath>

namespace quarvex::engine {

namespace {

constexpr long double kScale = 10000.0L;

// Currency units to ten-thousandths, halves to even; ERoundError when it cannot be stored.
std::int64_t ToFixed(long double units) {
    const long double scaled = std::nearbyint(units * kScale);
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2e18L) {
        throw ERoundError();
    }
    return static_cast<std::int64_t>(scaled);
}

} // namespace

bool TcalcFV::Start(double principal, bool earnsInterest) {
    Principal = ToFixed(principal);
    if (std::fabs(principal) < ZeroTolerance || !earnsInterest) {
        FutureValue = Principal;
        Interest = 0;
        return false;
    }
    return true;
}

double TcalcFV::Finish(long double futureValue) {
    const std::int64_t unrounded = ToFixed(futureValue);
    FutureValue = ToFixed(RoundTo(RoundDecimals, static_cast<double>(unrounded / kScale)));
    Interest = FutureValue - Principal;
    return static_cast<double>(FutureValue / kScale);
}

double TcalcFV::CompoundFV(double principal, double i, double periods) {
    if (!Start(principal, i != 0 && std::fabs(periods) >= ZeroTolerance)) {
        return static_cast<double>(FutureValue / kScale);
    }
    return Finish(principal * std::pow(1.0L + i, static_cast<long double>(periods)));
}

double TcalcFV::CompoundFVPeriods(double principal, double i, std::int32_t periods) {
    if (!Start(principal, i != 0 && periods > 0)) {
        return static_cast<double>(FutureValue / kScale);
    }
    return Finish(principal * std::pow(1.0L + i, static_cast<long double>(periods)));
}

double TcalcFV::ContinuousFV(double principal, double rate, std::int32_t days,
                             std::int32_t daysInYear) {
    if (!Start(principal, rate != 0 && days != 0)) {
        return static_cast<double>(FutureValue / kScale);
    }
    if (daysInYear == 0) {
        RaiseFinanceError(kFinOutOfRange);
    }
    const long double exponent = static_cast<long double>(rate) / daysInYear * days;
    return Finish(principal * std::exp(std::log(static_cast<long double>(EulerConst)) * exponent));
}

double TcalcFV::SimpleFV(double principal, double i, double periods) {
    if (!Start(principal, i != 0 && std::fabs(periods) >= ZeroTolerance)) {
        return static_cast<double>(FutureValue / kScale);
    }
    return Finish(principal + static_cast<long double>(principal) * i * periods);
}

} // namespace quarvex::engine
