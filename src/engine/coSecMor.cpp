#include "engine/coSecMor.h"

#include "engine/EngineTypes.h"
#include "engine/LoanErrors.h"
#include "engine/RateConversion.h"
#include "engine/SolverMath.h"

#include <cmath>

namespace quarvex::engine {

namespace {

constexpr std::uint16_t kMonthly = 12;

} // namespace

void coSecMor::Init(double pp, double ca, double fm, std::int16_t ft, double fir, double sir) {
    if (ft < 0) {
        RaiseFinanceError(kFinNegativeTerm);
    }
    for (const double value : {pp, ca, fm, fir, sir}) {
        if (std::fabs(value) < ZeroTolerance) {
            RaiseLoanError(kLoanTooManyUnknowns);
        }
    }
    if (ft == 0) {
        RaiseLoanError(kLoanTooManyUnknowns);
    }
    PP = pp;
    CA = ca;
    FM = fm;
    FT = ft;
    FIR = fir;
    SIR = sir;
}

void coSecMor::Calculate() {
    const double i = static_cast<double>(PeriodicRate(kMonthly, kMonthly, FIR));
    const double first = pmtSolver_.Payment(FM, FT, i);
    const double gap =
        solver::RequireFinite(static_cast<long double>(PP) - CA - FM, kFinOutOfRange);
    if (gap > 0) {
        const double second = solver::RequireFinite(0.01L * SIR / 12 * gap, kFinOutOfRange);
        const double both =
            solver::RequireFinite(static_cast<long double>(first) + second, kFinOutOfRange);
        FP = first;
        SM = gap;
        SP = second;
        BP = both;
        return;
    }
    FP = first;
    messages_.Show("Second Mortgage not required.", MessageIcon::Error, MessageButtons::Ok);
    messages_.Show(
        "Cash available plus first mortgage is equal to or greater than the purchase price. ",
        MessageIcon::Error, MessageButtons::Ok);
    SP = 0;
    SM = 0;
    BP = FP;
}

} // namespace quarvex::engine
