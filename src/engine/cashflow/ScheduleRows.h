#pragma once

#include "engine/cashflow/ScheduleDateOptions.h"
#include "framework/dates/Calendar.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Pieces the present- and future-value schedules share: stepping row dates, row labels, the
// calendar-year counter and the row ranges of the range editors.
namespace quarvex::engine::cashflow {

// One payment period after `date` for a 1-based payment code (1 Daily ... 10 Annually), with the
// weekend and twice-monthly settings. A date that would leave the calendar raises EFinance
// "The result is out of range...".
dates::DayNumber NextRowDate(int paymentCode, dates::DayNumber date,
                             const ScheduleDateOptions& options);

// The investment-year number of a row: the whole years from the start to the row's date, plus 1.
int InvestmentYear(dates::DayNumber start, dates::DayNumber date);

// "row/year"; with padYear the years 0 to 9 get a leading zero ("13/02").
std::string RowLabel(int row, int investmentYear, bool padYear);

// The calendar year of a valid date.
int CalendarYearOf(dates::DayNumber date);

// Dates the rows of a schedule: row 1 on the start date, every further row one payment period
// after the one before; labels "row/year" and a counter of calendar years (1 for the first
// row's year, +1 whenever the calendar year changes). Row needs Date, Label and Year.
template <class Row>
void DateScheduleRows(std::vector<Row>& rows, dates::DayNumber start, int paymentCode,
                      const ScheduleDateOptions& options, bool padYear) {
    dates::DayNumber date = start;
    int calendarYear = 0;
    std::int16_t yearCounter = 0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (k > 0) {
            date = NextRowDate(paymentCode, date, options);
        }
        Row& row = rows[k];
        row.Date = date;
        row.Label = RowLabel(static_cast<int>(k + 1), InvestmentYear(start, date), padYear);
        const int year = CalendarYearOf(date);
        if (k == 0 || year != calendarYear) {
            ++yearCounter;
            calendarYear = year;
        }
        row.Year = yearCounter;
    }
}

// Rows first..last (numbered from 1, both included) clamped to a list of `count` rows, as
// 0-based indexes [begin, end); empty when nothing of the range lies within the list.
std::optional<std::pair<std::size_t, std::size_t>> ClampRowRange(int first, int last,
                                                                 std::size_t count);

} // namespace quarvex::engine::cashflow
