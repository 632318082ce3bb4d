#pragma once

#include "engines/depreciation/DepreciationRow.h"

#include <cstdint>

namespace quarvex::engines {

// What the straight-line, sum-of-the-years and declining-balance engines share: an asset's
// book and salvage values written off over whole years from the year it was placed in service.
class coYearsDepreciation : public TCalcDepreciation {
protected:
    // Raises EDepreciation for a book value or recovery period too near zero, or a day outside
    // the calendar; then stores the inputs and empties the list.
    void Begin(double bookValue, double salvageValue, double recoveryPeriod,
               std::int32_t placedInService, TDepreciationList& list);

    double bookValue_ = 0;
    double salvageValue_ = 0;
    double recoveryPeriod_ = 0;
    std::int32_t placedInService_ = 0;
    TDepreciationList* list_ = nullptr;
};

} // namespace quarvex::engines
