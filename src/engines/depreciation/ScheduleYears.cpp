#include "engines/depreciation/ScheduleYears.h"

#include "engines/depreciation/DepreciationErrors.h"
#include "framework/dates/Calendar.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quarvex::engines {

namespace {

constexpr double kNearZero = 0.00001;

} // namespace

int ScheduleYears(double recoveryPeriod) {
    const double whole = std::trunc(recoveryPeriod);
    return static_cast<int>(whole) + (recoveryPeriod > whole ? 1 : 0);
}

ServiceMonth ServiceMonthOf(std::int32_t placedInService) {
    if (!dates::IsValidDayNumber(placedInService)) {
        throw EDepreciation(kUnknownDepreciationError);
    }
    const dates::CalendarDate date = dates::DayNumberToDMY(placedInService);
    return {date.month, date.year};
}

double RoundToCents(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return std::strtod(text, nullptr);
}

void AppendRow(TDepreciationList& list, int year, double depreciation, double adjustedBasis) {
    list.push_back({std::to_string(year), depreciation, adjustedBasis});
}

void RequireUsableInputs(double bookValue, double recoveryPeriod) {
    if (!std::isfinite(bookValue) || !std::isfinite(recoveryPeriod) ||
        std::fabs(bookValue) < kNearZero || std::fabs(recoveryPeriod) < kNearZero) {
        throw EDepreciation(kTooManyZeroValues);
    }
    // A negative period has no years to spread the amount over.
    if (recoveryPeriod < 0) {
        throw EDepreciation(kUnknownDepreciationError);
    }
}

} // namespace quarvex::engines
