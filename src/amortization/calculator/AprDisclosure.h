#pragma once

#include "amortization/AmortInputs.h"
#include "amortization/AmortResults.h"
#include "amortization/calculator/AprPaymentGroups.h"
#include "framework/masks/NumberConventions.h"

#include <array>
#include <string>
#include <vector>

namespace quarvex::amortization {

// The figures the truth-in-lending disclosure statement prints for a calculated loan (the
// creditor's texts and choices come from its information dialog).
struct AprDisclosureFigures {
    long double Apr = 0;        // "ANNUAL PERCENTAGE RATE", percent
    double FinanceCharge = 0;   // "FINANCE CHARGE": the schedule's total interest
    double AmountFinanced = 0;  // "Amount Financed": the loan amount itself
    double TotalOfPayments = 0; // "Total of Payments"
    // The payment schedule, every group; the statement leaves out a first group of amount 0
    // (PrintedPaymentLines).
    std::vector<TAprPmtRec> PaymentGroups;
};

AprDisclosureFigures MakeDisclosureFigures(const AmortInputs& inputs, const AmortResults& results,
                                           long double apr, std::vector<TAprPmtRec> groups);

// The values of the four boxes as printed: the APR with "%f" followed by "%", then the finance
// charge, the amount financed and the total of payments with "%m".
std::array<std::string, 4> DisclosureBoxTexts(const AprDisclosureFigures& figures,
                                              const masks::NumberConventions& conventions);

} // namespace quarvex::amortization
