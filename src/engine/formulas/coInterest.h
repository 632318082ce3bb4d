#pragma once

#include "engine/TcalcFV.h"
#include "framework/dates/Calendar.h"
#include "framework/dates/TcalcDateMath.h"

#include <cstdint>

namespace quarvex::engine {

// Compound or simple interest on an amount over a number of days, with the yield it makes
// over a 365-day year.
class coInterest {
public:
    double PV = 0;                               // amount
    std::int32_t NumDays = 0;                    // days the amount earns interest
    long double Rate = 0;                        // annual, percent
    dates::DayNumber StartDate = dates::kNoDate; // kept for the calculator, not used here
    dates::DayNumber EndDate = dates::kNoDate;
    std::uint8_t CmpPYR = 6;    // a Compounding code: 0 continuous, 1-10 a count, 11 simple
    std::uint8_t RateBasis = 3; // an InterestBasis code: its days in the year

    double Interest = 0;       // FV - PV
    double FV = 0;             // rounded to cents
    long double APY = 0;       // annual percentage yield over 365 days, percent
    long double DailyRate = 0; // decimal; 0 for continuous compounding

    // The calculator's date arithmetic (end date from start date and days, weekday names).
    dates::TcalcDateMath DateMath;

    // Stores the inputs and raises, in this order: "Term can't be zero." (107) or "The number of
    // days can't be negative." (114) for NumDays, "PV or Amount can't be zero." (108) and "Rate
    // can't be zero." (109) for an amount or rate below ZeroTolerance, "Not a valid compounding
    // period." (104) for a code past 11.
    void Init(double PV, std::int32_t NumDays, dates::DayNumber StartDate, long double Rate,
              dates::DayNumber EndDate, std::uint8_t CmpPYR, std::uint8_t RateBasis);

    // A rate of -100 % or less per compounding period, or a result too large to hold, raises
    // code 112 (out of range) or "Rounding Error."; the results then keep their values.
    void Calculate();

    // Days in the year of an InterestBasis code. "Ordinary" (interest by periods, no day count)
    // and codes past the table count a 365-day year.
    static int DaysInYearOf(std::uint8_t rateBasis);

private:
    void Validate() const;

    TcalcFV fv_;
};

} // namespace quarvex::engine
