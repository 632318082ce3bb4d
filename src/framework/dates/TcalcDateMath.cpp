#include "framework/dates/TcalcDateMath.h"

namespace quarvex::dates {

double TcalcDateMath::PeriodsBetween(DayNumber start, DayNumber end, int periodCode) {
    const PeriodCount count = CountPeriods(start, end, periodCode);
    TotalDays = count.totalDays;
    ExtraDays = count.extraDays;
    OddDays = count.oddDays;
    WholePeriods = count.wholePeriods;
    return count.periods;
}

} // namespace quarvex::dates
