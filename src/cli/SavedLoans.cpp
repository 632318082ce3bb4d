#include "cli/SavedLoans.h"

namespace quarvex::cli {

namespace database = amortization::database;

database::TLoanRec LoanRecOf(const amortization::AmortLoanTerms& terms, std::string_view loanNo) {
    database::LoanCalculation calculation;
    calculation.inputs = terms.Inputs;
    calculation.OneTimeFees = terms.OneTimeFees;
    amortization::AmortResults results;
    results.PointsAmt = terms.PointsAmt;
    results.Engine.TotalPmts = terms.TotalPmts;
    results.Engine.OddDaysInterest = terms.OddDaysInterest;
    results.Engine.OddDays = terms.OddDays;
    results.Engine.WholePeriods = terms.WholePeriods;
    results.Engine.OddFraction = terms.OddFraction;
    results.Engine.DaysToLastPmt = terms.DaysToLastPmt;
    return database::MakeLoanRec(loanNo, calculation, results);
}

amortization::AmortLoanTerms LoanTermsOf(const database::TLoanRec& loan) {
    database::LoanCalculation calculation;
    database::ApplyLoanRec(loan, calculation);
    amortization::AmortLoanTerms terms;
    terms.Inputs = calculation.inputs;
    terms.OneTimeFees = calculation.OneTimeFees;
    terms.PointsAmt = loan.PointsAmt;
    terms.TotalPmts = loan.TotalPmts;
    terms.OddDaysInterest = loan.OddDaysInterest;
    terms.OddDays = loan.OddDays;
    terms.DaysToFirstPmt = loan.DaysToFirstPmt;
    terms.WholePeriods = loan.WholePeriods;
    terms.OddFraction = loan.OddFraction;
    terms.DaysToLastPmt = loan.DaysToLastPmt;
    terms.PaymentsPerYear = loan.PmtsPerYear;
    return terms;
}

} // namespace quarvex::cli
