#include "engines/depreciation/coSlDep.h"

#include "engines/depreciation/ScheduleYears.h"

namespace quarvex::engines {

void coSlDep::Init(double bookValue, double salvageValue, double recoveryPeriod,
                   std::int16_t businessUse, std::int32_t placedInService,
                   TDepreciationList& list) {
    Begin(bookValue, salvageValue, recoveryPeriod, placedInService, list);
    businessUse_ = businessUse;
}

void coSlDep::Calculate() {
    const int years = ScheduleYears(recoveryPeriod_);
    const auto [month, firstYear] = ServiceMonthOf(placedInService_);
    const double annual = (bookValue_ - salvageValue_) / years;
    double basis = bookValue_;
    for (int i = 1; i <= years; ++i) {
        const double depreciation = i == 1 ? (13 - month) * (1.0 / 12) * annual : annual;
        basis -= depreciation;
        AppendRow(*list_, firstYear + i - 1, depreciation, basis);
    }
    if (month != 1) {
        AppendRow(*list_, firstYear + years, basis - salvageValue_, salvageValue_);
    }
}

} // namespace quarvex::engines
