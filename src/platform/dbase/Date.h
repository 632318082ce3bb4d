#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The calendar date of a date field. Date fields hold eight digits YYYYMMDD, or blanks for
// no date; the engine keeps dates as calendar dates and leaves day numbers to its callers.
namespace quarvex::dbase {

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const Date&, const Date&) = default;
    friend auto operator<=>(const Date&, const Date&) = default;
};

// A Gregorian date of the years 1 to 9999, the years eight digits can hold.
bool IsValidDate(const Date& date);

// "YYYYMMDD"; the date must be valid.
std::string DateToText(const Date& date);

// The date of eight digits; nullopt when they are not a valid date.
std::optional<Date> DateFromText(std::string_view digits);

// The calendar date of a day count since 1 January 1600 (the program's day numbers).
Date DateFromDayNumber(std::int32_t dayNumber);

// Today's local date from the system clock.
Date SystemToday();

} // namespace quarvex::dbase
