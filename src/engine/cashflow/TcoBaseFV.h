#pragma once

#include "engine/TcalcFV.h"
#include "engine/cashflow/ScheduleDateOptions.h"
#include "engine/cashflow/TFVSchedule.h"
#include "engine/cashflow/coAbstractSeries.h"
#include "framework/dates/Calendar.h"

#include <cstdint>

namespace quarvex::engine {

// The future value of a starting amount plus periodic deposits, row by row, with taxes on the
// interest and the loss to inflation. Each row grows the balance over one payment period with
// TcalcFV, so every row's balance is rounded to cents.
//
// Growth of a row's amount, by compounding code and rate basis (p payments a year, c the row's
// compounding count, D the basis' days in the year):
//   compound (1-10): Ordinary: (1 + PeriodicRate(p, c, r)) once; Ordinary/365 and /360: the
//     daily rate NominalRateAtFrequency(D, c, r) / D over the nominal days of the period;
//     Actual/360 and /365: the same daily rate over the actual days of the period.
//   simple (11): r / 100 / p once; r / 100 / D over the nominal or the actual days.
//   continuous (0): EulerConst ^ (r / 100 x t), t the period in years: 1 / p (Ordinary),
//     nominal days / D, or actual days / D.
// The actual days of a row's period run to the next row's date; the last row's period runs to
// one payment period after its date, where the schedule ends.
//
// Tax is charged on the interest accumulated since the last charge in every row whose next
// row falls in a new calendar year; the last row has no next row and carries no tax.
class TcoBaseFV : public coAbstractFV {
public:
    explicit TcoBaseFV(ScheduleDateOptions dateOptions = {}) : DateOptions(dateOptions) {}

    // Inputs.
    double PV = 0; // starting amount
    std::int16_t NumPmts = 0;
    double Deposit = 0;
    long double Rate = 0; // annual, percent
    dates::DayNumber StartDate = 0;
    std::uint8_t PmtCode = 6; // 1 Daily ... 10 Annually (payment period index + 1)
    std::uint8_t CmpCode = 6; // compounding index: 0 Continuous, 1 Daily ... 10 Annually, 11 Simple
    std::uint8_t RateBasis = 0; // InterestBasis code
    std::uint8_t PmtMthd = 0;   // 0 deposits at period ends, 1 at period starts
    double TaxRate = 0;         // decimal fraction (the percentage / 100)
    double InflationRate = 0;   // decimal fraction (the percentage / 100), a year
    ScheduleDateOptions DateOptions;

    // Results.
    double FV = 0;
    double Principal = 0; // starting amount plus every deposit
    double Gain = 0;      // interest earned
    double TaxesPaid = 0;
    double InflationLoss = 0;
    double RealFV = 0;
    dates::DayNumber EndingDate = 0;
    double Term = 0; // years

    // Stores the inputs (the tax and inflation rates given in percent) and builds NumPmts rows.
    // Raises EFinance "Term can't be zero." for no payments, "Term can't be negative." for
    // fewer, and EInternalError for codes outside the lists.
    void Build(std::int16_t NumPmts, dates::DayNumber StartDate, double InflationRate,
               double TaxRate, std::uint8_t PmtMthd, std::uint8_t RateBasis, std::uint8_t CmpCode,
               std::uint8_t PmtCode, long double Rate, double Deposit, double PV);
    void BuildSchedule() override;

    // Calculates the rows as they stand: each row's own deposit and rate take effect.
    void Calculate() override;

    // Copies the given schedule's rows in (unless it is this engine's own), then Calculate.
    void Recalculate(const TFVSchedule& schedule);

    TFVSchedule& Schedule() { return schedule_; }
    const TFVSchedule& Schedule() const { return schedule_; }

private:
    // Grows `amount` over one row with the given annual rate and codes; sets row.Interest.
    double Grow(double amount, long double rate, std::uint8_t pmtCode, std::uint8_t cmpCode,
                int actualDays, TFVRow& row);
    void DateRows();

    TFVSchedule schedule_;
    TcalcFV fv_;
};

} // namespace quarvex::engine
