#pragma once

#include "engine/EngineTypes.h"

namespace quarvex::engine {

// The number of payments that pays off PV at periodic rate i with payment Pmt. Level methods
// return a fractional count; callers round it. A negative amount with negative payments takes
// as many payments as its mirror image. A payment that does not exceed the first period's
// interest by half a cent (in advance: one below it) raises code 106, as does a term that is
// not a number; an infinite one raises code 115 (it exceeds any count).
class TCalcTerm {
public:
    double Term(AmortMethod method, double PV, double i, double Pmt) const;
    double TermAdvance(AmortMethod method, double PV, double i, double Pmt) const;
};

} // namespace quarvex::engine
