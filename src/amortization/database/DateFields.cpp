#include "amortization/database/DateFields.h"

namespace quarvex::amortization::database {

std::optional<dbase::Date> ToFieldDate(dates::DayNumber day) {
    if (!dates::IsValidDayNumber(day)) {
        return std::nullopt;
    }
    const dates::CalendarDate date = dates::DayNumberToDMY(day);
    return dbase::Date{date.year, date.month, date.day};
}

dates::DayNumber FromFieldDate(const std::optional<dbase::Date>& date) {
    if (!date) {
        return dates::kNoDate;
    }
    return dates::DMYToDayNumber(date->day, date->month, date->year);
}

} // namespace quarvex::amortization::database
