#pragma once

#include <cstdint>
#include <string>

namespace quarvex::engine {

// The house price a buyer can afford from a share of income, monthly payments and cash.
class coAffHse {
public:
    double AnnualIncome = 0;
    double CashAvailable = 0;
    float Rate = 0;
    std::int16_t NumPmts = 0;
    double EstTaxIns = 0;      // estimated taxes and insurance per year
    double EstMaintenance = 0; // estimated maintenance per year
    float PercentIncome = 0;   // percent of income available for payments

    double PV = 0;               // amount financed
    double AffordableAmount = 0; // affordable house price
    std::string Text;            // "Cash Available is ...% of House Price."

    // Raises, in this order: EAffHosue when the annual income is zero, "Term can't be zero." or
    // "Term can't be negative." for NumPmts, ENegativeCash for cash below zero.
    void Init(double AnnualIncome, double CashAvailable, float Rate, std::int16_t NumPmts,
              double EstTaxIns, double EstMaintenance, float PercentIncome);
    // A figure too large to hold raises code 112 (out of range); the results then keep their
    // values.
    void Calculate();
};

} // namespace quarvex::engine
