#include "engine/formulas/coInterest.h"

#include "engine/EngineTypes.h"
#include "engine/FinanceErrors.h"
#include "engine/RateConversion.h"
#include "engine/formulas/FormulaGuards.h"

#include <cmath>

namespace quarvex::engine {

namespace {

constexpr std::uint8_t kContinuous = static_cast<std::uint8_t>(Compounding::Continuous);
constexpr std::uint8_t kSimple = static_cast<std::uint8_t>(Compounding::Simple);
constexpr long double kFixedPointScale = 10000.0L; // TcalcFV counts ten-thousandths
constexpr long double kYieldYearDays = 365.0L;     // the yield is annualized over 365 days

} // namespace

int coInterest::DaysInYearOf(std::uint8_t rateBasis) {
    if (rateBasis < kDaysInYear.size() && kDaysInYear[rateBasis] > 0) {
        return kDaysInYear[rateBasis];
    }
    return 365;
}

void coInterest::Init(double pv, std::int32_t numDays, dates::DayNumber startDate, long double rate,
                      dates::DayNumber endDate, std::uint8_t cmpPyr, std::uint8_t rateBasis) {
    PV = pv;
    NumDays = numDays;
    StartDate = startDate;
    Rate = rate;
    EndDate = endDate;
    CmpPYR = cmpPyr;
    RateBasis = rateBasis;
    Validate();
}

void coInterest::Validate() const {
    RequireDayCount(NumDays);
    if (!(std::fabs(PV) >= ZeroTolerance)) {
        RaiseFinanceError(kFinZeroAmount);
    }
    if (!(std::fabs(Rate) >= ZeroTolerance)) {
        RaiseFinanceError(kFinZeroRate);
    }
    if (CmpPYR > kSimple) {
        RaiseFinanceError(kFinBadCompounding);
    }
}

void coInterest::Calculate() {
    Validate();
    using formulas::Finite;
    const int daysInYear = DaysInYearOf(RateBasis);
    const double rate = static_cast<double>(Rate);

    long double dailyRate = 0;
    if (CmpPYR == kContinuous) {
        fv_.ContinuousFV(PV, 0.01 * rate, NumDays, daysInYear);
    } else if (CmpPYR == kSimple) {
        dailyRate = 0.01L * Rate / daysInYear;
        fv_.SimpleFV(PV, static_cast<double>(dailyRate), NumDays);
    } else {
        const double perYear = PeriodsPerYear(static_cast<std::uint8_t>(CmpPYR - 1));
        // Losing all or more in one compounding period leaves no daily rate to compound.
        formulas::RequireGrowth(1.0L + 0.01L * Rate / perYear);
        dailyRate = Finite(NominalRateAtFrequency(daysInYear, perYear, rate) / daysInYear);
        fv_.CompoundFVPeriods(PV, static_cast<double>(dailyRate), NumDays);
    }

    const long double futureValue = fv_.FutureValue / kFixedPointScale;
    const long double interest = fv_.Interest / kFixedPointScale;
    // FV / PV: the growth over the term, annualized. A growth of zero or less (an amount
    // wholly lost) has no yield to annualize.
    const long double growth = formulas::RequireGrowth(interest / PV + 1.0L);
    const long double apy = Finite((std::pow(growth, kYieldYearDays / NumDays) - 1.0L) * 100.0L);

    DailyRate = dailyRate;
    FV = static_cast<double>(futureValue);
    Interest = static_cast<double>(interest);
    APY = apy;
}

} // namespace quarvex::engine
