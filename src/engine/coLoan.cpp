#include "engine/coLoan.h"

#include "engine/FinanceErrors.h"
#include "engine/RateConversion.h"
#include "engine/Rounding.h"
#include "engine/SolverMath.h"

#include <cmath>
#include <limits>

namespace quarvex::engine {

namespace {

constexpr double kZeroField = 0.01;

} // namespace

std::uint8_t coLoan::Init(double pv, std::int16_t numPmts, float rate, double pmt,
                          std::uint16_t pyr, std::uint16_t cmpPyr, std::uint8_t pmtMthd,
                          std::uint8_t amortMthd) {
    // Zero payments is the unknown; fewer is no loan at all, and nothing is kept of it.
    if (numPmts < 0) {
        RaiseFinanceError(kFinNegativeTerm);
    }
    PV = pv;
    NumPmts = numPmts;
    Rate = amortMthd == static_cast<std::uint8_t>(AmortMethod::NoInterest) ? 0.0f : rate;
    Pmt = pmt;
    PYR = pyr;
    CmpPYR = cmpPyr;
    PmtMthd = pmtMthd;
    AmortMthd = amortMthd;

    int zeros = 0;
    std::uint8_t unknown = kNone;
    const auto hit = [&](bool isZero, UnknownField field) {
        if (isZero) {
            ++zeros;
            unknown = field;
        }
    };
    hit(std::fabs(PV) < kZeroField, kPV);
    hit(NumPmts == 0, kNumPmts);
    hit(std::fabs(Rate) < kZeroField && Method() != AmortMethod::NoInterest, kRate);
    hit(std::fabs(Pmt) < kZeroField, kPmt);
    if (zeros >= 2) {
        throw ETooManyUnknowns();
    }
    Unknown = unknown;
    return Unknown;
}

void coLoan::Calculate() {
    if (Unknown < kPV || Unknown > kPmt) {
        throw EInternalError::NotInitialized();
    }
    if (CmpPYR == 0) {
        throw EInternalError::ZeroCompounding();
    }
    Interest = 0;
    // The solvers see the periodic rate in single precision, as the loan stores its rate.
    const double i = static_cast<float>(PeriodicRate(PYR, CmpPYR, Rate));

    // Solved on a copy, so that a failure leaves every field as it was.
    coLoan solved = *this;
    switch (Unknown) {
    case kPmt:
        solved.Pmt = InAdvance() ? pmtSolver_.PaymentByMethodAdvance(Method(), PV, NumPmts, i)
                                 : pmtSolver_.PaymentByMethod(Method(), PV, NumPmts, i);
        break;
    case kNumPmts:
        solved.NumPmts = SolveTerm(i);
        break;
    case kRate:
        solved.Rate = static_cast<float>(
            InAdvance() ? rateSolver_.RateAdvance(NumPmts, PYR, Method(), CmpPYR, Pmt, PV)
                        : rateSolver_.Rate(NumPmts, PYR, Method(), CmpPYR, Pmt, PV));
        break;
    default:
        solved.PV = InAdvance() ? pvSolver_.PresentValueAdvance(NumPmts, Method(), i, Pmt)
                                : pvSolver_.PresentValue(NumPmts, Method(), i, Pmt);
        break;
    }
    const double interest = solved.InterestForTerm();

    PV = solved.PV;
    NumPmts = solved.NumPmts;
    Rate = solved.Rate;
    Pmt = solved.Pmt;
    Interest = interest;
}

double coLoan::InterestForTerm() const {
    switch (Method()) {
    case AmortMethod::FixedPrincipal:
    case AmortMethod::NoInterest:
        return 0;
    case AmortMethod::InterestOnly:
        return solver::RequireFinite(NumPmts * Pmt, kFinOutOfRange);
    default:
        return solver::RequireFinite(NumPmts * Pmt - PV, kFinOutOfRange);
    }
}

// A term that cannot be stored in the 16-bit count is reported, never wrapped.
std::int16_t coLoan::SolveTerm(double periodicRate) const {
    const double term =
        RoundHalfEven(InAdvance() ? termSolver_.TermAdvance(Method(), PV, periodicRate, Pmt)
                                  : termSolver_.Term(Method(), PV, periodicRate, Pmt));
    if (term > std::numeric_limits<std::int16_t>::max()) {
        RaiseFinanceError(kFinTermTooLong);
    }
    // Less than half a payment rounds to none: the payment is well over the amount.
    if (term < 1) {
        RaiseFinanceError(kFinPaymentOverAmount);
    }
    return static_cast<std::int16_t>(term);
}

} // namespace quarvex::engine
