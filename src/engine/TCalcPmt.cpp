#include "engine/TCalcPmt.h"

#include "engine/Rounding.h"
#include "engine/SolverMath.h"

namespace quarvex::engine {

using solver::AnnuityFactor;

namespace {

double RoundedPayment(long double payment) {
    return RoundTo(RoundDecimals, solver::RequireFinite(payment, kFinOutOfRange));
}

} // namespace

double TCalcPmt::Payment(double PV, int n, double i) const {
    return PaymentByMethod(AmortMethod::Normal, PV, n, i);
}

double TCalcPmt::PaymentAdvance(double PV, int n, double i) const {
    return PaymentByMethodAdvance(AmortMethod::Normal, PV, n, i);
}

double TCalcPmt::PaymentByMethod(AmortMethod method, double PV, int n, double i) const {
    solver::RequireKnownMethod(method);
    switch (method) {
    case AmortMethod::FixedPrincipal:
        RequireTermCount(n);
        return RoundedPayment(static_cast<long double>(PV) / n + static_cast<long double>(PV) * i);
    case AmortMethod::InterestOnly:
        return RoundedPayment(static_cast<long double>(PV) * i);
    case AmortMethod::NoInterest:
        RequireTermCount(n);
        return RoundedPayment(static_cast<long double>(PV) / n);
    default:
        RequireTermCount(n);
        if (i == 0) {
            return RoundedPayment(static_cast<long double>(PV) / n);
        }
        return RoundedPayment(PV * static_cast<long double>(i) /
                              (1.0L - solver::PowerByLogs(1.0L + i, -n)));
    }
}

double TCalcPmt::PaymentByMethodAdvance(AmortMethod method, double PV, int n, double i) const {
    solver::RequireKnownMethod(method);
    switch (method) {
    case AmortMethod::InterestOnly:
        return 0.0;
    case AmortMethod::FixedPrincipal:
    case AmortMethod::NoInterest:
        RequireTermCount(n);
        return RoundedPayment(static_cast<long double>(PV) / n);
    default:
        RequireTermCount(n);
        // The first payment is made at once; the rest are an annuity in arrears.
        return RoundedPayment(PV / (1.0L + AnnuityFactor(i, n - 1)));
    }
}

} // namespace quarvex::engine
