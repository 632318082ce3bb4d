#pragma once

#include "amortization/AmortInputs.h"
#include "amortization/AmortResults.h"
#include "framework/dates/Calendar.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quarvex::amortization::database {

// A loan as the amortization calculator and the schedule database exchange it: the inputs,
// the twelve settings, the key results and the switches, one record per save or load. Its
// fields are the calculation fields of the loan table (AmortTables.h gives the columns).
struct TLoanRec {
    std::string LoanNo;
    double PV = 0;
    std::uint16_t NumPmts = 0;
    float Rate = 0; // annual, percent
    double Pmt = 0;
    dates::DayNumber OrgDate = dates::kNoDate;
    dates::DayNumber FirstPmtDate = dates::kNoDate;
    std::uint8_t PYR = kMonthlyCode; // payment frequency code 1-10 (payment-period index + 1)
    std::uint8_t CmpPYR = 6;         // compounding code 0-11
    float Points = 0;                // percent of the amount
    std::uint8_t AmortMthd = 0;
    std::uint8_t RateBasis = 0;
    std::uint8_t PmtMthd = 0; // 1 when the first payment falls on the origination date
    std::uint8_t AccelMthd = 0;
    std::uint8_t PointsPaidMthd = 1;
    std::uint8_t TwiceMonthly = 0;
    std::uint8_t WeekendAdjust = 0;
    std::uint8_t AdjustLastMthd = 1;
    bool USRule = false;
    std::uint8_t LastDayMonthMthd = 1;
    std::uint8_t LongInterestPmtMthd = 1;
    std::uint8_t LongInterestCalcMthd = 4;
    std::uint8_t ShortInterestPmtMthd = 1;
    std::uint8_t ShortInterestCalcMthd = 2;
    double TotalPmts = 0;
    double OddDaysInterest = 0;
    std::int32_t OddDays = 0;
    std::int32_t IntOnlyPmts = 0;
    std::int32_t BalloonPeriod = 0; // 0 for none
    double OneTimeFees = 0;
    double PointsAmt = 0;
    std::int32_t DaysToFirstPmt = 0;
    std::int32_t WholePeriods = 0;
    double OddFraction = 0;
    std::int32_t DaysToLastPmt = 0;
    std::int32_t PmtsPerYear = 0;
    bool ForcePmtCalc = true;
    bool RecalcPmtAfterZero = true;
    bool OptimizePmts = true;

    friend bool operator==(const TLoanRec&, const TLoanRec&) = default;
};

// What the amortization calculator holds of a loan besides its rows: the inputs with the
// settings, balloon period, interest-only payments and switches, the one-time fees, and the
// year-ending month of its year tabs. A loan record has no year ending: loading one keeps
// the calculator's.
struct LoanCalculation {
    AmortInputs inputs;
    double OneTimeFees = 0;
    std::uint8_t YearEnding = 12; // 1-12
};

// The record the calculator saves after a calculation: its inputs and the results of it.
TLoanRec MakeLoanRec(std::string_view loanNo, const LoanCalculation& calculation,
                     const AmortResults& results);

// Puts a loaded loan into the calculator's inputs: amount, payments, rate, payment, dates,
// frequency (index = code - 1), compounding, points, method, the twelve settings, interest-only
// payments, balloon period, one-time fees and the switches. Every value is checked first:
// one that no calculation can take (a frequency code 0, a method 9, a negative count, a
// missing date) raises EAmortDB naming the loan, and `calculation` is left as it was.
void ApplyLoanRec(const TLoanRec& loan, LoanCalculation& calculation);

// The results a loan record keeps (points amount, first period, totals), for showing before
// the recalculation that follows a load rebuilds them all.
AmortResults StoredResults(const TLoanRec& loan);

} // namespace quarvex::amortization::database
