#pragma once

#include "engine/TCalcPmt.h"
#include "framework/dates/Calendar.h"
#include "platform/Exception.h"

#include <cstdint>
#include <vector>

namespace quarvex::engine {

// How the rental analysis treats taxes.
enum class RentalTaxEffect : std::uint8_t {
    AllAdvantages = 0, // interest, points, expenses and depreciation are deducted
    NotConsidered = 1, // no tax effect at all (the bracket counts as 0)
    NoDepreciation = 2 // deductions as usual, but neither depreciation nor points
};

// The calculator's tax-effect list reads "All Advantages", "No Depreciation", "Not Considered":
// its index 1 is the engine's NoDepreciation and its index 2 the engine's NotConsidered.
RentalTaxEffect RentalTaxEffectFromListIndex(int index);

// The inputs of one rental analysis, named as the calculator's fields. Percentages are percent
// (8.5 means 8.5 %); terms are months.
struct TRentalInputs {
    double Price = 0;
    double BusinessUse = 0; // %
    double FV = 0;          // sale price; 0 means: grow the price by AnnualAppreciation
    double AnnualAppreciation = 0;
    double PV1 = 0; // first mortgage
    double Rate1 = 0;
    std::int16_t NumPmts1 = 0;
    std::uint8_t PmtMthd1 = 0; // 0 level payment, 1 fixed principal, 2 interest only
    double Points1 = 0;        // % of PV1
    double PV2 = 0;            // second mortgage
    double Rate2 = 0;
    std::int16_t NumPmts2 = 0;
    std::uint8_t PmtMthd2 = 0;
    double Points2 = 0;
    double TaxBracket = 0;
    double MonthlyExpenses = 0;
    double AnnualExpenseIncrease = 0;
    double InitialRepairs = 0;
    double PropTaxes = 0; // a year
    double AnnualPropTaxInc = 0;
    dates::DayNumber ClosingDate = 0;
    dates::DayNumber SaleDate = 0;
    double UsefulLife = 0;      // years
    double SellingCosts = 0;    // % of the sale price
    double AllowableLosses = 0; // largest deductible yearly loss
    double MonthlyRents = 0;
    double AnnualRentInc = 0;
    std::int16_t OccupancyRate = 0; // whole percent
    double DepreciationBasis = 0;
    RentalTaxEffect TaxEffect = RentalTaxEffect::AllAdvantages;
};

// One calendar year of ownership (48 bytes in the calculator's records).
struct TRentalYear {
    std::int32_t Year = 0;
    std::int32_t Months = 0; // months held in that year
    double CashIn = 0;
    double CashOut = 0;
    double NetTaxEffect = 0; // tax saved (+) or owed (-)
    double AfterTaxCashFlow = 0;
    double CumulativeCashFlow = 0;
};

// Raised for a sale before the closing or a holding period beyond what the analysis holds.
class ERentalHoldingPeriod : public Exception {
public:
    ERentalHoldingPeriod()
        : Exception("Date of sale must be later than date of purchase.\r\n"
                    "Term for owning property must be less than 40") {}
};

// Buying, letting and selling a property month by month, summed per calendar year.
class TcoRentalAnalysis {
public:
    static constexpr int kMaxMonths = 480;
    static constexpr int kMaxYears = 40;

    // Months of ownership: the calendar months from the closing month to the sale month, both
    // counted. 0 when a date is invalid or the sale comes before the closing.
    static int HoldingMonths(dates::DayNumber closingDate, dates::DayNumber saleDate);

    // True when the analysis can run: a valid sale on or after the closing, at most kMaxMonths
    // months and kMaxYears calendar years.
    static bool HoldingPeriodFits(dates::DayNumber closingDate, dates::DayNumber saleDate);

    // Clears `list` and fills it with one row per calendar year from the closing year to the
    // sale year; returns the sale year + 1. Raises ERentalHoldingPeriod when the holding period
    // does not fit, EFinance "Term can't be zero." (or "... negative.") for a mortgage with an
    // amount and no term, EInvalidAmort for an unknown mortgage payment method.
    int Calculate(std::vector<TRentalYear>& list, const TRentalInputs& inputs) const;

private:
    TCalcPmt pmt_;
};

} // namespace quarvex::engine
