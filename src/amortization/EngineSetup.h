#pragma once

#include "amortization/AmortInputs.h"
#include "amortization/FlexAmortTerms.h"

namespace quarvex::amortization {

// The engine's view of a calculation's inputs, shared by the calculation and the
// recalculation.
struct EngineSetup {
    FlexAmortTerms Terms;
    bool BalloonUsed = false; // the schedule stops at the balloon period
    bool HalfMonthly = false; // half the monthly payment every two weeks
};

// Checks and normalises the method and the codes: an unknown method raises EInvalidAmort, a
// payment period index past the list code 299, a compounding code past the list EFinance
// "Not a valid compounding period."; Canadian loans are monthly with semiannual compounding
// (written back to `inputs`) and "No Interest" loans have the rate 0.
void NormaliseInputs(AmortInputs& inputs);

// Payments the level payment is solved over: NumPmts, less the initial interest-only payments
// when ForcePmtCalc is on and NumPmts exceeds them.
int SolveTermOf(const AmortInputs& inputs);

// The rate the level payment is solved at, so that the payment fits the interest the rows
// will charge. The loan solver charges a twelfth of the annual rate a month (a 360-day year of
// 30-day months); the bases that charge a year of another length are corrected by the ratio:
// "Ordinary/365" charges 360 nominal days out of a 365-day year (rate x 360 / 365), and
// "Actual/360" charges 365 actual days out of a 360-day year (rate x 365 / 360). "Ordinary",
// "Ordinary/360" and "Actual/365" charge a whole year's rate over a year and solve at the rate
// itself. (Correcting "Actual/365" instead of "Actual/360" solved both too low: the last
// payment of a 30-year loan of 200 000 at 6.5 % took some 14 000 more than the others.)
// Rates of 0.01 % or less are left as they are.
long double SolvingRate(long double rate, InterestBasis basis);
// The loan's own rate from a rate the solver found at the corrected rate.
long double LoanRateOfSolvingRate(long double solvingRate, InterestBasis basis);

// The points amount: Points % of the amount, to the cent; 0 without points.
double PointsAmountOf(const AmortInputs& inputs);

// The engine's terms from the solved inputs: balloon period (the schedule stops at it and the
// last payment takes the balance), "Half Monthly" (half the payment, every two weeks, twice
// the payments; code 202 unless monthly), and how the payment was solved.
EngineSetup MakeEngineSetup(const AmortInputs& inputs, double pointsAmt);

} // namespace quarvex::amortization
