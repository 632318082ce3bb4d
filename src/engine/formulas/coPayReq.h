#pragma once

#include <cstdint>

namespace quarvex::engine {

// The level deposit, made at the end of every payment period, that grows to a target amount.
class coPayReq {
public:
    double FV = 0;             // target amount
    std::int16_t NumPmts = 0;  // number of deposits
    long double Rate = 0;      // annual, percent
    std::uint16_t PYR = 12;    // deposits per year
    std::uint16_t CmpPYR = 12; // compounding periods per year

    double Pmt = 0;         // the deposit, not rounded
    double Principal = 0;   // total invested: NumPmts deposits
    double Gain = 0;        // FV - Principal
    float NumYears = 0;     // NumPmts / PYR
    float TimeToDouble = 0; // years in which money doubles at Rate; 0: it never does

    // Stores the inputs. Raises "Term can't be zero." (107) or "Term can't be negative."
    // (113) for NumPmts, and EInternalError for a zero PYR or CmpPYR.
    void Init(double FV, std::int16_t NumPmts, long double Rate, std::uint16_t PYR,
              std::uint16_t CmpPYR);

    // A zero rate needs FV / NumPmts per deposit. A rate of -100 % or less per period raises
    // code 112 (out of range), as does any result too large to hold. On an error the results
    // keep their previous values.
    void Calculate();

private:
    void Validate() const;
};

} // namespace quarvex::engine
