#pragma once

#include "amortization/AmortCodes.h"
#include "amortization/AmortSettings.h"
#include "framework/dates/Calendar.h"

#include <cstdint>

namespace quarvex::amortization {

// How the loan's payment was solved, for the steps that solve it again or split the loan by
// its term. Zeros mean "as the engine's own": a plain schedule needs none of it. The
// calculation fills it in where the engine's NumPmts or frequency is not the loan's term:
// under a balloon period (the schedule stops before the term), "Half Monthly" acceleration
// (half the monthly payment every two weeks) and initial interest-only payments with a forced
// payment solve (the payment amortizes over the later payments only).
struct PaymentBasis {
    std::int32_t TermPmts = 0;      // payments of the whole loan (0: the engine's NumPmts)
    std::int32_t SolveTermPmts = 0; // payments the level payment amortizes over (0: TermPmts)
    std::uint8_t FrequencyCode = 0; // frequency the payment was solved at (0: the engine's)
    double Scale = 1.0;             // factor on the solved payment (0.5 under "Half Monthly")
};

// The inputs of coFlexAmort::Init, in the order the engine takes them.
struct FlexAmortTerms {
    std::uint16_t NumPmts = 0;
    dates::DayNumber OrgDate = 0;
    double PV = 0;
    double Pmt = 0;
    float Rate = 0; // annual, percent
    dates::DayNumber FirstPmtDate = 0;
    std::uint8_t PYR = kMonthlyCode; // payment frequency code 1-10
    std::uint8_t CmpPYR = 6;         // compounding code 0-11
    AmortMethod AmortMthd = AmortMethod::Normal;
    AmortSettings Settings;
    double PointsAmt = 0;
    std::int32_t IntOnlyPmts = 0;
    bool RecalcPmtAfterZero = false;
    PaymentBasis Basis;
};

// What a flexible engine publishes after Calculate or Recalculate; all 0 until then.
struct FlexAmortResults {
    amortization::FirstPeriodKind FirstPeriodKind = amortization::FirstPeriodKind::Short;
    std::int32_t OddDays = 0;      // odd days of the first period
    std::int32_t WholePeriods = 0; // whole payment periods from origination to first payment
    double OddFraction = 0;        // short: the whole fraction; long: the part past whole periods
    double OddDaysInterest = 0;
    double FinalBalance = 0; // balance of the last row before the last-period adjustment
    std::int32_t LastTransNo = 0;
    dates::DayNumber LastPmtDate = 0;
    double LastPmt = 0;
    double TotalPmts = 0;     // RunningPmt of the last row
    double TotalInterest = 0; // RunningInt of the last row
    double LastInterest = 0;
    double LastPrincipal = 0;
    std::int16_t NumYears = 0;
    std::int32_t DaysToLastPmt = 0; // last payment date - OrgDate
    double FirstPmt = 0;            // payment of row 1 as built
};

} // namespace quarvex::amortization
