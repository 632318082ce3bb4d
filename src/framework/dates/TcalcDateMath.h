#pragma once

#include "framework/dates/Calendar.h"
#include "framework/dates/DateLabels.h"
#include "framework/dates/PaymentDates.h"
#include "framework/dates/PeriodCount.h"
#include "framework/dates/TwiceMonthly.h"
#include "framework/dates/Weekend.h"

#include <cstdint>
#include <string>

namespace quarvex::dates {

// The date arithmetic of the schedule engines in one object: PeriodsBetween keeps the detail of
// its last count in the four fields; the stepping and naming operations are those of
// PaymentDates.h, TwiceMonthly.h, Weekend.h and DateLabels.h.
class TcalcDateMath {
public:
    std::int32_t TotalDays = 0;
    std::int32_t ExtraDays = 0;
    std::int32_t OddDays = 0;
    std::int32_t WholePeriods = 0;

    // CountPeriods (PeriodCount.h): returns the real number of periods and keeps the detail.
    double PeriodsBetween(DayNumber start, DayNumber end, int periodCode);

    static DayNumber PriorPaymentDate(int periodCode, DayNumber date, int weekendCode,
                                      int twiceMonthlyCode) {
        return dates::PriorPaymentDate(periodCode, date, weekendCode, twiceMonthlyCode);
    }
    static DayNumber NextPaymentDate(int periodCode, DayNumber date, int weekendCode,
                                     int twiceMonthlyCode) {
        return dates::NextPaymentDate(periodCode, date, weekendCode, twiceMonthlyCode);
    }
    static DayNumber NextPaymentDateEOM(int periodCode, DayNumber date, int weekendCode,
                                        int twiceMonthlyCode) {
        return dates::NextPaymentDateEOM(periodCode, date, weekendCode, twiceMonthlyCode);
    }
    static DayNumber TwiceMonthlyStep(StepDirection direction, DayNumber date, int twiceMonthlyCode,
                                      int weekendCode) {
        return dates::TwiceMonthlyStep(direction, date, twiceMonthlyCode, weekendCode);
    }
    static DayNumber AdjustForWeekend(DayNumber date, int weekendCode) {
        return dates::AdjustForWeekend(date, weekendCode);
    }
    static std::string WeekdayName(DayNumber date) { return dates::WeekdayName(date); }
    static std::string PeriodLabel(int number1, int number2, bool pad, char padCharacter,
                                   char separator) {
        return dates::PeriodLabel(number1, number2, pad, padCharacter, separator);
    }
};

} // namespace quarvex::dates
