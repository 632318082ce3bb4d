#include "engines/depreciation/coYearsDepreciation.h"

#include "engines/depreciation/ScheduleYears.h"

namespace quarvex::engines {

void coYearsDepreciation::Begin(double bookValue, double salvageValue, double recoveryPeriod,
                                std::int32_t placedInService, TDepreciationList& list) {
    RequireUsableInputs(bookValue, recoveryPeriod);
    ServiceMonthOf(placedInService);
    bookValue_ = bookValue;
    salvageValue_ = salvageValue;
    recoveryPeriod_ = recoveryPeriod;
    placedInService_ = placedInService;
    list_ = &list;
    list.clear();
}

} // namespace quarvex::engines
