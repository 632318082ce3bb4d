#pragma once

#include "engine/EngineTypes.h"

namespace quarvex::engine {

// The periodic payment of a loan of PV over n payments at periodic rate i (a decimal fraction),
// rounded to cents. A zero rate gives the limit PV / n. A count of none or fewer is refused
// ("Term can't be zero.", "Term can't be negative.") wherever the method divides by it.
class TCalcPmt {
public:
    double Payment(double PV, int n, double i) const;
    double PaymentAdvance(double PV, int n, double i) const;
    double PaymentByMethod(AmortMethod method, double PV, int n, double i) const;
    double PaymentByMethodAdvance(AmortMethod method, double PV, int n, double i) const;
};

} // namespace quarvex::engine
