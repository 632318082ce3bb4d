#pragma once

#include "engine/EngineTypes.h"

namespace quarvex::engine {

// The number of payments that pays off PV at periodic rate i with payment Pmt. Level methods
// return a fractional count; callers round it. A payment that does not exceed the first
// period's interest raises code 106, as does a term that is infinite or not a number.
class TCalcTerm {
public:
    double Term(AmortMethod method, double PV, double i, double Pmt) const;
    double TermAdvance(AmortMethod method, double PV, double i, double Pmt) const;
};

} // namespace quarvex::engine
