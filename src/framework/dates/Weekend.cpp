#include "framework/dates/Weekend.h"

namespace quarvex::dates {
namespace {

int WeekendShift(int weekday, int weekendCode) {
    if (weekday == Saturday) {
        return weekendCode == kForceMonday ? 2 : -1;
    }
    if (weekday == Sunday) {
        return weekendCode == kForceFriday ? -2 : 1;
    }
    return 0;
}

} // namespace

DayNumber AdjustForWeekend(DayNumber date, int weekendCode) {
    if (!IsValidDayNumber(date)) {
        return kNoDate;
    }
    if (weekendCode == kNoAdjustment) {
        return date;
    }
    const DayNumber moved = date + WeekendShift(WeekdayOf(date), weekendCode);
    return IsValidDayNumber(moved) ? moved : kNoDate;
}

} // namespace quarvex::dates
