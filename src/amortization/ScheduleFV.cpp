#include "amortization/ScheduleFV.h"

namespace quarvex::amortization {

void ScheduleFV::Take() {
    Principal = fv_.Principal;
    FutureValue = fv_.FutureValue;
    Interest = fv_.Interest;
}

void ScheduleFV::CompoundFV(double principal, double i, double periods) {
    fv_.CompoundFV(principal, i, periods);
    Take();
}

void ScheduleFV::CompoundFVPeriods(double principal, double i, std::int32_t periods) {
    fv_.CompoundFVPeriods(principal, i, periods);
    Take();
}

void ScheduleFV::ContinuousFV(double principal, double rate, std::int32_t days,
                              std::int32_t daysInYear) {
    fv_.ContinuousFV(principal, rate, days, daysInYear);
    Take();
}

void ScheduleFV::SimpleFV(double principal, double i, double periods) {
    fv_.SimpleFV(principal, i, periods);
    Take();
}

} // namespace quarvex::amortization
