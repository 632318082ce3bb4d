#include "amortization/ScheduleFV.h"

#include "engine/EngineTypes.h"
#include "engine/FinanceErrors.h"

#include <cmath>

namespace quarvex::amortization {
namespace {

constexpr long double kScale = 10000.0L;

std::int64_t ToFixed(long double units) {
    const long double scaled = units * kScale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2e18L) {
        throw engine::ERoundError();
    }
    return std::llrint(scaled);
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
    const long double cents = futureValue * 100.0L;
    if (!std::isfinite(cents) || std::fabs(cents) >= 9.2e16L) {
        throw engine::ERoundError();
    }
    std::int64_t rounded = std::llrint(cents);
    const long double rest = cents - static_cast<long double>(rounded);
    // A rate such as 9 % / 12 = 0.0075 puts the exact interest of one balance in 400 on a
    // half cent (10 002 x 0.0075 = 75.015). The binary rate misses the half by far less than
    // this margin, and so does the binary balance; the half then rounds away from zero, as
    // the decimal amount does.
    const long double margin = 1e-7L + std::fabs(cents) * 1e-15L;
    if (std::fabs(std::fabs(rest) - 0.5L) <= margin) {
        const long double half = static_cast<long double>(rounded) + (rest > 0 ? 0.5L : -0.5L);
        rounded = std::llrint(half > 0 ? half + 0.5L : half - 0.5L);
    }
    FutureValue = rounded * 100;
    Interest = FutureValue - Principal;
}

void ScheduleFV::CompoundFV(double principal, double i, double periods) {
    if (!Start(principal, i != 0 && std::fabs(periods) >= engine::ZeroTolerance)) {
        return;
    }
    // A whole period, the usual case: the power of 1 is the base itself, exactly.
    const long double growth =
        periods == 1.0 ? 1.0L + i : std::pow(1.0L + i, static_cast<long double>(periods));
    Finish(principal * growth);
}

void ScheduleFV::CompoundFVPeriods(double principal, double i, std::int32_t periods) {
    if (!Start(principal, i != 0 && periods > 0)) {
        return;
    }
    const long double growth =
        periods == 1 ? 1.0L + i : std::pow(1.0L + i, static_cast<long double>(periods));
    Finish(principal * growth);
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
