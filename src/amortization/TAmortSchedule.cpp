#include "amortization/TAmortSchedule.h"

#include "amortization/AmortCodes.h"
#include "amortization/EAmort.h"
#include "amortization/FiscalYears.h"

#include <algorithm>

namespace quarvex::amortization {

TAmortSchedule::TAmortSchedule() {
    Date = LatestScheduleDate();
}

void TAmortSchedule::CopyRecord(const TTransRec& source, TTransRec* target) const {
    if (target == nullptr) {
        RaiseAmortError(kAmortNoRow);
    }
    *target = source;
}

void TAmortSchedule::CopySchedule(std::vector<TTransRec>* list) const {
    if (list == nullptr) {
        RaiseAmortError(kAmortNoDestination);
    }
    if (list == &Records()) {
        return;
    }
    *list = Records();
}

void TAmortSchedule::CopyTo(TAmortSchedule* destination) const {
    if (destination == nullptr) {
        RaiseAmortError(kAmortNoDestination);
    }
    CopySchedule(&destination->Records());
}

double TAmortSchedule::FinalBalance() const {
    return Records().empty() ? 0.0 : Records().back().PrinBal;
}

std::int32_t TAmortSchedule::LastTransNo() const {
    return Records().empty() ? 0 : Records().back().TransNo;
}

const TTransRec& TAmortSchedule::CheckedRow(int n) const {
    if (n < 0 || n >= Count()) {
        RaiseAmortError(kAmortPeriodOutOfRange);
    }
    const TTransRec& row = Records()[static_cast<std::size_t>(n)];
    if (row.TransNo != n) {
        RaiseAmortError(kAmortPeriodsOutOfSync);
    }
    return row;
}

double TAmortSchedule::RunningPmtAt(int n) const {
    return CheckedRow(n).RunningPmt;
}

double TAmortSchedule::RunningExtraPmtAt(int n) const {
    return CheckedRow(n).RunningExtraPmt;
}

double TAmortSchedule::RunningPrincipalAt(int n) const {
    return CheckedRow(n).RunningPrincipal;
}

double TAmortSchedule::RunningIntAt(int n) const {
    return CheckedRow(n).RunningInt;
}

double TAmortSchedule::BalanceAt(int n, dates::DayNumber* date) const {
    const TTransRec& row = CheckedRow(n);
    if (date != nullptr) {
        *date = row.TransDate;
    }
    return row.PrinBal;
}

int TAmortSchedule::LastIndexOnOrBefore(dates::DayNumber date) const {
    const auto& rows = Records();
    // Row dates never decrease, so the rows on or before the date form a prefix.
    const auto after = std::upper_bound(
        rows.begin(), rows.end(), date,
        [](dates::DayNumber day, const TTransRec& row) { return day < row.TransDate; });
    return static_cast<int>(after - rows.begin()) - 1;
}

double TAmortSchedule::BalanceOnDate(dates::DayNumber& date, std::int32_t& transNo) const {
    const int index = LastIndexOnOrBefore(date);
    if (index < 0) {
        RaiseAmortError(kAmortDateBeforeLoan);
    }
    const TTransRec& row = Records()[static_cast<std::size_t>(index)];
    date = row.TransDate;
    transNo = row.TransNo;
    return row.PrinBal;
}

YearTotalsResult TAmortSchedule::YearTotals(int startMonth, int startYear) {
    const YearTotalsResult totals = SumFiscalYear(Records(), startMonth, startYear);
    FirstRow = totals.YearFirstTransNo;
    LastRow = totals.YearLastTransNo;
    Total1 = totals.YearPmt;
    Total2 = totals.YearInterest;
    Total3 = totals.YearPrincipal;
    return totals;
}

YearTotalsResult TAmortSchedule::LastYearTotals() const {
    return {FirstRow, LastRow, Total1, Total2, Total3};
}

} // namespace quarvex::amortization
