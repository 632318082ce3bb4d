#include "engine/cashflow/TcalcIRR.h"

#include "engine/EngineTypes.h"
#include "engine/FinanceErrors.h"
#include "engine/cashflow/DiscountRoot.h"
#include "engine/cashflow/TCalcNPV.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

namespace quarvex::engine {

namespace {

// The search runs over u = ln(1 + periodic rate). The lower end is the rate -99.99 %, below
// which the rate iteration never looks; the upper end, a rate of about 10^20 per period, is far
// beyond anything a cash flow of money can give.
const double kLowestU = std::log(1.0 - 0.9999);
constexpr double kHighestU = 46.0;

// The starting point of the search: a zero guess means IrrStart, and a guess at or below the
// lowest rate starts from that rate.
double StartU(long double guess, long double floor, long double unit) {
    long double rate = guess == 0 ? IrrStart : guess;
    if (rate <= floor) {
        rate = floor + 0.0001L * unit;
    }
    return std::log1p(static_cast<double>(rate / unit));
}

std::optional<long double> PeriodicRateOf(const cashflow::DiscountRoot& root, double startU) {
    const std::optional<double> u = root.Solve(startU, kLowestU, kHighestU);
    if (!u) {
        return std::nullopt;
    }
    return static_cast<long double>(std::expm1(*u));
}

long double FiniteOr(long double value, long double fallback) {
    return std::isfinite(value) ? value : fallback;
}

} // namespace

long double TcalcIRR::IRR(std::span<const TPeriodicCashFlow> list, double PYR,
                          long double guess) const {
    std::vector<double> ticks(list.size());
    std::vector<double> amounts(list.size());
    for (std::size_t k = 0; k < list.size(); ++k) {
        ticks[k] = static_cast<double>(k);
        amounts[k] = list[k].Amount;
    }
    const cashflow::DiscountRoot root(ticks, amounts, 1.0);
    const std::optional<long double> x = PeriodicRateOf(root, StartU(guess, -1.0L, 1.0L));
    if (!x) {
        throw EFinError::CantDeriveIrr();
    }
    const long double result = *x * 100.0L * PYR;
    if (!std::isfinite(result)) {
        throw EFinError::CantDeriveIrr();
    }
    return result;
}

long double TcalcIRR::DatedIRR(std::span<const TDatedCashFlow> list, double /*PYR*/,
                               long double guess) const {
    if (list.empty()) {
        throw EFinError::CantDeriveIrr();
    }
    const dates::DayNumber first = list[0].Date;
    std::vector<double> ticks(list.size());
    std::vector<double> amounts(list.size());
    for (std::size_t k = 0; k < list.size(); ++k) {
        const std::int64_t days = static_cast<std::int64_t>(list[k].Date) - first;
        if (days < 0) {
            throw EDateSequenceError();
        }
        ticks[k] = static_cast<double>(days);
        amounts[k] = static_cast<double>(list[k].Amount);
    }
    const cashflow::DiscountRoot root(ticks, amounts, static_cast<double>(kYearsPerDay));
    // Dated rates are in percent: the guess, its floor and the result alike.
    const std::optional<long double> x = PeriodicRateOf(root, StartU(guess, -100.0L, 100.0L));
    if (!x) {
        throw EFinError::CantDeriveIrr();
    }
    const long double result = *x * 100.0L;
    if (!std::isfinite(result)) {
        throw EFinError::CantDeriveIrr();
    }
    return result;
}

long double TcalcIRR::AprIRR(std::span<const TOffsetCashFlow> list, double offset, double PYR,
                             long double guess) const {
    if (!std::isfinite(offset)) {
        return kAprFailed;
    }
    std::vector<double> ticks(list.size());
    std::vector<double> amounts(list.size());
    for (std::size_t k = 0; k < list.size(); ++k) {
        ticks[k] = k == 0 ? 0.0 : offset + static_cast<double>(k - 1);
        amounts[k] = list[k].Amount;
    }
    const cashflow::DiscountRoot root(ticks, amounts, 1.0);
    const std::optional<long double> x = PeriodicRateOf(root, StartU(guess, -1.0L, 1.0L));
    if (!x) {
        return kAprFailed;
    }
    return FiniteOr(*x * PYR * 100.0L, kAprFailed);
}

} // namespace quarvex::engine
