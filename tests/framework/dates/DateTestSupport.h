#pragma once

#include "framework/dates/Calendar.h"
#include "framework/dates/DateText.h"

#include <ostream>
#include <string>

namespace quarvex::dates::testing {

// A date written year first, as the tables read best; kNoDate when it does not exist.
inline DayNumber Ymd(int year, int month, int day) {
    return DMYToDayNumber(day, month, year);
}

// How a date appears in a failure message: "2001-01-16 (146478)" or "no date (-1)".
inline std::string Show(DayNumber date) {
    const std::string text = FormatIsoDate(date);
    return (text.empty() ? std::string("no date") : text) + " (" + std::to_string(date) + ")";
}

} // namespace quarvex::dates::testing
