#pragma once

#include "engine/TcalcPower.h"
#include "engine/cashflow/CashFlowLists.h"

#include <span>

namespace quarvex::engine {

// Present values of cash-flow lists. An empty list is worth 0. A rate at which the flows cannot
// be discounted (a periodic rate of -100 % or below) or a value too large to hold raises
// EFinance "The result is out of range..." rather than returning a non-number.
class TCalcNPV {
public:
    // amount(0) + the later flows discounted by whole periods at the periodic rate x (a decimal
    // fraction), by Horner's scheme. Timing 0: flow k is discounted k periods (flows at period
    // ends); any other timing: k - 1 periods (flows at period starts).
    long double NPV(std::span<const TPeriodicCashFlow> list, int timing, long double x) const;

    // Every flow discounted by the days since the date of record 0 at the annual rate r (percent),
    // each year counting 365 days. A flow dated before record 0 raises EDateSequenceError.
    long double DatedNPV(std::span<const TDatedCashFlow> list, long double r) const;

    // amount(0) + sum over k = 0 .. n-2 of amount(k+1) / (1 + x)^(k + offset): the first later
    // flow lies `offset` periods after record 0 and each further one a whole period later.
    long double OffsetNPV(std::span<const TOffsetCashFlow> list, long double x,
                          long double offset) const;

private:
    TcalcPower power_;
};

// The days from d0 to date as the fraction of a 365-day year that the dated values discount by.
inline constexpr long double kYearsPerDay = 0.0027397260273972603L;

} // namespace quarvex::engine
