#pragma once

#include "engine/TCalcPmt.h"
#include "platform/Messages.h"

#include <cstdint>

namespace quarvex::engine {

// The payments of a purchase financed by a monthly first mortgage and an interest-only second
// mortgage that covers what cash and the first mortgage leave open.
class coSecMor {
public:
    explicit coSecMor(Messages& messages) : messages_(messages) {}

    double PP = 0;       // purchase price
    double CA = 0;       // cash available
    double FM = 0;       // first mortgage amount
    std::int16_t FT = 0; // first term, months
    double FIR = 0;      // first interest rate, percent
    double SIR = 0;      // second interest rate, percent

    double FP = 0; // first payment
    double SP = 0; // second payment
    double BP = 0; // both payments
    double SM = 0; // second mortgage amount

    // Raises "Term can't be negative." for a first term below zero, then "Too many unknown
    // values." when any input is zero.
    void Init(double PP, double CA, double FM, std::int16_t FT, double FIR, double SIR);
    // Explains in two message boxes when no second mortgage is needed. A figure too large to
    // hold raises code 112 (out of range) before any message or result.
    void Calculate();

private:
    Messages& messages_;
    TCalcPmt pmtSolver_;
};

} // namespace quarvex::engine
