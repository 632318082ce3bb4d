#pragma once

#include "amortization/AmortInputs.h"
#include "amortization/AmortResults.h"
#include "framework/buffer/OutputValue.h"
#include "framework/dates/Calendar.h"
#include "framework/masks/NumberConventions.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quarvex::amortization {

// The 26 figures of the APR Detail sheet, in the order of the sheet and its copied text.
// The counts are 32-bit: a daily loan runs past 32 767 days and payments.
struct AprDetail {
    double AmountOfLoan = 0;      // the amount as the calculator's field holds it
    double TotalOneTimeFees = 0;  //
    double Points = 0;            // points in currency
    double NetAmountFinanced = 0; // what the borrower receives: the amount less fees and what
                                  // is paid at origination (points, odd-days interest)
    double OddDaysInterest = 0;
    double TotalFinanceCharge = 0; // the schedule's total interest, opening row included
    double FirstPaymentAmount = 0;
    double RegularPaymentAmt = 0; // the payment the rows pay (optimised, re-solved)
    double LastPaymentAmount = 0;
    double BalloonPmtInterest = 0; // with a balloon period the last row's; else 0
    double BalloonPaymentPrin = 0;
    double BalloonPaymentTotal = 0;
    double TotalOfPayments = 0;
    dates::DayNumber OriginationDate = 0;
    dates::DayNumber FirstPaymentDate = 0;
    std::int32_t DaysToFirstPayment = 0;
    std::int32_t OddDaysToFirstPeriod = 0;
    std::int32_t UnitPeriodsToFirst = 0;
    double FractionalPeriod = 0;
    dates::DayNumber LastPaymentDate = 0;
    std::int32_t DaysToMaturity = 0;
    std::int32_t PaymentsPerYear = 0; // of the loan's payment period
    std::int32_t NumberOfRegularPeriods = 0;
    std::int32_t BalloonAtPaymentNumber = 0; // 0 for none
    double QuotedNominalRate = 0;            // the annual rate entered, percent
    long double DisclosedRateApr = 0;        // the APR, percent
};

// The sheet's prompts, in order.
inline constexpr std::array<std::string_view, 26> kAprDetailPrompts = {
    "Amount of Loan:",          "Total One Time Fees:",       "Points:",
    "Net Amount Financed:",     "Odd Day's Interest:",        "Total Finance Charge:",
    "First Payment Amount:",    "Regular Payment Amt:",       "Last Payment Amount:",
    "Balloon Pmt Interest:",    "Balloon Payment Prin:",      "Balloon Payment Total:",
    "Total of Payments:",       "Origination Date:",          "1st Payment Date:",
    "Days to First Payment:",   "Odd Days to First Period:",  "Unit Periods to First:",
    "Fractional Period:",       "Last Payment Date:",         "Days to Maturity:",
    "Payments Per Year:",       "Number of Regular Periods:", "Balloon at Payment Number:",
    "Quoted Nominal Rate (%):", "Disclosed Rate (APR) (%):"};

// The caption of the sheet's window and of its copied text.
inline constexpr std::string_view kAprDetailCaption = "APR Detail";

// The figures of a calculated loan: its inputs as the calculator holds them after the
// calculation, its one-time fees, what its opening row charges at origination, the
// calculation's results and the APR.
AprDetail MakeAprDetail(const AmortInputs& inputs, double oneTimeFees, double paidAtOrigination,
                        const AmortResults& results, long double apr);

// The sheet's copied text: the caption, then the figures two a line (amount with total of
// payments, fees with origination date, ..., balloon total with balloon payment number), and
// last the two rates.
std::string AprDetailCopyText(const AprDetail& detail, const masks::NumberConventions& conventions);

// The figures under names for the command line's JSON (dates as "YYYY-MM-DD").
framework::OutputMembers AprDetailMembers(const AprDetail& detail);

} // namespace quarvex::amortization
