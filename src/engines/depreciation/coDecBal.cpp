#include "engines/depreciation/coDecBal.h"

#include "engines/depreciation/ScheduleYears.h"

#include <algorithm>

namespace quarvex::engines {

void coDecBal::Init(double bookValue, double salvageValue, double recoveryPeriod,
                    std::int16_t accelerationPercent, std::int32_t placedInService,
                    TDepreciationList& list) {
    Begin(bookValue, salvageValue, recoveryPeriod, placedInService, list);
    accelerationPercent_ = accelerationPercent;
}

void coDecBal::Calculate() {
    const int years = ScheduleYears(recoveryPeriod_);
    const int firstYear = ServiceMonthOf(placedInService_).year;
    const double rate = (1.0 / years) * accelerationPercent_ * 0.01;
    double remaining = bookValue_ - salvageValue_;
    double basis = bookValue_;
    for (int i = 1; i <= years; ++i) {
        const double declining = rate * remaining;
        const double straightLine = remaining / (years - i + 1);
        const double chosen = straightLine >= declining ? straightLine : declining;
        // A rate above 100 % a year would otherwise take the asset below its salvage value.
        const double depreciation = remaining > 0 ? std::min(chosen, remaining) : chosen;
        remaining -= depreciation;
        basis -= depreciation;
        AppendRow(*list_, firstYear + i - 1, depreciation, basis);
    }
}

} // namespace quarvex::engines
