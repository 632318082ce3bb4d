#include "engine/formulas/coEquRate.h"

#include "engine/FinanceErrors.h"
#include "engine/RateConversion.h"
#include "engine/formulas/FormulaGuards.h"

#include <cmath>

namespace quarvex::engine {

namespace {

constexpr long double kUnknownRate = 0.001; // a rate below this is the one to solve
constexpr long double kKnownRate = 0.1;     // a rate above this can be solved from
constexpr int kDailyCompounding = 365;

// A rate conversion in percent. The conversions compute their powers through logarithms, so
// a rate of -100 % or less per compounding period comes back as a non-number: refused.
long double Percent(long double decimalRate) {
    return formulas::Finite(decimalRate * 100.0L);
}

} // namespace

void coEquRate::Init(std::int32_t cmpPyr, std::int32_t daysInYear, long double nominalRate,
                     long double effectiveRate) {
    CmpPYR = cmpPyr;
    DaysInYear = daysInYear;
    NominalRate = nominalRate;
    EffectiveRate = effectiveRate;
    Validate();
}

void coEquRate::Validate() const {
    formulas::RequireCompoundingCount(CmpPYR);
    formulas::RequireDaysInYear(DaysInYear);
}

void coEquRate::Calculate() {
    Validate();
    const double d = DaysInYear;
    const double n = CmpPYR >= kDailyCompounding ? d : CmpPYR;

    long double nominal = NominalRate;
    long double effective = EffectiveRate;
    if (std::fabs(nominal) < kUnknownRate && std::fabs(effective) > kKnownRate) {
        nominal = Percent(NominalRateAtFrequency(n, 1, static_cast<double>(effective)));
    } else if (std::fabs(nominal) > kKnownRate) {
        effective = Percent(PeriodicRate(1, n, static_cast<double>(nominal)));
    } else {
        throw ETooManyUnknowns();
    }

    const double r = static_cast<double>(nominal);
    const long double thisDaily = Percent(NominalRateAtFrequency(d, n, r) / d);
    const long double thisPeriodic = Percent(PeriodicRate(n, n, r));
    const long double annual = Percent(PeriodicRate(1, 1, r));
    const long double semiAnnual = Percent(PeriodicRate(1, 2, r));
    const long double monthly = Percent(PeriodicRate(1, 12, r));
    const long double daily = Percent(PeriodicRate(1, d, r));

    NominalRate = nominal;
    EffectiveRate = effective;
    ThisDailyRate = thisDaily;
    ThisPeriodicRate = thisPeriodic;
    Annual = annual;
    SemiAnnual = semiAnnual;
    Monthly = monthly;
    Daily = daily;
}

} // namespace quarvex::engine
