#pragma once

#include "amortization/AmortInputs.h"
#include "amortization/AmortResults.h"
#include "amortization/TAmortSchedule.h"

namespace quarvex::amortization {

// The calculator's "Calc": solves the zero quantity of amount, number of payments, rate and
// payment (the payment too when ForcePmtCalc is on), applies points, the balloon period, the
// initial interest-only payments and "Half Monthly" acceleration, builds the schedule with the
// engine of the method (optimising the payment when asked), and runs one recalculation for
// "Prepaid Principal". On success the solved value (and, for Canadian loans, the frequency
// and compounding) is written back to `inputs` and `destination` gets the rows; on failure
// both are left as they were.
AmortResults CalculateSchedule(AmortInputs& inputs, TAmortSchedule& destination,
                               const AmortContext& context);

// The calculator's "Recalc": recalculates the edited rows of `schedule` in place with the
// inputs' loan and settings (nothing is solved). The schedule is replaced only on success.
AmortResults RecalculateSchedule(AmortInputs& inputs, TAmortSchedule& schedule,
                                 const AmortContext& context);

// The balance that pays the loan of `schedule` off on `date` (the summary's payoff): the
// balance of the last row on or before the date plus the interest accrued since, under the
// rate basis given. A date before the loan raises code 214.
double PayoffOnDate(TAmortSchedule& schedule, dates::DayNumber date, InterestBasis rateBasis,
                    const Clock& clock);

} // namespace quarvex::amortization
