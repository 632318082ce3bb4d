#pragma once

#include "framework/dates/Calendar.h"
#include "platform/dbase/Date.h"

#include <optional>

// Day numbers as the date fields of the tables hold them, and back.
namespace quarvex::amortization::database {

// The calendar date of a day number; nullopt for one outside the program's calendar
// (kNoDate, a negative number, a day past 31 December 3999): no field can hold it.
std::optional<dbase::Date> ToFieldDate(dates::DayNumber day);

// The calendar date of a day number a record cannot do without; raises EAmortDB with
// `errorCode` for one no field can hold.
dbase::Date RequiredFieldDate(dates::DayNumber day, int errorCode);

// The day number of a stored date; kNoDate for an empty field or a year the program's
// calendar does not have (before 1600 or after 3999).
dates::DayNumber FromFieldDate(const std::optional<dbase::Date>& date);

} // namespace quarvex::amortization::database
