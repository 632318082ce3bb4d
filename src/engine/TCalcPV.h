#pragma once

#include "engine/EngineTypes.h"

namespace quarvex::engine {

// The amount that n payments of Pmt at periodic rate i pay off; not rounded.
// A zero rate gives the limit n * Pmt.
class TCalcPV {
public:
    double PresentValue(int n, AmortMethod method, double i, double Pmt) const;
    double PresentValueAdvance(int n, AmortMethod method, double i, double Pmt) const;
};

} // namespace quarvex::engine
