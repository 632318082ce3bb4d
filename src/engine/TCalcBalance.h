#pragma once

#include "engine/EngineTypes.h"

#include <cstdint>

namespace quarvex::engine {

// Steps a loan's balance through periods FromPeriod..ToPeriod of n, adding each period's
// interest (rounded to cents) to Interest. The balance becomes 0 once it is paid off or the
// last period is reached.
class TCalcBalance {
public:
    double Balance(double& Bal, double& Interest, double PV, double Pmt, double i,
                   std::int32_t FromPeriod, std::int32_t ToPeriod, std::int32_t n,
                   AmortMethod method) const;
};

} // namespace quarvex::engine
