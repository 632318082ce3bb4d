#include "framework/dates/PaymentDates.h"

#include "framework/dates/DateArithmetic.h"
#include "framework/dates/MonthHelpers.h"
#include "framework/dates/PaymentPeriods.h"
#include "framework/dates/TwiceMonthly.h"
#include "framework/dates/Weekend.h"

namespace quarvex::dates {
namespace {

DayNumber StepOnePeriod(StepDirection direction, int periodCode, DayNumber date, int weekendCode,
                        int twiceMonthlyCode) {
    if (!IsValidDayNumber(date)) {
        return kNoDate;
    }
    const int sign = direction == StepDirection::Forward ? 1 : -1;
    switch (periodCode) {
    case kWeekly:
    case kBiWeekly:
    case kEvery4Weeks:
        return AddToDate(date, sign * DaysPerPeriod(periodCode), 0, 0);
    case kTwiceMonthly:
        return TwiceMonthlyStep(direction, date, twiceMonthlyCode, weekendCode);
    case kMonthly:
    case kBiMonthly:
    case kQuarterly:
    case kSemiannually:
    case kAnnually:
        return AddToDate(date, 0, sign * MonthsPerPeriod(periodCode), 0);
    default:
        return AddToDate(date, sign, 0, 0);
    }
}

DayNumber StepAndAdjust(StepDirection direction, int periodCode, DayNumber date, int weekendCode,
                        int twiceMonthlyCode) {
    const DayNumber stepped =
        StepOnePeriod(direction, periodCode, date, weekendCode, twiceMonthlyCode);
    return periodCode == kDaily ? stepped : AdjustForWeekend(stepped, weekendCode);
}

// The month end a date stands for when the weekend code moved that month end forward to it
// (Saturday 31 March to Monday 2 April); otherwise the date itself.
DayNumber CountedMonthEnd(DayNumber date, int weekendCode) {
    for (const int back : {1, 2}) {
        const DayNumber monthEnd = date - back;
        if (IsLastDayOfMonth(monthEnd) && AdjustForWeekend(monthEnd, weekendCode) == date) {
            return monthEnd;
        }
    }
    return date;
}

} // namespace

DayNumber NextPaymentDate(int periodCode, DayNumber date, int weekendCode, int twiceMonthlyCode) {
    return StepAndAdjust(StepDirection::Forward, periodCode, date, weekendCode, twiceMonthlyCode);
}

DayNumber PriorPaymentDate(int periodCode, DayNumber date, int weekendCode, int twiceMonthlyCode) {
    return StepAndAdjust(StepDirection::Backward, periodCode, date, weekendCode, twiceMonthlyCode);
}

DayNumber NextPaymentDateEOM(int periodCode, DayNumber date, int weekendCode,
                             int twiceMonthlyCode) {
    const int months = MonthsPerPeriod(periodCode);
    if (months == 0) {
        return NextPaymentDate(periodCode, date, weekendCode, twiceMonthlyCode);
    }
    const DayNumber from = CountedMonthEnd(date, weekendCode);
    return AdjustForWeekend(LastDayOfMonth(AddMonthsClamped(from, months, 0)), weekendCode);
}

} // namespace quarvex::dates
