#pragma once

#include "engine/cashflow/ScheduleDateOptions.h"
#include "engine/cashflow/TPVSchedule.h"
#include "engine/cashflow/coAbstractSeries.h"
#include "framework/dates/Calendar.h"

#include <cstdint>

namespace quarvex::engine {

// The present value of a series of periodic cash flows, row by row: row k (from 1) is the flow
// due k periods from now, dated k - 1 periods after StartDate, and is discounted k periods.
//
// The rate per period follows the compounding chosen: a compounding count c (codes 1 to 10)
// gives PeriodicRate(p, c, Rate) (Rate / p / 100 when compounding and payments agree),
// Continuous gives EulerConst ^ (Rate / 100 / p) - 1, and Simple discounts flow k by
// 1 + Rate / 100 x k / p.
class TcoBasePV : public coAbstractPV {
public:
    explicit TcoBasePV(ScheduleDateOptions dateOptions = {}) : DateOptions(dateOptions) {}

    // Inputs.
    dates::DayNumber StartDate = 0;
    std::int16_t NumPmts = 0;
    double Amount = 0;
    std::uint8_t PmtCode = 6; // 1 Daily ... 10 Annually (payment period index + 1)
    std::uint8_t CmpCode = 6; // compounding index: 0 Continuous, 1 Daily ... 10 Annually, 11 Simple
    long double Rate = 0;     // annual, percent
    ScheduleDateOptions DateOptions;

    // Results.
    double TotalAmount = 0;
    double PV = 0;
    double NumYears = 0;

    // Stores the inputs and builds NumPmts rows of `Amount`. Raises EFinance "Too many
    // unknowns." for no payments or a zero rate or amount, and EInternalError for codes outside
    // the lists.
    void Build(dates::DayNumber StartDate, std::int16_t NumPmts, double Amount,
               std::uint8_t PmtCode, std::uint8_t CmpCode, long double Rate);
    void BuildSchedule() override;

    // Every row's amount is reset to the input amount, then the rows are discounted.
    void Calculate() override;

    // After single amounts were changed: copies the given schedule's rows in (unless it is this
    // engine's own), then discounts every row's own amount.
    void Recalculate(const TPVSchedule& schedule);

    TPVSchedule& Schedule() { return schedule_; }
    const TPVSchedule& Schedule() const { return schedule_; }

private:
    void Discount();

    TPVSchedule schedule_;
};

} // namespace quarvex::engine
