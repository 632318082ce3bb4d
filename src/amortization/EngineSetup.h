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

// The rate the payment is solved at: the "Ordinary/365" and "Actual/365" bases charge a
// period's nominal days out of a 365-day year, so they solve at the rate x 360 / 365.
double SolvingRate(double rate, InterestBasis basis);
bool SolvesAtCorrectedRate(InterestBasis basis);

// The points amount: Points % of the amount, to the cent; 0 without points.
double PointsAmountOf(const AmortInputs& inputs);

// The engine's terms from the solved inputs: balloon period (the schedule stops at it and the
// last payment takes the balance), "Half Monthly" (half the payment, every two weeks, twice
// the payments; code 202 unless monthly), and how the payment was solved.
EngineSetup MakeEngineSetup(const AmortInputs& inputs, double pointsAmt);

} // namespace quarvex::amortization
