#pragma once

#include "amortization/TTransRec.h"
#include "engine/cashflow/TFlexSchedule.h"
#include "framework/dates/Calendar.h"

#include <cstdint>
#include <vector>

namespace quarvex::amortization {

// The totals of one fiscal year of a schedule (YearTotals).
struct YearTotalsResult {
    std::int32_t YearFirstTransNo = 0; // TransNo of the year's first row
    std::int32_t YearLastTransNo = -1; // TransNo of its last row (first - 1 when it has none)
    double YearPmt = 0;                // sum of Pmt (extra payments not included)
    double YearInterest = 0;           // sum of Interest
    double YearPrincipal = 0;          // sum of Principal (extra payments included)
};

// The rows of a flexible amortization schedule: row 0 is the opening row, row i has TransNo i.
// Of the fields of TFlexSchedule, Date holds the latest date a row may have (1 January 2079
// when the schedule is made), FirstRow and LastRow the first and last TransNo of the last
// YearTotals, Total1-3 its payment, interest and principal.
class TAmortSchedule : public engine::TFlexSchedule<TTransRec> {
public:
    TAmortSchedule();

    dates::DayNumber LatestDate() const { return Date; }

    // Copies one row; a missing target raises code 205.
    void CopyRecord(const TTransRec& source, TTransRec* target) const override;
    // Clears the list and appends a copy of every row; a missing list raises code 206.
    void CopySchedule(std::vector<TTransRec>* list) const override;

    void CopyRow(const TTransRec& source, TTransRec* target) const { CopyRecord(source, target); }
    // Replaces the destination's rows with copies of these; a missing destination raises 206.
    void CopyTo(TAmortSchedule* destination) const;

    // PrinBal and TransNo of the last row (0 for an empty schedule).
    double FinalBalance() const;
    std::int32_t LastTransNo() const;

    // The running totals of row n. n outside 0 to rows - 1 raises code 212, a row n whose
    // TransNo is not n code 213.
    double RunningPmtAt(int n) const;
    double RunningExtraPmtAt(int n) const;
    double RunningPrincipalAt(int n) const;
    double RunningIntAt(int n) const;

    // PrinBal of row n (checks as above); its date goes to *date when given.
    double BalanceAt(int n, dates::DayNumber* date = nullptr) const;

    // PrinBal of the last row dated on or before `date`; `date` and `transNo` become that row's.
    // A date before the opening row (or an empty schedule) raises code 214.
    double BalanceOnDate(dates::DayNumber& date, std::int32_t& transNo) const;

    // The index of the last row dated on or before `date`; -1 when there is none.
    int LastIndexOnOrBefore(dates::DayNumber date) const;

    // The sums of the fiscal year that starts on the first of month `startMonth` (1-12) of
    // `startYear`: every row dated from that day up to, not including, the same day a year
    // later. The result is also kept in the schedule (FirstRow, LastRow, Total1-3).
    YearTotalsResult YearTotals(int startMonth, int startYear);
    YearTotalsResult LastYearTotals() const;

private:
    const TTransRec& CheckedRow(int n) const;
};

} // namespace quarvex::amortization
