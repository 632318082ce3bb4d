#pragma once

#include <cstdint>

// The rates a schedule row derives from its annual accrual rate.
namespace quarvex::amortization {

// What a rate depends on besides the annual rate itself.
struct RateRule {
    std::uint8_t CompoundingCode = 0; // 0 Continuous, 1-10 a count, 11 Simple
    int PeriodsPerYear = 12;          // of the payment frequency
    int CompoundingPerYear = 12;      // of the compounding code (the payments' for 0 and 11)
    int DaysPerYear = 0;              // of the rate basis; 0 for Ordinary
    friend bool operator==(const RateRule&, const RateRule&) = default;
};

// The rate of one payment period, a decimal fraction, for an annual rate r in percent:
// (1 + r / 100c)^(c/p) - 1 when compounding c times a year, r / 100p for simple interest, and
// EulerConst^(r / 100p) - 1 for continuous compounding. Raises EFinance "out of range" when the
// rate has no finite value.
long double PeriodicAccrualRate(long double annualPercent, const RateRule& rule);

// The rate of one day, the same way with the basis' days per year in place of p; 0 under the
// Ordinary basis, which has no days.
long double DailyAccrualRate(long double annualPercent, const RateRule& rule);

// (1 + r / 100c)^(c / days) - 1: the daily rate of the odd-days interest's "Compound 360" and
// "Compound 365".
long double DailyRateOverYear(long double annualPercent, int compoundingPerYear, int daysPerYear);

// Rates change only where a row's accrual rate changes, so the engine keeps the last ones.
class AccrualRateCache {
public:
    struct Rates {
        long double Periodic = 0;
        long double Daily = 0;
    };
    const Rates& Get(long double annualPercent, const RateRule& rule);

private:
    bool valid_ = false;
    long double annualPercent_ = 0;
    RateRule rule_;
    Rates rates_;
};

} // namespace quarvex::amortization

namespace quarvex::amortization {

// The annual rate a single-precision rate field holds, as the decimal that was typed: a single
// keeps about seven digits, so 6.1 is stored as 6.0999999...; reading it back to six decimals
// gives the schedule the rate the user sees, not its binary neighbour.
long double RateOfSingle(float rate);

} // namespace quarvex::amortization
