#pragma once

#include "engines/depreciation/DepreciationRow.h"

#include <cstdint>

namespace quarvex::engines {

// The number of schedule years: the recovery period's whole part, plus one for any fraction.
int ScheduleYears(double recoveryPeriod);

// Month (1 to 12) and year of a day number.
struct ServiceMonth {
    int month = 1;
    int year = 0;
};
ServiceMonth ServiceMonthOf(std::int32_t placedInService);

// Rounds to the nearest cent the way a value printed with two decimals reads back.
double RoundToCents(double value);

// Appends a row labelled with `year`.
void AppendRow(TDepreciationList& list, int year, double depreciation, double adjustedBasis);

// Refuses a book value or recovery period too near zero, and a negative recovery period,
// before an engine changes anything.
void RequireUsableInputs(double bookValue, double recoveryPeriod);

} // namespace quarvex::engines
