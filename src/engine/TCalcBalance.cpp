#include "engine/TCalcBalance.h"

#include "engine/FinanceErrors.h"
#include "engine/Rounding.h"

namespace quarvex::engine {

namespace {

double Cents(double amount) {
    return RoundTo(RoundDecimals, amount);
}

} // namespace

double TCalcBalance::Balance(double& Bal, double& Interest, double PV, double Pmt, double i,
                             std::int32_t FromPeriod, std::int32_t ToPeriod, std::int32_t n,
                             AmortMethod method) const {
    if (n < ToPeriod) {
        throw EBadBalancePeriod();
    }
    if (static_cast<std::uint8_t>(method) > static_cast<std::uint8_t>(AmortMethod::RuleOf78s)) {
        return Bal;
    }
    if (method == AmortMethod::InterestOnly) {
        Bal = PV;
        return Bal;
    }

    // The principal of each period for the fixed-principal methods, and the interest pool of
    // the sum-of-digits rule.
    const double principal =
        (method == AmortMethod::FixedPrincipal || method == AmortMethod::NoInterest)
            ? Cents(Bal / n)
            : 0.0;
    const double totalInterest = static_cast<double>(n) * Pmt - PV;
    const double sumOfDigits = static_cast<double>(n) * (static_cast<double>(n) + 1) * 0.5;

    for (std::int32_t k = FromPeriod; k <= ToPeriod; ++k) {
        bool paidOff = false;
        switch (method) {
        case AmortMethod::FixedPrincipal: {
            Interest += Cents(Bal * i);
            Bal -= principal;
            paidOff = Bal <= 0;
            break;
        }
        case AmortMethod::NoInterest:
            Interest = 0;
            Bal -= principal;
            paidOff = Bal <= 0;
            break;
        case AmortMethod::RuleOf78s: {
            const double interest = Cents((n - k + 1) * totalInterest / sumOfDigits);
            Interest += interest;
            Bal = Bal + interest - Pmt;
            paidOff = Bal < 0;
            break;
        }
        default: {
            const double interest = Cents(Bal * i);
            Interest += interest;
            Bal = Bal + interest - Pmt;
            paidOff = Bal <= 0;
            break;
        }
        }
        if (paidOff || k == n) {
            Bal = 0;
            return 0.0;
        }
    }
    return Bal;
}

} // namespace quarvex::engine
