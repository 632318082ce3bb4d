#include "framework/dates/Calendar.h"

namespace quarvex::dates {
namespace {

// The conversions count days from 1 March 1200 in years that begin on 1 March, so that the leap
// day is the last day of its year and every valid date lies in a whole 400-year era of the
// Gregorian cycle. The 4000 rule never applies inside 1600-3999, so the cycle is exact there.
constexpr int kEraStartYear = 1200;
constexpr int kDaysPerEra = 146097;

constexpr int DayOfMarchYear(int day, int month) {
    const int monthFromMarch = month > 2 ? month - 3 : month + 9;
    return (153 * monthFromMarch + 2) / 5 + day - 1;
}

constexpr int DaysSinceEraStart(int day, int month, int year) {
    const int marchYear = year - (month <= 2 ? 1 : 0) - kEraStartYear;
    const int era = marchYear / 400;
    const int yearOfEra = marchYear - era * 400;
    const int dayOfEra =
        yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + DayOfMarchYear(day, month);
    return era * kDaysPerEra + dayOfEra;
}

constexpr int kDayZeroFromEraStart = DaysSinceEraStart(1, 1, kFirstYear);

} // namespace

bool IsLeapYear(int year) {
    if (year % 4000 == 0) {
        return false;
    }
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year) {
    constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : kLengths[month - 1];
}

bool IsValidDate(int day, int month, int year) {
    return year >= kFirstYear && year <= kLastYear && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(month, year);
}

bool IsValidDayNumber(DayNumber date) {
    return date >= kFirstDay && date <= kLastDay;
}

DayNumber DMYToDayNumber(int day, int month, int year) {
    if (!IsValidDate(day, month, year)) {
        return kNoDate;
    }
    return DaysSinceEraStart(day, month, year) - kDayZeroFromEraStart;
}

CalendarDate DayNumberToDMY(DayNumber date) {
    if (!IsValidDayNumber(date)) {
        return {};
    }
    const int sinceEraStart = date + kDayZeroFromEraStart;
    const int era = sinceEraStart / kDaysPerEra;
    const int dayOfEra = sinceEraStart - era * kDaysPerEra;
    // Leap days so far: one per 4 years (1460 days), none per 100 (36524), one per 400.
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int monthFromMarch = (5 * dayOfYear + 2) / 153;
    CalendarDate result;
    result.day = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;
    result.month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    const int marchYear = era * 400 + yearOfEra + kEraStartYear;
    result.year = marchYear + (result.month <= 2 ? 1 : 0);
    return result;
}

int WeekdayOf(DayNumber date) {
    if (!IsValidDayNumber(date)) {
        return -1;
    }
    return (date + 6) % 7;
}

} // namespace quarvex::dates
