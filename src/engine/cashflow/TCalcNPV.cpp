#include "engine/cashflow/TCalcNPV.h"

#include "engine/FinanceErrors.h"

#include <cmath>
#include <cstdint>

namespace quarvex::engine {

namespace {

long double RequireFinite(long double value) {
    if (!std::isfinite(value)) {
        RaiseFinanceError(kFinOutOfRange);
    }
    return value;
}

// 1 + x must stay positive for a flow to be discounted at x.
long double GrowthFactor(long double x) {
    const long double base = 1.0L + x;
    if (!(base > 0) || !std::isfinite(base)) {
        RaiseFinanceError(kFinOutOfRange);
    }
    return base;
}

} // namespace

long double TCalcNPV::NPV(std::span<const TPeriodicCashFlow> list, int timing,
                          long double x) const {
    if (list.empty()) {
        return 0;
    }
    const long double v = 1.0L / GrowthFactor(x);
    long double sum = 0;
    for (std::size_t k = list.size() - 1; k >= 1; --k) {
        sum = sum * v + list[k].Amount;
    }
    // Flows at period starts are discounted one period less.
    const long double lead = timing == 0 ? v : 1.0L;
    return RequireFinite(sum * lead + list[0].Amount);
}

long double TCalcNPV::DatedNPV(std::span<const TDatedCashFlow> list, long double r) const {
    if (list.empty()) {
        return 0;
    }
    const dates::DayNumber first = list[0].Date;
    for (const TDatedCashFlow& flow : list) {
        if (static_cast<std::int64_t>(flow.Date) - first < 0) {
            throw EDateSequenceError();
        }
    }
    const long double base = GrowthFactor(0.01L * r);
    long double sum = 0;
    for (const TDatedCashFlow& flow : list) {
        const long double days = static_cast<long double>(flow.Date) - first;
        sum += flow.Amount / power_.Power(base, days * kYearsPerDay);
    }
    return RequireFinite(sum);
}

long double TCalcNPV::OffsetNPV(std::span<const TOffsetCashFlow> list, long double x,
                                long double offset) const {
    if (list.empty()) {
        return 0;
    }
    const long double base = GrowthFactor(x);
    long double sum = list[0].Amount;
    for (std::size_t k = 0; k + 1 < list.size(); ++k) {
        sum += list[k + 1].Amount / power_.Power(base, static_cast<long double>(k) + offset);
    }
    return RequireFinite(sum);
}

} // namespace quarvex::engine
