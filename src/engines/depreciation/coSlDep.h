#pragma once

#include "engines/depreciation/coYearsDepreciation.h"

#include <cstdint>

namespace quarvex::engines {

// Straight line: the depreciable amount in equal yearly parts, the first year prorated by the
// months in service (the month placed in service counts whole).
class coSlDep : public coYearsDepreciation {
public:
    // Raises EDepreciation for a book value or recovery period too near zero; then stores the
    // inputs and empties the list.
    void Init(double bookValue, double salvageValue, double recoveryPeriod,
              std::int16_t businessUse, std::int32_t placedInService, TDepreciationList& list);
    void Calculate();

    std::int16_t BusinessUse() const { return businessUse_; }

private:
    std::int16_t businessUse_ = 0; // reported, not used
};

} // namespace quarvex::engines
