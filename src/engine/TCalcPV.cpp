#include "engine/TCalcPV.h"

#include "engine/SolverMath.h"

namespace quarvex::engine {

namespace {

double FiniteAmount(long double amount) {
    return solver::RequireFinite(amount, kFinOutOfRange);
}

} // namespace

double TCalcPV::PresentValue(int n, AmortMethod method, double i, double Pmt) const {
    solver::RequireKnownMethod(method);
    switch (method) {
    case AmortMethod::FixedPrincipal:
        throw ENotSupportedPVCalc();
    case AmortMethod::InterestOnly:
        if (i == 0) {
            RaiseFinanceError(kFinZeroRate);
        }
        return FiniteAmount(Pmt / static_cast<long double>(i));
    case AmortMethod::NoInterest:
        return FiniteAmount(static_cast<long double>(n) * Pmt);
    default:
        return FiniteAmount(Pmt * solver::AnnuityFactor(i, n));
    }
}

double TCalcPV::PresentValueAdvance(int n, AmortMethod method, double i, double Pmt) const {
    solver::RequireKnownMethod(method);
    switch (method) {
    case AmortMethod::FixedPrincipal:
    case AmortMethod::NoInterest:
        return FiniteAmount(static_cast<long double>(n) * Pmt);
    case AmortMethod::InterestOnly:
        throw ENotSupportedPVCalc();
    default:
        return FiniteAmount(Pmt * (1.0L + solver::AnnuityFactor(i, n - 1)));
    }
}

} // namespace quarvex::engine
