#pragma once

#include <cstdint>

namespace quarvex::engine {

// Nominal and effective annual rates at one compounding, and the rates equivalent to them at
// other compoundings. Whichever of the two input rates is zero is solved from the other.
class coEquRate {
public:
    long double NominalRate = 0;   // percent, compounded CmpPYR times a year
    long double EffectiveRate = 0; // percent, compounded once a year
    std::int32_t CmpPYR = 12;      // compounding periods per year; 365 or more: daily
    std::int32_t DaysInYear = 360; // 360 or 365

    long double ThisDailyRate = 0;    // daily rate equivalent to the nominal rate, percent
    long double ThisPeriodicRate = 0; // nominal rate / compounding count, percent
    long double Annual = 0;           // effective rates, percent, at these compoundings
    long double SemiAnnual = 0;
    long double Monthly = 0;
    long double Daily = 0;

    // Stores the inputs; raises EInternalError for a CmpPYR or DaysInYear of zero or less.
    void Init(std::int32_t CmpPYR, std::int32_t DaysInYear, long double NominalRate,
              long double EffectiveRate);

    // Solves the nominal rate when it is below 0.001 and the effective rate is above 0.1 in
    // absolute value; otherwise, when the nominal rate is above 0.1, solves (overwrites) the
    // effective rate; otherwise raises ETooManyUnknowns. A rate of -100 % or less per period,
    // or a result too large to hold, raises code 112 (out of range); nothing is changed then.
    void Calculate();

private:
    void Validate() const;
};

} // namespace quarvex::engine
