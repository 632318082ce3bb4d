#include "engine/coAffHse.h"

#include "engine/FinanceErrors.h"
#include "engine/SolverMath.h"

#include <cstdio>

namespace quarvex::engine {

void coAffHse::Init(double annualIncome, double cashAvailable, float rate, std::int16_t numPmts,
                    double estTaxIns, double estMaintenance, float percentIncome) {
    AnnualIncome = annualIncome;
    CashAvailable = cashAvailable;
    Rate = rate;
    NumPmts = numPmts;
    EstTaxIns = estTaxIns;
    EstMaintenance = estMaintenance;
    PercentIncome = percentIncome;
    if (AnnualIncome == 0) {
        throw EAffHosue();
    }
}

void coAffHse::Calculate() {
    // Everything is monthly.
    const double monthlyForPayment =
        0.01 * PercentIncome * AnnualIncome / 12 - (EstTaxIns + EstMaintenance) / 12;
    const double j = 0.01 * Rate / 12;
    double share = 0;
    if (monthlyForPayment > 0) {
        // At a zero rate the payments simply add up.
        PV = j == 0 ? monthlyForPayment * NumPmts
                    : solver::RequireFinite((1 - solver::PowerByLogs(1.0L / (1.0L + j), NumPmts)) *
                                                monthlyForPayment / j,
                                            kFinOutOfRange);
        AffordableAmount = PV + CashAvailable;
        share = AffordableAmount == 0 ? 0 : CashAvailable * 100 / AffordableAmount;
    } else {
        PV = 0;
        AffordableAmount = 0;
    }
    char figure[64];
    std::snprintf(figure, sizeof figure, "%6.2f", share);
    Text = std::string("Cash Available is ") + figure + "% of House Price.";
}

} // namespace quarvex::engine
