#pragma once

#include "amortization/TAmortSchedule.h"
#include "engine/cashflow/CashFlowLists.h"
#include "framework/dates/Calendar.h"

#include <cstdint>
#include <vector>

// The annual percentage rate of a scheduled loan: the rate at which what the borrower really
// receives at origination (the amount less points and one-time fees) equals every scheduled
// payment, the first discounted over the true length of the first period (the actuarial
// method of Regulation Z).
namespace quarvex::amortization {

// What the APR of a calculated loan is derived from.
struct AprInputs {
    double PV = 0;          // the loan amount
    double OneTimeFees = 0; // application, credit check and other one-time fees
    // Payment frequency code (1-10) of the schedule's rows. Under "Half Monthly" acceleration
    // the rows are biweekly although the loan is monthly: the rows are what is discounted.
    std::uint8_t FrequencyCode = 6;
    dates::DayNumber OrgDate = 0;
    dates::DayNumber FirstPmtDate = 0;
    // The first period as the engine measured it in periods of the rows' frequency.
    std::int32_t WholePeriods = 1;
    double OddFraction = 0;
};

// The loan's cash flows. Flow 0 is what the borrower really receives, negative: the amount less
// the one-time fees and less whatever the opening row charges at origination (points and
// odd-days interest paid "With Origination": the opening row's Pmt). Flow k is row k's Pmt +
// ExtraPmt for every row after the opening row. Points paid "With First" are in row 1's
// payment and "Amortized" points in every payment, so they come off nothing; taking the points
// off flow 0 whatever their method counted those twice. `flows` is cleared first; it keeps its
// storage.
void BuildAprFlows(const TAmortSchedule& schedule, const AprInputs& inputs,
                   std::vector<engine::TOffsetCashFlow>& flows);
std::vector<engine::TOffsetCashFlow> BuildAprFlows(const TAmortSchedule& schedule,
                                                   const AprInputs& inputs);

// Where the first payment lies and how the rate is annualised.
struct AprTiming {
    double Offset = 1; // payment periods from origination to the first payment
    double PYR = 12;   // periods per year
};

// Offset = WholePeriods + OddFraction (1 for a regular period paid in arrears, below 1 for a
// short one, above 1 for a long one, 0 for payments in advance) at the rows' periods per year.
// A single daily payment 1 to 364 days after origination is one period of that many days:
// Offset 1 and PYR 365 / days. A single daily payment on the origination day itself has no
// period to put a rate on: EFinError "Sorry, can't derive APR.".
AprTiming AprTimingOf(const AprInputs& inputs, std::size_t flowCount);

// The APR in percent: BuildAprFlows, AprTimingOf, and the APR iteration of coIRR (Newton's
// method from the guesses 0.1, 0.05 and 0.01). Raises EFinError "Sorry, can't derive APR."
// when no rate can be found.
long double DeriveApr(const TAmortSchedule& schedule, const AprInputs& inputs);
long double DeriveApr(const std::vector<engine::TOffsetCashFlow>& flows, const AprInputs& inputs);

} // namespace quarvex::amortization
