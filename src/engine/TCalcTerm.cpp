#include "engine/TCalcTerm.h"

#include "engine/Rounding.h"
#include "engine/SolverMath.h"

#include <cmath>

namespace quarvex::engine {

namespace {

double FiniteTerm(long double term) {
    return solver::RequireFinite(term, kFinInfiniteTerm);
}

} // namespace

double TCalcTerm::Term(AmortMethod method, double PV, double i, double Pmt) const {
    const long double interest = static_cast<long double>(i) * PV;
    // At equality the formulas below divide by zero: the loan is never paid off either.
    if (interest >= Pmt) {
        RaiseFinanceError(kFinInfiniteTerm);
    }
    solver::RequireKnownMethod(method);
    switch (method) {
    case AmortMethod::FixedPrincipal:
        return RoundHalfEven(FiniteTerm(PV / (Pmt - interest)));
    case AmortMethod::InterestOnly:
        throw EInfiniteTerm();
    case AmortMethod::NoInterest:
        return RoundHalfEven(FiniteTerm(static_cast<long double>(PV) / Pmt));
    default:
        if (i == 0) {
            return FiniteTerm(static_cast<long double>(PV) / Pmt);
        }
        return FiniteTerm(std::log(std::fabs(1.0L / (1.0L - interest / Pmt))) / std::log(1.0L + i));
    }
}

double TCalcTerm::TermAdvance(AmortMethod method, double PV, double i, double Pmt) const {
    if (static_cast<long double>(i) * PV > Pmt) {
        RaiseFinanceError(kFinInfiniteTerm);
    }
    solver::RequireKnownMethod(method);
    switch (method) {
    case AmortMethod::InterestOnly:
        throw EInfiniteTerm();
    case AmortMethod::FixedPrincipal:
    case AmortMethod::NoInterest:
        return FiniteTerm(static_cast<long double>(PV) / Pmt);
    default:
        if (i == 0) {
            return FiniteTerm(static_cast<long double>(PV) / Pmt);
        }
        return FiniteTerm(
            std::log(std::fabs(1.0L / (1.0L - i * (PV - Pmt) / Pmt))) / std::log(1.0L + i) + 1.0L);
    }
}

} // namespace quarvex::engine
