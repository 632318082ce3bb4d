#pragma once

#include "amortization/TAmortSchedule.h"
#include "amortization/TTransRec.h"
#include "framework/dates/Calendar.h"

#include <cstddef>
#include <string>
#include <vector>

// Fiscal years of a schedule. A fiscal year that starts with month m of year Y holds the dates
// from the first of month m of Y up to, not including, the first of month m of Y + 1; every
// year is kept with its four-digit calendar years. The grid's year tabs, the year totals and
// the printed schedule's year groups all use this one rule.
namespace quarvex::amortization {

struct FiscalYearSpan {
    dates::DayNumber First = dates::kNoDate; // first day of the year
    dates::DayNumber End = dates::kNoDate;   // first day of the next year
};

// The days of the fiscal year starting with month `startMonth` (1-12) of `startYear`; both
// kNoDate for a month outside 1-12 or a year outside the calendar.
FiscalYearSpan FiscalYearDates(int startMonth, int startYear);

// The month a fiscal year starts with when it ends with month `yearEnding` (1-12): the month
// after it, 1 after December.
int StartMonthOfYearEnding(int yearEnding);

// The calendar year in which the fiscal year holding `date` starts.
int FiscalYearStartOf(dates::DayNumber date, int startMonth);

// The sums over the rows of one fiscal year (see TAmortSchedule::YearTotals). A year without
// rows has the sums 0, YearFirstTransNo the TransNo of the first row after it and
// YearLastTransNo one less.
YearTotalsResult SumFiscalYear(const std::vector<TTransRec>& rows, int startMonth, int startYear);

// Consecutive rows of one fiscal year: rows[First] to rows[End - 1].
struct FiscalYearRows {
    int StartYear = 0;
    std::size_t First = 0;
    std::size_t End = 0;
};

// The rows grouped by fiscal year, in order; years without rows are left out. This is the
// grouping of the printed schedule: a row of a later fiscal year closes the year before it.
std::vector<FiscalYearRows> GroupRowsByFiscalYear(const std::vector<TTransRec>& rows,
                                                  int startMonth);

// One year tab of the schedule grid.
struct YearTab {
    std::string Label; // the last two digits of EndYear ("98", "05")
    int EndYear = 0;   // calendar year in which the fiscal year ends
    int StartMonth = 1;
    int StartYear = 0; // calendar year in which it starts: EndYear, or EndYear - 1
};

// The tabs from the fiscal year of the origination date to that of the last row's date, for
// a year ending with month `yearEnding` (1-12; anything else counts as December). The "All"
// tab is not in the list. Empty when a date is outside the calendar or last is before org.
std::vector<YearTab> YearTabs(dates::DayNumber orgDate, dates::DayNumber lastDate, int yearEnding);

} // namespace quarvex::amortization
