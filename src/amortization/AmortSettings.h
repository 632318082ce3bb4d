#pragma once

#include "amortization/AmortCodes.h"

#include <cstdint>

namespace quarvex::amortization {

// The twelve loan settings of an amortization schedule, in the order the engine takes them.
// The initial values are those a calculator starts with when nothing is stored.
struct AmortSettings {
    InterestBasis RateBasis = InterestBasis::Ordinary;
    AccelMethod AccelMthd = AccelMethod::NoAcceleration;
    PointsPaid PointsPaidMthd = PointsPaid::WithOrigination;
    std::uint8_t TwiceMonthly = 0;  // twice-monthly day pair, 0-12
    std::uint8_t WeekendAdjust = 0; // weekend adjustment, 0-3
    LastPeriodAdjust AdjustLastMthd = LastPeriodAdjust::IncreasePayment;
    LastDayOfMonth LastDayMonthMthd = LastDayOfMonth::Adjust;
    OddDaysPaid LongInterestPmtMthd = OddDaysPaid::WithOrigination;
    OddDaysCalc LongInterestCalcMthd = OddDaysCalc::Compound360;
    ShortPeriodPaid ShortInterestPmtMthd = ShortPeriodPaid::ReduceFirst;
    ShortPeriodCalc ShortInterestCalcMthd = ShortPeriodCalc::Simple360;
    bool USRule = false;

    friend bool operator==(const AmortSettings&, const AmortSettings&) = default;
};

// Raises EAmort (code 299, "Unknown amortization error.") when a code lies outside its list.
void ValidateSettings(const AmortSettings& settings);

} // namespace quarvex::amortization
