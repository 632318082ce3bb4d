#pragma once

#include <cstdint>

namespace quarvex::amortization {

// The future-value arithmetic of the schedules: the principal is kept in ten-thousandths of a
// currency unit, the grown amount is rounded to the cent, and the interest is the rounded
// future value less the principal, so that every interest amount on a balance of whole cents
// is a whole number of cents.
//
// engine::TcalcFV rounds the grown amount to ten-thousandths first and then to cents. That
// double rounding puts an amount such as 149 905.58504956 on 149 905.5850, a half cent, which
// the binary value of the double then sends either way: about one period in two hundred got
// an interest a cent away from the amount rounded once. Here the grown amount is rounded to
// the cent once, halves away from zero, as the decimal amount would be (and as a spreadsheet
// and the remaining-balance solver round interest); everywhere else the results are those of
// TcalcFV. It also rounds with llrint instead of
// nearbyint on extended precision, which saved and restored the floating-point environment
// on every call and dominated the time of a schedule.
class ScheduleFV {
public:
    std::int64_t Principal = 0;
    std::int64_t FutureValue = 0;
    std::int64_t Interest = 0;

    // Each sets the three fields (the schedules read the interest, not the future value).
    void CompoundFV(double principal, double i, double periods);
    void CompoundFVPeriods(double principal, double i, std::int32_t periods);
    void ContinuousFV(double principal, double rate, std::int32_t days, std::int32_t daysInYear);
    void SimpleFV(double principal, double i, double periods);

    // Interest in currency units.
    double InterestAmount() const { return static_cast<double>(Interest) / 10000.0; }

private:
    bool Start(double principal, bool earnsInterest);
    void Finish(long double futureValue);
};

} // namespace quarvex::amortization
