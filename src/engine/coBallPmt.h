#pragma once

#include "engine/TCalcPmt.h"

#include <cstdint>

namespace quarvex::engine {

// The level payment of a loan that ends with a balloon FV due with payment PeriodDue.
class coBallPmt {
public:
    double PV = 0;
    float Rate = 0;
    double FV = 0; // balloon amount
    std::int16_t PeriodDue = 0;
    std::uint16_t PYR = 12;
    std::uint16_t CmpPYR = 12;
    std::uint8_t PmtMthd = 0;

    double Pmt = 0; // result; 0 when an input is not positive

    // Raises "Term can't be negative." for a balloon due before the first payment.
    void Init(double PV, float Rate, double FV, std::int16_t PeriodDue, std::uint16_t PYR,
              std::uint16_t CmpPYR, std::uint8_t PmtMthd);
    void Calculate();

private:
    TCalcPmt pmtSolver_;
};

} // namespace quarvex::engine
