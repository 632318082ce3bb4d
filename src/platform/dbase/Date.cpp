#include "platform/dbase/Date.h"

#include <ctime>

namespace quarvex::dbase {

namespace {

bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysIn(int month, int year) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// Days from 1 March of year 0 in the proleptic Gregorian calendar to the date, and back:
// the usual era arithmetic over 400-year cycles.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

Date CivilFromDays(std::int64_t days) {
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return Date{static_cast<int>(year), month, day};
}

} // namespace

bool IsValidDate(const Date& date) {
    return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 &&
           date.day >= 1 && date.day <= DaysIn(date.month, date.year);
}

std::string DateToText(const Date& date) {
    std::string text(8, '0');
    int year = date.year;
    for (int at = 3; at >= 0; --at, year /= 10) {
        text[static_cast<std::size_t>(at)] = static_cast<char>('0' + year % 10);
    }
    text[4] = static_cast<char>('0' + date.month / 10);
    text[5] = static_cast<char>('0' + date.month % 10);
    text[6] = static_cast<char>('0' + date.day / 10);
    text[7] = static_cast<char>('0' + date.day % 10);
    return text;
}

std::optional<Date> DateFromText(std::string_view digits) {
    if (digits.size() != 8) {
        return std::nullopt;
    }
    int values[8];
    for (std::size_t at = 0; at < 8; ++at) {
        if (digits[at] < '0' || digits[at] > '9') {
            return std::nullopt;
        }
        values[at] = digits[at] - '0';
    }
    const Date date{values[0] * 1000 + values[1] * 100 + values[2] * 10 + values[3],
                    values[4] * 10 + values[5], values[6] * 10 + values[7]};
    if (!IsValidDate(date)) {
        return std::nullopt;
    }
    return date;
}

Date DateFromDayNumber(std::int32_t dayNumber) {
    static const std::int64_t kFirstDay = DaysFromCivil(1600, 1, 1);
    return CivilFromDays(kFirstDay + dayNumber);
}

Date SystemToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

} // namespace quarvex::dbase
