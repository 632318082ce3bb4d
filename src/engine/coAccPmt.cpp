#include "engine/coAccPmt.h"

#include "engine/EngineTypes.h"
#include "engine/FinanceErrors.h"
#include "engine/LoanErrors.h"
#include "engine/RateConversion.h"
#include "engine/Rounding.h"
#include "engine/SolverMath.h"

#include <cmath>

namespace quarvex::engine {

namespace {

double Cents(double amount) {
    return RoundTo(RoundDecimals, amount);
}

} // namespace

void coAccPmt::Init(double pv, std::int16_t numPmts, float rate, std::int16_t incAfter,
                    double extraPd, std::uint16_t pyr, std::uint16_t cmpPyr, std::uint8_t pmtMthd,
                    std::uint8_t amortMthd) {
    // Counts below zero name themselves; a term of none leaves no schedule to shorten.
    if (numPmts < 0) {
        RaiseFinanceError(kFinNegativeTerm);
    }
    RequirePeriodNumber(incAfter);
    if (std::fabs(pv) < ZeroTolerance || std::fabs(rate) < ZeroTolerance || numPmts == 0) {
        RaiseLoanError(kLoanTooManyUnknowns);
    }
    if (std::fabs(extraPd) < ZeroTolerance || incAfter == 0) {
        RaiseLoanError(kLoanNoExtraPayments);
    }
    PV = pv;
    NumPmts = numPmts;
    Rate = rate;
    IncAfter = incAfter;
    ExtraPd = extraPd;
    PYR = pyr;
    CmpPYR = cmpPyr;
    PmtMthd = pmtMthd;
    AmortMthd = amortMthd;
}

void coAccPmt::PayFirstAtOnce(Run& run, double principalPaid) const {
    run.balance -= principalPaid;
    run.period = 1;
    run.balance -= Extra(1);
}

void coAccPmt::RunOut(Run& run, Repayment repayment, double i, double payment) const {
    // The first period is always run; a loan in advance whose first payment already paid it
    // off has no period after it.
    while (run.period == 0 || (run.balance > 0 && run.period < NumPmts)) {
        ++run.period;
        const double interest = repayment == Repayment::NoInterest ? 0.0 : Cents(run.balance * i);
        run.newInterest += interest;
        if (repayment == Repayment::Level) {
            run.balance = run.balance + interest - payment;
        } else {
            run.balance -= payment;
        }
        run.balance -= Extra(run.period);
    }
}

double coAccPmt::ScheduledFixedPrincipalInterest(double from, double principal, double i) const {
    double interest = 0;
    for (double balance = from; balance > 0.1; balance -= principal) {
        interest += Cents(balance * i);
    }
    return interest;
}

void coAccPmt::Calculate() {
    const auto method = static_cast<AmortMethod>(AmortMthd);
    solver::RequireKnownMethod(method);
    if (method == AmortMethod::RuleOf78s) {
        throw ENotSupportedAmort();
    }
    const double i = static_cast<float>(PeriodicRate(PYR, CmpPYR, Rate));
    const bool advance = IsAdvance(PmtMthd);
    Run run;
    run.balance = PV;
    double baseInterest = 0;

    switch (method) {
    case AmortMethod::InterestOnly: {
        const double payment = Cents(PV * i);
        baseInterest = NumPmts * payment;
        if (advance) {
            PayFirstAtOnce(run, 0.0);
            baseInterest = (NumPmts - 1) * payment;
        }
        RunOut(run, Repayment::Level, i, payment);
        break;
    }
    case AmortMethod::FixedPrincipal: {
        const double principal = PV / NumPmts;
        if (advance) {
            PayFirstAtOnce(run, principal);
        }
        baseInterest = ScheduledFixedPrincipalInterest(advance ? PV - principal : PV, principal, i);
        RunOut(run, Repayment::FixedPrincipal, i, principal);
        break;
    }
    case AmortMethod::NoInterest:
        RunOut(run, Repayment::NoInterest, i, PV / NumPmts);
        break;
    default: {
        // The level payment of the loan as it is paid: in advance, the first one at once.
        const double payment = advance ? pmtSolver_.PaymentByMethodAdvance(method, PV, NumPmts, i)
                                       : pmtSolver_.PaymentByMethod(method, PV, NumPmts, i);
        baseInterest = NumPmts * payment - PV;
        if (advance) {
            PayFirstAtOnce(run, payment);
        }
        RunOut(run, Repayment::Level, i, payment);
        break;
    }
    }

    NewNumPmts = static_cast<std::int16_t>(run.period);
    IntSaved = method == AmortMethod::NoInterest ? 0.0 : baseInterest - run.newInterest;
}

} // namespace quarvex::engine
