#pragma once

#include "engine/cashflow/CashFlowLists.h"
#include "engine/cashflow/TcalcIRR.h"

#include <cstdint>
#include <span>

namespace quarvex::engine {

// The internal rate of return of the IRR calculator (Init, Calculate) and the annual percentage
// rate of a loan (InitApr, CalculateApr); the result is in IRR, in percent.
//
// Failures are not hidden: "Sorry, can't derive IRR." (EFinError) and dates out of order
// (EDateSequenceError) reach the caller with their text, and IRR keeps its value (0 after Init),
// so the calculator can show the message and keep its previous result.
class coIRR {
public:
    std::int32_t Value = 0; // kept from Init: the calculator passes its start date
    double PYR = 0;         // payments per year
    long double IRR = 0;
    std::uint8_t Dated = 0;
    double Offset = 0; // periods from the loan date to the first payment (APR)

    // The list is the caller's and must outlive Calculate.
    void Init(std::int32_t value, std::span<const TPeriodicCashFlow> Flows, double PYR);
    void Init(std::int32_t value, std::span<const TDatedCashFlow> Flows, double PYR);

    // Periodic flows: the nominal annual rate (periodic rate x 100 x PYR); dated flows: the
    // effective annual rate. Raises EInternalError for periodic flows without a positive PYR.
    void Calculate();

    void InitApr(std::span<const TOffsetCashFlow> Flows, double Offset, double PYR);

    // Tries the guesses of AprStarts in turn until one succeeds; raises EFinError "Sorry, can't
    // derive APR." when none does.
    void CalculateApr();

    // One attempt from one guess: stores AprIRR in IRR and succeeds when it lies within
    // +-100 %. Raises EInternalError without a positive PYR.
    bool TryApr(long double guess);

private:
    TcalcIRR solver_;
    std::span<const TPeriodicCashFlow> periodicFlows_;
    std::span<const TDatedCashFlow> datedFlows_;
    std::span<const TOffsetCashFlow> offsetFlows_;
};

} // namespace quarvex::engine
