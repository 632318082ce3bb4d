#include "engine/coBallPmt.h"

#include "engine/EngineTypes.h"
#include "engine/RateConversion.h"
#include "engine/SolverMath.h"

namespace quarvex::engine {

void coBallPmt::Init(double pv, float rate, double fv, std::int16_t periodDue, std::uint16_t pyr,
                     std::uint16_t cmpPyr, std::uint8_t pmtMthd) {
    if (periodDue < 0) {
        RaiseFinanceError(kFinNegativeTerm);
    }
    PV = pv;
    Rate = rate;
    FV = fv;
    PeriodDue = periodDue;
    PYR = pyr;
    CmpPYR = cmpPyr;
    PmtMthd = pmtMthd;
}

void coBallPmt::Calculate() {
    // A question with a non-positive input has no answer; never show the previous one.
    if (!(PV > 0 && FV > 0 && Rate > 0 && PeriodDue > 0)) {
        Pmt = 0;
        return;
    }
    const double i = static_cast<double>(PeriodicRate(PYR, CmpPYR, Rate));
    const double amortized = PV - FV;
    if (IsAdvance(PmtMthd)) {
        const double payment = pmtSolver_.PaymentAdvance(amortized, PeriodDue, i);
        Pmt = solver::RequireFinite(payment + static_cast<long double>(i) * (FV - payment),
                                    kFinOutOfRange);
    } else {
        // Level payments amortize PV - FV while the balloon's interest is paid every period.
        Pmt = solver::RequireFinite(pmtSolver_.Payment(amortized, PeriodDue, i) +
                                        static_cast<long double>(i) * FV,
                                    kFinOutOfRange);
    }
}

} // namespace quarvex::engine
