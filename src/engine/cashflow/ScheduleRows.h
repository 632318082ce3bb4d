#pragma once

#include "engine/cashflow/ScheduleDateOptions.h"
#include "framework/dates/Calendar.h"

#include <optional>
#include <string>
#include <utility>

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

// Rows first..last (numbered from 1, both included) clamped to a list of `count` rows, as
// 0-based indexes [begin, end); empty when nothing of the range lies within the list.
std::optional<std::pair<std::size_t, std::size_t>> ClampRowRange(int first, int last,
                                                                 std::size_t count);

} // namespace quarvex::engine::cashflow
