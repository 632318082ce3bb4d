#pragma once

#include <cstdint>

namespace quarvex::engine {

// The present value of an amount due after a number of compounding periods.
class coPreValAmt {
public:
    double FV = 0;
    std::int16_t NumPmts = 0;  // number of compounding periods
    std::uint16_t CmpPYR = 12; // compounding periods per year
    long double Rate = 0;      // annual, percent

    double PVA = 0;     // present value
    float NumYears = 0; // NumPmts / CmpPYR

    // Stores the inputs. Raises "Term can't be zero." (107) or "Term can't be negative."
    // (113) for NumPmts, and EInternalError for a zero CmpPYR.
    void Init(double FV, std::int16_t NumPmts, std::uint16_t CmpPYR, long double Rate);

    // A zero rate gives PVA = FV. A rate of -100 % or less per period, or a present value too
    // large to hold, raises code 112 (out of range); the results then keep their values.
    void Calculate();

private:
    void Validate() const;
};

} // namespace quarvex::engine
