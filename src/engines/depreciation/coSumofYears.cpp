#include "engines/depreciation/coSumofYears.h"

#include "engines/depreciation/ScheduleYears.h"

namespace quarvex::engines {

void coSumofYears::Init(double bookValue, double salvageValue, double recoveryPeriod,
                        std::int32_t placedInService, TDepreciationList& list) {
    Begin(bookValue, salvageValue, recoveryPeriod, placedInService, list);
}

void coSumofYears::Calculate() {
    const int years = ScheduleYears(recoveryPeriod_);
    const auto [month, firstYear] = ServiceMonthOf(placedInService_);
    const double depreciable = bookValue_ - salvageValue_;
    const double digitSum = years * (years + 1) * 0.5;
    double basis = bookValue_;
    for (int i = 1; i <= years; ++i) {
        // Each year's fraction applies to the whole depreciable amount; the last year takes
        // exactly what is left, so rounding never leaves the schedule short of the salvage.
        const double depreciation =
            i == years ? basis - salvageValue_ : (years + 1 - i) * depreciable / digitSum;
        basis = i == years ? salvageValue_ : basis - depreciation;
        AppendRow(*list_, firstYear + i - 1, depreciation, basis);
    }
    if (month != 1) {
        AppendRow(*list_, firstYear + years, basis - salvageValue_, salvageValue_);
    }
}

} // namespace quarvex::engines
