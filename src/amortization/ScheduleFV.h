#pragma once

#include "engine/TcalcFV.h"

#include <cstdint>

namespace quarvex::amortization {

// The future-value arithmetic of the schedules: engine::TcalcFV itself. The principal is kept
// in ten-thousandths of a currency unit, the grown amount is rounded to ten-thousandths and
// then to the cent, and the interest is the rounded future value less the principal, so that
// every interest amount on a balance of whole cents is a whole number of cents and every
// schedule accrues exactly as the other time-value computations of the program do.
//
// The schedules read the interest of a step, not its future value; this class keeps the
// three fixed-point fields of the last step for them and adds the interest in currency units.
class ScheduleFV {
public:
    std::int64_t Principal = 0;
    std::int64_t FutureValue = 0;
    std::int64_t Interest = 0;

    // Each sets the three fields.
    void CompoundFV(double principal, double i, double periods);
    void CompoundFVPeriods(double principal, double i, std::int32_t periods);
    void ContinuousFV(double principal, double rate, std::int32_t days, std::int32_t daysInYear);
    void SimpleFV(double principal, double i, double periods);

    // Interest in currency units.
    double InterestAmount() const { return static_cast<double>(Interest) / 10000.0; }

private:
    void Take();

    engine::TcalcFV fv_;
};

} // namespace quarvex::amortization
