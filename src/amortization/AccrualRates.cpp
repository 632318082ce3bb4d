#include "amortization/AccrualRates.h"

#include "amortization/AmortCodes.h"
#include "engine/FinanceErrors.h"
#include "engine/RateConversion.h"

#include <cmath>

namespace quarvex::amortization {
namespace {

long double Finite(long double rate) {
    if (!std::isfinite(rate)) {
        engine::RaiseFinanceError(engine::kFinOutOfRange);
    }
    return rate;
}

// EulerConst^(r / 100 / periods) - 1, the power taken through the logarithm of the constant.
long double ContinuousRate(long double annualPercent, int periods) {
    static const long double logBase = std::log(static_cast<long double>(engine::EulerConst));
    return std::expm1(logBase * annualPercent / 100.0L / periods);
}

long double RateOver(long double annualPercent, const RateRule& rule, int periods) {
    if (periods <= 0) {
        return 0;
    }
    if (rule.CompoundingCode == kSimpleCode) {
        return Finite(annualPercent / (100.0L * periods));
    }
    if (rule.CompoundingCode == kContinuousCode) {
        return Finite(ContinuousRate(annualPercent, periods));
    }
    return Finite(
        engine::PeriodicRate(periods, rule.CompoundingPerYear, static_cast<double>(annualPercent)));
}

} // namespace

long double PeriodicAccrualRate(long double annualPercent, const RateRule& rule) {
    return RateOver(annualPercent, rule, rule.PeriodsPerYear);
}

long double DailyAccrualRate(long double annualPercent, const RateRule& rule) {
    return RateOver(annualPercent, rule, rule.DaysPerYear);
}

long double DailyRateOverYear(long double annualPercent, int compoundingPerYear, int daysPerYear) {
    return Finite(
        engine::PeriodicRate(daysPerYear, compoundingPerYear, static_cast<double>(annualPercent)));
}

const AccrualRateCache::Rates& AccrualRateCache::Get(long double annualPercent,
                                                     const RateRule& rule) {
    if (!valid_ || annualPercent != annualPercent_ || !(rule == rule_)) {
        rates_.Periodic = PeriodicAccrualRate(annualPercent, rule);
        rates_.Daily = DailyAccrualRate(annualPercent, rule);
        annualPercent_ = annualPercent;
        rule_ = rule;
        valid_ = true;
    }
    return rates_;
}

} // namespace quarvex::amortization

#include "engine/Rounding.h"

namespace quarvex::amortization {

long double RateOfSingle(float rate) {
    if (!std::isfinite(rate)) {
        engine::RaiseFinanceError(engine::kFinOutOfRange);
    }
    return engine::RoundTo(6, static_cast<double>(rate));
}

} // namespace quarvex::amortization
