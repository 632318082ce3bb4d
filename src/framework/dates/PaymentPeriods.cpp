#include "framework/dates/PaymentPeriods.h"

namespace quarvex::dates {

int DaysPerPeriod(int periodCode) {
    constexpr int kDays[] = {1, 7, 14, 15, 28, 30, 60, 90, 180, 360};
    return periodCode >= kDaily && periodCode <= kAnnually ? kDays[periodCode - 1] : 0;
}

int MonthsPerPeriod(int periodCode) {
    constexpr int kMonths[] = {1, 2, 3, 6, 12};
    return periodCode >= kMonthly && periodCode <= kAnnually ? kMonths[periodCode - kMonthly] : 0;
}

} // namespace quarvex::dates
