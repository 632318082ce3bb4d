#pragma once

#include "amortization/TTransRec.h"
#include "framework/buffer/OutputValue.h"

#include <span>
#include <string>
#include <string_view>

// The fields of a schedule row by name, in the row's order (also the columns of the schedule
// database's transaction table): for the command line's JSON and CSV.
namespace quarvex::amortization {

struct TransRecColumn {
    std::string_view name;
    framework::OutputValue (*value)(const TTransRec& row);
};

// Every field of TTransRec, NumYears to Comment. Dates are "YYYY-MM-DD" (empty for no date).
std::span<const TransRecColumn> TransRecColumns();

// A row as named members, every field.
framework::OutputValue::Members TransRecMembers(const TTransRec& row);

// The CSV header line (the field names) and one row as a line, "\r\n" ended. Numbers have the
// 15 significant digits a spreadsheet keeps (amounts within 5 x 10^-10 of 0 are 0); truth
// values are TRUE or FALSE; texts are quoted when they hold a comma, a quotation mark or a
// line break.
std::string TransRecCsvHeader();
std::string TransRecCsvLine(const TTransRec& row);

} // namespace quarvex::amortization
