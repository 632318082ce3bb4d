#include "engine/TCalcRate.h"

#include "engine/RateConversion.h"
#include "engine/SolverMath.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace quarvex::engine {

namespace {

std::string Approximation(const char* lead, double rate) {
    char figure[64];
    std::snprintf(figure, sizeof figure, "%2.4f", rate);
    return std::string(lead) + figure;
}

} // namespace

std::optional<double> TCalcRate::DirectRate(int n, std::uint16_t p, AmortMethod method, double Pmt,
                                            double PV) const {
    if (static_cast<long double>(n) * Pmt < PV) {
        RaiseFinanceError(kFinRateBelowZero);
    }
    solver::RequireKnownMethod(method);
    switch (method) {
    case AmortMethod::FixedPrincipal:
        throw ENotSupportedRateCalc();
    case AmortMethod::InterestOnly:
        return solver::RequireFinite(static_cast<long double>(Pmt) * 100 / PV * p, kFinOutOfRange);
    case AmortMethod::NoInterest:
        return 0.0;
    default:
        return std::nullopt; // level payments: iterate
    }
}

double TCalcRate::Rate(int n, std::uint16_t p, AmortMethod method, std::uint16_t c, double Pmt,
                       double PV) const {
    if (const auto direct = DirectRate(n, p, method, Pmt, PV)) {
        return *direct;
    }
    return Iterate({n, p, c, Pmt, PV}, true);
}

double TCalcRate::RateAdvance(int n, std::uint16_t p, AmortMethod method, std::uint16_t c,
                              double Pmt, double PV) const {
    if (const auto direct = DirectRate(n, p, method, Pmt, PV)) {
        return *direct;
    }
    if (n < 2) {
        return 0.0;
    }
    return Iterate({n - 1, p, c, Pmt, PV - Pmt}, false);
}

// Secant-like passes on the annual rate: each pass probes the discounted payments at r0 and
// r0 + RateProbe and moves by RateStep times the ratio of the miss to the probe's change.
double TCalcRate::Iterate(const Question& q, bool refuseNegative) const {
    const auto discounted = [&q](long double rate) {
        const long double i = PeriodicRate(q.p, q.c, static_cast<double>(rate));
        return q.Pmt * solver::AnnuityFactor(i, q.paymentsDiscounted);
    };

    long double r0 = RateStart;
    int passes = 0;
    bool lostTrack = false;
    for (;;) {
        ++passes;
        const long double a1 = discounted(r0);
        const long double a2 = discounted(r0 + RateProbe);
        const long double r1 = r0 + RateStep * (q.target - a1) / (a2 - a1);
        if (!std::isfinite(r1)) {
            // The probe met a rate with no meaning (a period rate at or below -100 %):
            // report the last trial rate as not solvable rather than a non-number.
            lostTrack = true;
            break;
        }
        if (std::fabs(r0 - r1) < ZeroTolerance || r0 > 100 || passes == MaxTries) {
            break;
        }
        r0 = r1;
    }
    lastPasses_ = passes;

    const double rate = static_cast<double>(r0);
    if (rate > 100) {
        throw ERateExceeds100(
            Approximation("Rate exceeds 100%.\r\rThis is an approximation: ", rate));
    }
    if (refuseNegative && rate < 0) {
        throw ERateExceeds100(Approximation(
            "Rate is less than 0.00%.\r\rIncrease the payment.\r\rThis is an approximation: ",
            rate));
    }
    if (passes == MaxTries || lostTrack) {
        throw ERateExceedsMaxTries(
            Approximation("Can't solve for rate.\r\rThis is an approximation: ", rate));
    }
    return rate;
}

} // namespace quarvex::engine
