#include "engine/TCalcTerm.h"

#include "engine/Rounding.h"
#include "engine/SolverMath.h"

#include <cmath>

namespace quarvex::engine {

namespace {

// A payment less than half a cent above the first period's interest counts as equal to it:
// the loan sees its rate in single precision, so the interest that a payment was meant to
// match exactly can come out a hair below it.
constexpr long double kHalfCent = 0.005L;

// The loan in its own direction: money lent out (a negative amount repaid by negative
// payments) takes as many payments as its mirror image, and a payment of the other sign
// than the amount only adds to the debt, less than any interest.
struct Direction {
    long double pv;
    long double pmt;
};

Direction Oriented(double PV, double Pmt) {
    return PV < 0 ? Direction{-static_cast<long double>(PV), -static_cast<long double>(Pmt)}
                  : Direction{PV, Pmt};
}

// An infinite count means payments that exceed the interest by too little to ever end
// within a count we can hold; a non-number means no count at all.
double FiniteTerm(long double term) {
    if (std::isinf(term) && term > 0) {
        RaiseFinanceError(kFinTermTooLong);
    }
    return solver::RequireFinite(term, kFinInfiniteTerm);
}

} // namespace

double TCalcTerm::Term(AmortMethod method, double PV, double i, double Pmt) const {
    const auto [pv, pmt] = Oriented(PV, Pmt);
    const long double interest = i * pv;
    // At equality the formulas below divide by zero: the loan is never paid off either.
    if (pmt <= 0 || pmt - interest < kHalfCent) {
        RaiseFinanceError(kFinInfiniteTerm);
    }
    solver::RequireKnownMethod(method);
    switch (method) {
    case AmortMethod::FixedPrincipal:
        return RoundHalfEven(FiniteTerm(pv / (pmt - interest)));
    case AmortMethod::InterestOnly:
        throw EInfiniteTerm();
    case AmortMethod::NoInterest:
        return RoundHalfEven(FiniteTerm(pv / pmt));
    default:
        if (i == 0) {
            return FiniteTerm(pv / pmt);
        }
        return FiniteTerm(std::log(std::fabs(1.0L / (1.0L - interest / pmt))) / std::log(1.0L + i));
    }
}

double TCalcTerm::TermAdvance(AmortMethod method, double PV, double i, double Pmt) const {
    const auto [pv, pmt] = Oriented(PV, Pmt);
    // Paid at the start of each period, a payment equal to the interest still reduces the
    // balance: only a smaller one never ends.
    if (pmt <= 0 || i * pv > pmt) {
        RaiseFinanceError(kFinInfiniteTerm);
    }
    solver::RequireKnownMethod(method);
    switch (method) {
    case AmortMethod::InterestOnly:
        throw EInfiniteTerm();
    case AmortMethod::FixedPrincipal:
    case AmortMethod::NoInterest:
        return FiniteTerm(pv / pmt);
    default:
        if (i == 0) {
            return FiniteTerm(pv / pmt);
        }
        return FiniteTerm(
            std::log(std::fabs(1.0L / (1.0L - i * (pv - pmt) / pmt))) / std::log(1.0L + i) + 1.0L);
    }
}

} // namespace quarvex::engine
