#pragma once

#include "engine/cashflow/CashFlowLists.h"

#include <span>

namespace quarvex::engine {

// Internal rates of return of cash-flow lists: the rate at which the list's present value (as
// TCalcNPV computes it) is zero.
//
// A list has a rate only when its flows, in time order, change sign exactly once (an outlay
// followed by returns, or the reverse): the rate is then unique and is found whatever the guess.
// A list whose flows never change sign has no rate, and one whose sign changes more than once
// can have several; for both, as for a rate below -99.99 % a period or beyond any sensible
// size, IRR and DatedIRR raise EFinError "Sorry, can't derive IRR." and AprIRR returns 101.
// Every search is capped; none returns a non-number.
class TcalcIRR {
public:
    // Periodic flows (flow k after k periods): the nominal annual rate in percent, the periodic
    // rate x 100 x PYR. guess is a periodic rate (decimal); 0 means 0.1.
    long double IRR(std::span<const TPeriodicCashFlow> list, double PYR, long double guess) const;

    // Dated flows (days since record 0, 365 to the year): the effective annual rate in percent.
    // guess is in percent; 0 means 0.1 %. PYR is accepted and not used. A flow dated before
    // record 0 raises EDateSequenceError "Ending date is earlier than starting date.".
    long double DatedIRR(std::span<const TDatedCashFlow> list, double PYR, long double guess) const;

    // Flows of a loan whose first payment lies `offset` periods after record 0 and each further
    // one a period later: the annual rate in percent (periodic rate x PYR x 100), or 101 when no
    // rate can be derived.
    long double AprIRR(std::span<const TOffsetCashFlow> list, double offset, double PYR,
                       long double guess) const;
};

// The value AprIRR returns when it cannot derive a rate: above every rate it accepts.
inline constexpr long double kAprFailed = 101;

} // namespace quarvex::engine
