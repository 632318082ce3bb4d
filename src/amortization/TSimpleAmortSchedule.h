#pragma once

#include "engine/cashflow/TAbstractSchedule.h"

#include <cstdint>
#include <vector>

namespace quarvex::amortization {

// One row of a simple (undated) amortization schedule: one nominal payment period.
struct TSimpleAmortRec {
    std::int16_t Year = 0;   // Period / periods per year (integer division)
    std::int32_t Period = 0; // from 1
    double Pmt = 0;
    double Opening = 0; // the loan amount on the first row, else 0
    double Principal = 0;
    double Interest = 0;
    double Balance = 0;
    long double AnnualRate = 0;   // percent
    long double PeriodicRate = 0; // a fraction per period
    long double DailyRate = 0;    // a fraction per day
    double RunningPmt = 0;
    double RunningPrincipal = 0;
    double RunningInterest = 0;
};

// The rows of a simple schedule, row i holding period i + 1.
class TSimpleAmortSchedule : public engine::TAbstractSchedule<TSimpleAmortRec> {
public:
    // Copies one row; a missing target raises code 205.
    void CopyRecord(const TSimpleAmortRec& source, TSimpleAmortRec* target) const override;
    // Clears the list and appends a copy of every row; a missing list raises code 206.
    void CopySchedule(std::vector<TSimpleAmortRec>* list) const override;

    void CopyRow(const TSimpleAmortRec& source, TSimpleAmortRec* target) const {
        CopyRecord(source, target);
    }
    void CopyTo(TSimpleAmortSchedule* destination) const;

    // The balance of the last row; 0 for an empty schedule.
    double LastBalance() const;

    std::vector<TSimpleAmortRec>& Records() { return rows_; }
    const std::vector<TSimpleAmortRec>& Records() const { return rows_; }
    int Count() const { return static_cast<int>(rows_.size()); }

private:
    std::vector<TSimpleAmortRec> rows_;
};

} // namespace quarvex::amortization
