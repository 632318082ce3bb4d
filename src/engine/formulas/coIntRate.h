#pragma once

#include <cstdint>

namespace quarvex::engine {

// The annual rate, compounded CmpPYR times a year, that turns an amount invested into an
// amount returned over a number of compounding periods.
class coIntRate {
public:
    double AmtInv = 0;         // amount invested
    double AmtRet = 0;         // amount returned
    std::int16_t NumPmts = 0;  // number of compounding periods
    std::uint16_t CmpPYR = 12; // compounding periods per year

    long double Rate = 0; // annual, percent
    float NumYears = 0;   // NumPmts / CmpPYR

    // Stores the inputs and raises, in this order: "Term can't be zero." (107) or "Term can't be
    // negative." (113) for NumPmts, "PV or Amount can't be zero." (108) when either amount is below
    // ZeroTolerance, EOppositeSigns when the amounts differ in sign, EInternalError for a
    // zero CmpPYR.
    void Init(std::int16_t NumPmts, std::uint16_t CmpPYR, double AmtInv, double AmtRet);

    // Raises code 112 (out of range) for a rate too large to hold; the results then keep
    // their values.
    void Calculate();

private:
    void Validate() const;
};

} // namespace quarvex::engine
