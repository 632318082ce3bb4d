#pragma once

#include "engines/depreciation/coYearsDepreciation.h"

#include <cstdint>

namespace quarvex::engines {

// Declining balance at an accelerated rate, switching to straight line over the years left
// once that takes at least as much; never below the salvage value.
class coDecBal : public coYearsDepreciation {
public:
    // Raises EDepreciation for a book value or recovery period too near zero; then stores the
    // inputs and empties the list.
    void Init(double bookValue, double salvageValue, double recoveryPeriod,
              std::int16_t accelerationPercent, std::int32_t placedInService,
              TDepreciationList& list);
    void Calculate();

private:
    std::int16_t accelerationPercent_ = 0;
};

} // namespace quarvex::engines
