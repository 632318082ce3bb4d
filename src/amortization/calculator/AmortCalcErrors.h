#pragma once

#include "platform/Exception.h"

namespace quarvex::amortization {

// An adjustment, recalculation or APR asked for while the calculator holds no schedule.
class ENotCalculated : public Exception {
public:
    ENotCalculated() : Exception("Loan is not calculated.") {}
};

} // namespace quarvex::amortization
