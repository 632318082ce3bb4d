#include "engine/coAffHse.h"

#include "engine/FinanceErrors.h"
#include "engine/SolverMath.h"

#include <cstdio>

namespace quarvex::engine {

namespace {

double Held(long double amount) {
    return solver::RequireFinite(amount, kFinOutOfRange);
}

} // namespace

void coAffHse::Init(double annualIncome, double cashAvailable, float rate, std::int16_t numPmts,
                    double estTaxIns, double estMaintenance, float percentIncome) {
    AnnualIncome = annualIncome;
    CashAvailable = cashAvailable;
    Rate = rate;
    NumPmts = numPmts;
    EstTaxIns = estTaxIns;
    EstMaintenance = estMaintenance;
    PercentIncome = percentIncome;
    // The income comes first: a blank form is answered with what it lacks most.
    if (AnnualIncome == 0) {
        throw EAffHosue();
    }
    RequireTermCount(NumPmts);
    if (CashAvailable < 0) {
        throw ENegativeCash();
    }
}

void coAffHse::Calculate() {
    // Everything is monthly.
    const double monthlyForPayment =
        Held(0.01L * PercentIncome * AnnualIncome / 12 - (EstTaxIns + EstMaintenance) / 12.0L);
    const double j = 0.01 * Rate / 12;
    double financed = 0;
    double affordable = 0;
    double share = 0;
    if (monthlyForPayment > 0) {
        // At a zero rate the payments simply add up.
        financed = j == 0 ? Held(static_cast<long double>(monthlyForPayment) * NumPmts)
                          : Held((1 - solver::PowerByLogs(1.0L / (1.0L + j), NumPmts)) *
                                 monthlyForPayment / j);
        affordable = Held(static_cast<long double>(financed) + CashAvailable);
        share = affordable == 0 ? 0 : Held(CashAvailable * 100.0L / affordable);
    }
    char figure[64];
    std::snprintf(figure, sizeof figure, "%6.2f", share);
    PV = financed;
    AffordableAmount = affordable;
    Text = std::string("Cash Available is ") + figure + "% of House Price.";
}

} // namespace quarvex::engine
