#pragma once

#include "platform/Exception.h"

namespace quarvex::amortization {

// An adjustment, recalculation or APR asked for while the calculator holds no schedule.
class ENotCalculated : public Exception {
public:
    ENotCalculated() : Exception("Loan is not calculated.") {}
};

// An amount, rate or points below zero: no loan lends, charges or costs less than nothing.
class ENegativeLoanInput : public Exception {
public:
    using Exception::Exception;
};

} // namespace quarvex::amortization
