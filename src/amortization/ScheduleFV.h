#pragma once

#include <cstdint>

namespace quarvex::amortization {

// The future-value arithmetic of the schedules, step for step that of engine::TcalcFV: the
// principal is kept in ten-thousandths of a currency unit, the grown amount is rounded to
// ten-thousandths and then to the cent (RoundTo), and the interest is the rounded future
// value less the principal, so that every interest amount on a balance of whole cents is a
// whole number of cents and a schedule accrues exactly as every other time-value computation
// of the program does.
//
// The results are TcalcFV's, bit for bit (the tests hold the two against each other); only
// the machine steps differ: each rounding to an integer goes through llrint, which rounds
// halves to even in the default rounding mode just as nearbyint does, but without saving and
// restoring the floating-point environment. nearbyint on extended precision costs about ten
// times as much, and a schedule rounds three times per period.
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
