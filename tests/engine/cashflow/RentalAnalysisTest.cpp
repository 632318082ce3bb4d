// The rental analysis, with figures worked by hand.
#include "engine/FinanceErrors.h"
#include "engine/cashflow/TcoRentalAnalysis.h"
#include "framework/dates/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace quarvex::engine {
namespace {

using dates::DMYToDayNumber;

// Bought 15 March 2001 for 100 000 cash, sold 20 June 2002 for 120 000: 16 months, 10 in 2001
// and 6 in 2002. Rent 1 000 a month, 10 % more from the 13th month; expenses 100 a month;
// property tax 1 200 a year; selling costs 5 %.
TRentalInputs CashPurchase() {
    TRentalInputs in;
    in.Price = 100000;
    in.FV = 120000;
    in.ClosingDate = DMYToDayNumber(15, 3, 2001);
    in.SaleDate = DMYToDayNumber(20, 6, 2002);
    in.MonthlyRents = 1000;
    in.OccupancyRate = 100;
    in.AnnualRentInc = 10;
    in.MonthlyExpenses = 100;
    in.PropTaxes = 1200;
    in.SellingCosts = 5;
    in.AllowableLosses = 25000;
    in.TaxEffect = RentalTaxEffect::NotConsidered;
    return in;
}

void ExpectYear(const TRentalYear& row, int year, int months, double cashIn, double cashOut,
                double taxEffect, double afterTax, double cumulative) {
    EXPECT_EQ(row.Year, year);
    EXPECT_EQ(row.Months, months) << year;
    EXPECT_NEAR(row.CashIn, cashIn, 1e-6) << year;
    EXPECT_NEAR(row.CashOut, cashOut, 1e-6) << year;
    EXPECT_NEAR(row.NetTaxEffect, taxEffect, 1e-6) << year;
    EXPECT_NEAR(row.AfterTaxCashFlow, afterTax, 1e-6) << year;
    EXPECT_NEAR(row.CumulativeCashFlow, cumulative, 1e-6) << year;
}

TEST(TcoRentalAnalysis, CashPurchaseWithoutTaxes) {
    const TcoRentalAnalysis engine;
    std::vector<TRentalYear> years(5); // whatever the list held is replaced
    EXPECT_EQ(engine.Calculate(years, CashPurchase()), 2003);
    ASSERT_EQ(years.size(), 2u);
    // 2001: rent 10 x 1000; out: 10 x 100 expenses + 10/12 of the tax + the price paid.
    ExpectYear(years[0], 2001, 10, 10000, 102000, 0, -92000, -92000);
    EXPECT_FALSE(std::signbit(years[0].NetTaxEffect)); // never shown as "-0.00"
    // 2002: rent 2 x 1000 + 3 x 1100, the sale replaces June's rent; out: 6 x 100, half the
    // tax, 5 % of the sale price.
    ExpectYear(years[1], 2002, 6, 125300, 7200, 0, 118100, 26100);
}

TEST(TcoRentalAnalysis, InterestOnlyMortgageWithAllTaxAdvantages) {
    TRentalInputs in = CashPurchase();
    in.PV1 = 60000;
    in.Rate1 = 12; // 600 of interest a month
    in.NumPmts1 = 360;
    in.PmtMthd1 = 2;
    in.Points1 = 2; // 1 200 at closing, deducted at 1200 / 360 a month
    in.TaxBracket = 30;
    in.DepreciationBasis = 55000;
    in.UsefulLife = 27.5; // 2 000 a year
    in.BusinessUse = 100;
    in.TaxEffect = RentalTaxEffect::AllAdvantages;
    const TcoRentalAnalysis engine;
    std::vector<TRentalYear> years;
    engine.Calculate(years, in);
    ASSERT_EQ(years.size(), 2u);
    // 2001: out 10 x 600 + 1 200 points + 1 000 expenses + 1 000 tax + 40 000 down payment.
    //   Net = 10 000 - (6 000 + 33.33 points + 1 000 + 2 000 depreciation + 1 000) = -33.33.
    //   Mid-month: 9.5 of 12 months of depreciation, so 416.67 less deducted: -383.33 at 30 %.
    ExpectYear(years[0], 2001, 10, 10000, 49200, -115, -39315, -39315);
    // 2002: out 6 x 600 + 60 000 principal + 600 expenses + 600 tax + 6 000 selling costs.
    //   Net = 125 300 - (3 600 + 20 + 600 + 6 000 + 100 000 + 2 000 + 600) = 12 480.
    //   Mid-month: 5.5 of 12 months, 1 083.33 less deducted; the 2 500 deducted over both years
    //   are recaptured: -12 480 - 1 083.33 - 2 500 = -16 063.33 at 30 %.
    ExpectYear(years[1], 2002, 6, 125300, 70800, -4819, 49681, 10366);
}

TEST(TcoRentalAnalysis, LevelPaymentMortgageRunsOverTheMonthsHeld) {
    // 12 000 at 12 % over 12 months bought 1 January, sold 31 December: the loan is paid off
    // by the last month (payment 1 066.19) and no balance is left to repay at the sale.
    TRentalInputs in;
    in.Price = 50000;
    in.FV = 50000;
    in.ClosingDate = DMYToDayNumber(1, 1, 2001);
    in.SaleDate = DMYToDayNumber(31, 12, 2001);
    in.PV1 = 12000;
    in.Rate1 = 12;
    in.NumPmts1 = 12;
    in.TaxEffect = RentalTaxEffect::NotConsidered;
    const TcoRentalAnalysis engine;
    std::vector<TRentalYear> years;
    EXPECT_EQ(engine.Calculate(years, in), 2002);
    ASSERT_EQ(years.size(), 1u);
    EXPECT_EQ(years[0].Months, 12);
    // 12 payments, the residue of the rounded payment, and the 38 000 paid at closing.
    EXPECT_NEAR(years[0].CashOut, 12 * 1066.19 + 38000, 0.10);
    EXPECT_NEAR(years[0].CashIn, 50000, 1e-9);
}

TEST(TcoRentalAnalysis, InterestFreeMortgageIsRepaid) {
    TRentalInputs in;
    in.Price = 50000;
    in.FV = 50000;
    in.ClosingDate = DMYToDayNumber(1, 1, 2001);
    in.SaleDate = DMYToDayNumber(1, 12, 2001); // 12 months held
    in.PV1 = 20000;
    in.Rate1 = 0;
    in.NumPmts1 = 40; // 500 a month; 6 000 paid, 14 000 repaid at the sale
    in.TaxEffect = RentalTaxEffect::NotConsidered;
    const TcoRentalAnalysis engine;
    std::vector<TRentalYear> years;
    engine.Calculate(years, in);
    ASSERT_EQ(years.size(), 1u);
    EXPECT_NEAR(years[0].CashOut, 12 * 500 + 14000 + 30000, 1e-6);
}

TEST(TcoRentalAnalysis, PointsOfALongMortgageAreSpreadOnlyOverTheMonthsHeld) {
    // A 999-month mortgage held 480 months: every month held deducts 1/999 of the points,
    // and nothing is written beyond the months held.
    TRentalInputs in;
    in.Price = 100000;
    in.FV = 100000;
    in.ClosingDate = DMYToDayNumber(1, 1, 2001);
    in.SaleDate = DMYToDayNumber(1, 12, 2040);
    in.PV1 = 99900;
    in.Rate1 = 6;
    in.NumPmts1 = 999;
    in.PmtMthd1 = 2;
    in.Points1 = 1; // 999
    in.TaxBracket = 100;
    in.AllowableLosses = 1e9;
    in.TaxEffect = RentalTaxEffect::AllAdvantages;
    const TcoRentalAnalysis engine;
    std::vector<TRentalYear> withPoints;
    engine.Calculate(withPoints, in);
    in.Points1 = 0;
    std::vector<TRentalYear> withoutPoints;
    engine.Calculate(withoutPoints, in);
    ASSERT_EQ(withPoints.size(), 40u);
    // With a 100 % bracket, the tax effect of a year is its deductions: 1 a month of points.
    EXPECT_NEAR(withPoints[5].NetTaxEffect - withoutPoints[5].NetTaxEffect, 12, 1e-6);
    EXPECT_NEAR(withPoints[39].NetTaxEffect - withoutPoints[39].NetTaxEffect, 12, 1e-6);
}

TEST(TcoRentalAnalysis, CalendarYearsOfOwnership) {
    struct Case {
        const char* name;
        dates::DayNumber closing;
        dates::DayNumber sale;
        std::vector<int> months; // per calendar year
    };
    const std::vector<Case> cases = {
        {"December to January a year later",
         DMYToDayNumber(15, 12, 2000),
         DMYToDayNumber(15, 1, 2002),
         {1, 12, 1}},
        {"January to the next January",
         DMYToDayNumber(1, 1, 2001),
         DMYToDayNumber(1, 1, 2002),
         {12, 1}},
        // The sale's day of the month before the closing's: the sale month still counts.
        {"sale day earlier in the month",
         DMYToDayNumber(20, 1, 2001),
         DMYToDayNumber(10, 1, 2002),
         {12, 1}},
        {"within one year", DMYToDayNumber(10, 3, 2001), DMYToDayNumber(5, 10, 2001), {8}},
        {"within one month", DMYToDayNumber(1, 3, 2001), DMYToDayNumber(31, 3, 2001), {1}},
    };
    const TcoRentalAnalysis engine;
    for (const Case& c : cases) {
        TRentalInputs in;
        in.Price = 1000;
        in.FV = 1500;
        in.ClosingDate = c.closing;
        in.SaleDate = c.sale;
        std::vector<TRentalYear> years;
        engine.Calculate(years, in);
        ASSERT_EQ(years.size(), c.months.size()) << c.name;
        for (std::size_t y = 0; y < years.size(); ++y) {
            EXPECT_EQ(years[y].Months, c.months[y]) << c.name << " year " << y;
        }
        // The sale price arrives in the sale year.
        EXPECT_NEAR(years.back().CashIn, 1500, 1e-9) << c.name;
    }
}

TEST(TcoRentalAnalysis, SalePriceGrowsByTheAppreciationOverWholeYears) {
    TRentalInputs in;
    in.Price = 100000;
    in.AnnualAppreciation = 3;
    in.ClosingDate = DMYToDayNumber(1, 1, 2001);
    in.SaleDate = DMYToDayNumber(15, 6, 2006); // 5 whole years
    const TcoRentalAnalysis engine;
    std::vector<TRentalYear> years;
    engine.Calculate(years, in);
    EXPECT_NEAR(years.back().CashIn, 100000 * std::pow(1.03, 5), 1e-6);
}

TEST(TcoRentalAnalysis, HoldingPeriodLimits) {
    const dates::DayNumber closing = DMYToDayNumber(1, 1, 2001);
    EXPECT_EQ(TcoRentalAnalysis::HoldingMonths(closing, DMYToDayNumber(31, 12, 2040)), 480);
    EXPECT_TRUE(TcoRentalAnalysis::HoldingPeriodFits(closing, DMYToDayNumber(31, 12, 2040)));
    EXPECT_FALSE(TcoRentalAnalysis::HoldingPeriodFits(closing, DMYToDayNumber(1, 1, 2041)));
    // 480 months but 41 calendar years.
    const dates::DayNumber december = DMYToDayNumber(1, 12, 2000);
    EXPECT_EQ(TcoRentalAnalysis::HoldingMonths(december, DMYToDayNumber(1, 11, 2040)), 480);
    EXPECT_FALSE(TcoRentalAnalysis::HoldingPeriodFits(december, DMYToDayNumber(1, 11, 2040)));

    const TcoRentalAnalysis engine;
    for (dates::DayNumber sale :
         {DMYToDayNumber(1, 1, 2042), DMYToDayNumber(31, 12, 2000), dates::kNoDate}) {
        TRentalInputs in;
        in.Price = 1000;
        in.FV = 1000;
        in.ClosingDate = closing;
        in.SaleDate = sale;
        std::vector<TRentalYear> years;
        try {
            engine.Calculate(years, in);
            ADD_FAILURE() << "sale " << sale;
        } catch (const ERentalHoldingPeriod& error) {
            EXPECT_STREQ(error.what(), "Date of sale must be later than date of purchase.\r\n"
                                       "Term for owning property must be less than 40");
        }
    }
}

TEST(TcoRentalAnalysis, MortgageWithoutATermIsRefused) {
    TRentalInputs in = CashPurchase();
    in.PV1 = 50000;
    in.Rate1 = 8;
    const TcoRentalAnalysis engine;
    std::vector<TRentalYear> years;
    const std::pair<std::int16_t, const char*> terms[] = {{0, "Term can't be zero."},
                                                          {-360, "Term can't be negative."}};
    for (const auto& [n, text] : terms) {
        in.NumPmts1 = n;
        try {
            engine.Calculate(years, in);
            ADD_FAILURE() << n << ": no error";
        } catch (const EFinance& error) {
            EXPECT_STREQ(error.what(), text);
        }
    }
}

TEST(TcoRentalAnalysis, TaxEffectListIndexes) {
    EXPECT_EQ(RentalTaxEffectFromListIndex(0), RentalTaxEffect::AllAdvantages);
    EXPECT_EQ(RentalTaxEffectFromListIndex(1), RentalTaxEffect::NoDepreciation);
    EXPECT_EQ(RentalTaxEffectFromListIndex(2), RentalTaxEffect::NotConsidered);
}

TEST(TcoRentalAnalysis, NoDepreciationKeepsOtherDeductions) {
    TRentalInputs in = CashPurchase();
    in.TaxBracket = 30;
    in.DepreciationBasis = 55000;
    in.UsefulLife = 27.5;
    in.TaxEffect = RentalTaxEffect::NoDepreciation;
    const TcoRentalAnalysis engine;
    std::vector<TRentalYear> years;
    engine.Calculate(years, in);
    // 2001: Net = 10 000 - (1 000 expenses + 1 000 property tax) = 8 000, taxed at 30 %.
    EXPECT_NEAR(years[0].NetTaxEffect, -2400, 1e-6);
}

} // namespace
} // namespace quarvex::engine
