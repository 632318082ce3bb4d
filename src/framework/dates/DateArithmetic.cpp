#include "framework/dates/DateArithmetic.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace quarvex::dates {
namespace {

constexpr int kSafeDay = 28; // every month has it

// The first day of the month `months` and `years` away from (month, year), or nothing when
// that month lies outside the valid years. Wide arithmetic keeps huge counts from wrapping.
std::optional<CalendarDate> ShiftMonth(int month, int year, int months, int years) {
    const std::int64_t index =
        std::int64_t{year} * 12 + (month - 1) + months + std::int64_t{years} * 12;
    const std::int64_t newYear = index >= 0 ? index / 12 : (index - 11) / 12;
    if (newYear < kFirstYear || newYear > kLastYear) {
        return std::nullopt;
    }
    return CalendarDate{1, static_cast<int>(index - newYear * 12) + 1, static_cast<int>(newYear)};
}

DayNumber AddDays(DayNumber date, std::int64_t days) {
    const std::int64_t result = std::int64_t{date} + days;
    return result >= kFirstDay && result <= kLastDay ? static_cast<DayNumber>(result) : kNoDate;
}

} // namespace

DayNumber AddToDate(DayNumber date, int days, int months, int years) {
    const CalendarDate from = DayNumberToDMY(date);
    if (from.year == 0) {
        return kNoDate;
    }
    const auto target = ShiftMonth(from.month, from.year, months, years);
    if (!target) {
        return kNoDate;
    }
    const int keptAside = std::max(from.day - kSafeDay, 0);
    const DayNumber rebuilt =
        DMYToDayNumber(std::min(from.day, kSafeDay), target->month, target->year);
    return AddDays(rebuilt, std::int64_t{days} + keptAside);
}

DayNumber AddMonthsClamped(DayNumber date, int months, int years) {
    const CalendarDate from = DayNumberToDMY(date);
    if (from.year == 0) {
        return kNoDate;
    }
    const auto target = ShiftMonth(from.month, from.year, months, years);
    if (!target) {
        return kNoDate;
    }
    const int day = std::min(from.day, DaysInMonth(target->month, target->year));
    return DMYToDayNumber(day, target->month, target->year);
}

std::optional<DateSpan> DateDifference(DayNumber first, DayNumber second) {
    if (!IsValidDayNumber(first) || !IsValidDayNumber(second)) {
        return std::nullopt;
    }
    if (first > second) {
        std::swap(first, second);
    }
    const CalendarDate earlier = DayNumberToDMY(first);
    CalendarDate later = DayNumberToDMY(second);
    if (later.day < earlier.day) {
        later.month -= 1;
        if (later.month == 0) {
            later.month = 12;
            later.year -= 1;
        }
        later.day += DaysInMonth(later.month, later.year);
    }
    if (later.month < earlier.month) {
        later.month += 12;
        later.year -= 1;
    }
    return DateSpan{later.day - earlier.day, later.month - earlier.month,
                    later.year - earlier.year};
}

} // namespace quarvex::dates
