#include "amortization/database/DateFields.h"

#include "amortization/database/EAmortDB.h"

namespace quarvex::amortization::database {

std::optional<dbase::Date> ToFieldDate(dates::DayNumber day) {
    if (!dates::IsValidDayNumber(day)) {
        return std::nullopt;
    }
    const dates::CalendarDate date = dates::DayNumberToDMY(day);
    return dbase::Date{date.year, date.month, date.day};
}

dbase::Date RequiredFieldDate(dates::DayNumber day, int errorCode) {
    const auto date = ToFieldDate(day);
    if (!date) {
        RaiseAmortDBError(errorCode);
    }
    return *date;
}

dates::DayNumber FromFieldDate(const std::optional<dbase::Date>& date) {
    if (!date) {
        return dates::kNoDate;
    }
    return dates::DMYToDayNumber(date->day, date->month, date->year);
}

} // namespace quarvex::amortization::database
