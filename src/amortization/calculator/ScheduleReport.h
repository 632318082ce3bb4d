#pragma once

#include "amortization/TAmortSchedule.h"
#include "framework/masks/NumberConventions.h"
#include "framework/report/ReportFont.h"
#include "framework/settings/AccountDetails.h"
#include "platform/ReportCanvas.h"

#include <string>
#include <vector>

// The printed amortization schedule as data, and its drawing on a report canvas.
namespace quarvex::amortization {

// One line of the schedule's body.
struct ScheduleReportLine {
    enum class Kind {
        Row,           // a schedule row: label, date, payment, principal, interest, balance
        Extra,         // after a row with an extra payment: label, "Extra:", the amount
        AnnualTotals,  // closes a fiscal year: "Annual Totals:" and the year's sums
        RunningTotals, // then "Running Totals:" and the sums from the first row
    };
    Kind kind = Kind::Row;
    std::string label; // "13/02", "Annual Totals:"
    std::string date;  // "mm/dd/yyyy"; "Extra:" on an extra line; empty on totals
    std::string payment;
    std::string principal;
    std::string interest;
    std::string balance; // empty on extra and totals lines

    friend bool operator==(const ScheduleReportLine&, const ScheduleReportLine&) = default;
};

struct ScheduleReport {
    std::string title;
    // The inputs and settings under the title ("%-42s %16.2m" and the like).
    std::vector<std::string> openingLines;
    // The "Prepared For:" block ("\t%-18s %30s" rows, two empty lines, "Prepared By:").
    std::vector<std::string> preparedForLines;
    // The page header's names: "Prepared For: " + name and "Prepared By: " + name.
    std::string preparedForName;
    std::string preparedBy;
    std::string preparedOn; // today, "mm/dd/yy"
    std::vector<ScheduleReportLine> lines;
};

// The body of the schedule: every row with its amounts in "%m" and its date "mm/dd/yyyy", a
// line "Extra:" after each row with an extra payment, and the rows grouped into fiscal years
// that start with `startMonth` (one group per year that holds rows, by the date-range rule of
// FiscalYears.h), each closed by "Annual Totals:" (the year's sums of Pmt + ExtraPmt,
// Principal and Interest) and "Running Totals:" (the same sums from the first row).
std::vector<ScheduleReportLine> ScheduleBodyLines(const TAmortSchedule& schedule, int startMonth,
                                                  const masks::NumberConventions& conventions);

// The name the page header shows after "Prepared For: ": first name, a blank, the middle
// initial followed by ". " when there is one, and the last name.
std::string PreparedForName(const framework::TAccountDetails& account);

// The "Prepared For:" block ("%-18s %30s" rows): the name, "Business:", "Address:" with the
// two address lines, the city (", " and the state when there is one), the zip code, the
// country, "Phone1:" and "Phone2:" when they hold a digit, "Ext:", each only when it is not
// blank; then two empty lines and "Prepared By:" with `preparedBy`.
std::vector<std::string> PreparedForLines(const framework::TAccountDetails& account,
                                          std::string_view preparedBy,
                                          const masks::NumberConventions& conventions);

// A body line as text, its parts separated by '\t'.
std::string LineText(const ScheduleReportLine& line);

// Draws the report: the opening lines and the "Prepared For:" block, then the body, every page
// headed by the names, "Prepared On:", the title, "Page: n" and the column headings over a
// rule; a new page starts when fewer than 7 lines are left.
void PrintScheduleReport(ReportCanvas& canvas, const report::ReportFont& font,
                         const ScheduleReport& report);

} // namespace quarvex::amortization
