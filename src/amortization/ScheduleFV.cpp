#include "amortization/ScheduleFV.h"

#include "engine/EngineTypes.h"
#include "engine/FinanceErrors.h"
#include "engine/Rounding.h"

#include <cmath>

namespace quarvex::amortization {
namespace {

constexpr long double kScale = 10000.0L;

// Currency units to ten-thousandths, halves to even; ERoundError when it cannot be stored.
std::int64_t ToFixed(long double units) {
    const long double scaled = units * kScale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2e18L) {
        throw engine::ERoundError();
    }
    return std::llrint(scaled);
}

// (1 + i)^periods. The power of one is the base itself, as std::pow gives it, without the
// cost of the general power.
long double Growth(double i, long double periods) {
    const long double base = 1.0L + i;
    return periods == 1.0L ? base : std::pow(base, periods);
}

} // namespace

bool ScheduleFV::Start(double principal, bool earnsInterest) {
    Principal = ToFixed(principal);
    if (std::fabs(principal) < engine::ZeroTolerance || !earnsInterest) {
        FutureValue = Principal;
        Interest = 0;
        return false;
    }
    return true;
}

void ScheduleFV::Finish(long double futureValue) {
    const std::int64_t unrounded = ToFixed(futureValue);
    FutureValue =
        ToFixed(engine::RoundTo(engine::RoundDecimals, static_cast<double>(unrounded / kScale)));
    Interest = FutureValue - Principal;
}

void ScheduleFV::CompoundFV(double principal, double i, double periods) {
    if (!Start(principal, i != 0 && std::fabs(periods) >= engine::ZeroTolerance)) {
        return;
    }
    Finish(principal * Growth(i, static_cast<long double>(periods)));
}

void ScheduleFV::CompoundFVPeriods(double principal, double i, std::int32_t periods) {
    if (!Start(principal, i != 0 && periods > 0)) {
        return;
    }
    Finish(principal * Growth(i, static_cast<long double>(periods)));
}

void ScheduleFV::ContinuousFV(double principal, double rate, std::int32_t days,
                              std::int32_t daysInYear) {
    if (!Start(principal, rate != 0 && days != 0)) {
        return;
    }
    if (daysInYear == 0) {
        engine::RaiseFinanceError(engine::kFinOutOfRange);
    }
    const long double exponent = static_cast<long double>(rate) / daysInYear * days;
    Finish(principal * std::exp(std::log(static_cast<long double>(engine::EulerConst)) * exponent));
}

void ScheduleFV::SimpleFV(double principal, double i, double periods) {
    if (!Start(principal, i != 0 && std::fabs(periods) >= engine::ZeroTolerance)) {
        return;
    }
    Finish(principal + static_cast<long double>(principal) * i * periods);
}

} // namespace quarvex::amortization
