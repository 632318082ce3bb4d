#pragma once

#include "engines/depreciation/coYearsDepreciation.h"

#include <cstdint>

namespace quarvex::engines {

// Sum of the years' digits: year i of N takes (N + 1 - i) / (N (N + 1) / 2) of the depreciable
// amount; the schedule ends at the salvage value.
class coSumofYears : public coYearsDepreciation {
public:
    // Raises EDepreciation for a book value or recovery period too near zero; then stores the
    // inputs and empties the list.
    void Init(double bookValue, double salvageValue, double recoveryPeriod,
              std::int32_t placedInService, TDepreciationList& list);
    void Calculate();
};

} // namespace quarvex::engines
