#include "amortization/FiscalYears.h"

#include <algorithm>
#include <cstdio>

namespace quarvex::amortization {
namespace {

bool IsMonth(int month) {
    return month >= 1 && month <= 12;
}

std::size_t FirstIndexOnOrAfter(const std::vector<TTransRec>& rows, dates::DayNumber date) {
    const auto at = std::lower_bound(
        rows.begin(), rows.end(), date,
        [](const TTransRec& row, dates::DayNumber day) { return row.TransDate < day; });
    return static_cast<std::size_t>(at - rows.begin());
}

std::string TwoDigits(int year) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", ((year % 100) + 100) % 100);
    return text;
}

} // namespace

FiscalYearSpan FiscalYearDates(int startMonth, int startYear) {
    if (!IsMonth(startMonth)) {
        return {};
    }
    const dates::DayNumber first = dates::DMYToDayNumber(1, startMonth, startYear);
    dates::DayNumber end = dates::DMYToDayNumber(1, startMonth, startYear + 1);
    if (first == dates::kNoDate) {
        return {};
    }
    if (end == dates::kNoDate) {
        end = dates::kLastDay + 1; // the last year of the calendar runs to its end
    }
    return {first, end};
}

int StartMonthOfYearEnding(int yearEnding) {
    return IsMonth(yearEnding) ? yearEnding % 12 + 1 : 1;
}

int FiscalYearStartOf(dates::DayNumber date, int startMonth) {
    const dates::CalendarDate day = dates::DayNumberToDMY(date);
    return day.month < startMonth ? day.year - 1 : day.year;
}

YearTotalsResult SumFiscalYear(const std::vector<TTransRec>& rows, int startMonth, int startYear) {
    YearTotalsResult totals;
    const FiscalYearSpan span = FiscalYearDates(startMonth, startYear);
    std::size_t first = rows.size();
    std::size_t end = rows.size();
    if (span.First != dates::kNoDate) {
        first = FirstIndexOnOrAfter(rows, span.First);
        end = FirstIndexOnOrAfter(rows, span.End);
    }
    if (first < rows.size()) {
        totals.YearFirstTransNo = rows[first].TransNo;
    } else {
        totals.YearFirstTransNo = rows.empty() ? 0 : rows.back().TransNo + 1;
    }
    totals.YearLastTransNo = totals.YearFirstTransNo - 1;
    for (std::size_t i = first; i < end; ++i) {
        totals.YearPmt += rows[i].Pmt;
        totals.YearInterest += rows[i].Interest;
        totals.YearPrincipal += rows[i].Principal;
        totals.YearLastTransNo = rows[i].TransNo;
    }
    return totals;
}

std::vector<FiscalYearRows> GroupRowsByFiscalYear(const std::vector<TTransRec>& rows,
                                                  int startMonth) {
    std::vector<FiscalYearRows> groups;
    if (!IsMonth(startMonth)) {
        startMonth = 1;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int year = FiscalYearStartOf(rows[i].TransDate, startMonth);
        if (groups.empty() || groups.back().StartYear != year) {
            groups.push_back({year, i, i + 1});
        } else {
            groups.back().End = i + 1;
        }
    }
    return groups;
}

std::vector<YearTab> YearTabs(dates::DayNumber orgDate, dates::DayNumber lastDate, int yearEnding) {
    std::vector<YearTab> tabs;
    if (!dates::IsValidDayNumber(orgDate) || !dates::IsValidDayNumber(lastDate) ||
        lastDate < orgDate) {
        return tabs;
    }
    if (!IsMonth(yearEnding)) {
        yearEnding = 12;
    }
    const auto endYearOf = [yearEnding](dates::DayNumber date) {
        const dates::CalendarDate day = dates::DayNumberToDMY(date);
        return yearEnding < day.month ? day.year + 1 : day.year;
    };
    const int startMonth = StartMonthOfYearEnding(yearEnding);
    for (int year = endYearOf(orgDate); year <= endYearOf(lastDate); ++year) {
        tabs.push_back({TwoDigits(year), year, startMonth, startMonth == 1 ? year : year - 1});
    }
    return tabs;
}

} // namespace quarvex::amortization
