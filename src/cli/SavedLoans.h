#pragma once

#include "amortization/TAmortSchedule.h"
#include "amortization/calculator/TcbAmort.h"
#include "amortization/database/TLoanRec.h"

#include <string_view>

// The amortization calculator's loans as the schedule database keeps them, and back.
namespace quarvex::cli {

// The loan record of the calculator's loan after a calculation.
amortization::database::TLoanRec LoanRecOf(const amortization::AmortLoanTerms& terms,
                                           std::string_view loanNo);

// The calculator's loan of a stored record; every value is checked first (EAmortDB naming the
// loan for one no calculation can take).
amortization::AmortLoanTerms LoanTermsOf(const amortization::database::TLoanRec& loan);

} // namespace quarvex::cli
