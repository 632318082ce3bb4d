#include "engine/cashflow/TcoRentalAnalysis.h"

#include "engine/FinanceErrors.h"
#include "engine/RateConversion.h"
#include "engine/Rounding.h"
#include "framework/dates/DateArithmetic.h"

#include <algorithm>
#include <cmath>

namespace quarvex::engine {

namespace {

// The monthly figures of the analysis, indexed by month 1 .. H (index 0 unused).
struct MonthlyFlows {
    explicit MonthlyFlows(int months)
        : in(static_cast<std::size_t>(months) + 1), out(in.size()), deductions(in.size()) {}
    std::vector<double> in;
    std::vector<double> out;
    std::vector<double> deductions;
};

struct Mortgage {
    double amount;
    double rate; // % a year
    int term;    // months
    std::uint8_t method;
    double points; // % of the amount
};

double Grown(double value, double percent) {
    return value * (1.0 + percent / 100.0);
}

// Runs one mortgage over the months held; returns its balance after the last month run.
double RunMortgage(const Mortgage& mortgage, int holding, const TCalcPmt& pmt,
                   MonthlyFlows& flows) {
    if (mortgage.amount == 0) {
        return 0;
    }
    RequireTermCount(mortgage.term);
    const int months = std::min(mortgage.term, holding);
    const double monthly = 0.01 * mortgage.rate / 12.0;
    double balance = mortgage.amount;
    switch (mortgage.method) {
    case 0: {
        // An interest-free mortgage is repaid in equal parts.
        const double payment =
            mortgage.rate == 0
                ? RoundTo(RoundDecimals, mortgage.amount / mortgage.term)
                : pmt.Payment(mortgage.amount, mortgage.term,
                              static_cast<double>(PeriodicRate(12, 12, mortgage.rate)));
        for (int m = 1; m <= months; ++m) {
            const double interest = monthly * balance;
            balance -= payment - interest;
            flows.deductions[m] += interest;
            flows.out[m] += payment;
        }
        break;
    }
    case 1: {
        const double principal = mortgage.amount / mortgage.term;
        for (int m = 1; m <= months; ++m) {
            const double interest = monthly * balance;
            flows.out[m] += principal + interest;
            flows.deductions[m] += interest;
            balance -= principal;
        }
        break;
    }
    case 2: {
        const double payment = monthly * mortgage.amount;
        for (int m = 1; m <= months; ++m) {
            flows.out[m] += payment;
            flows.deductions[m] += payment;
        }
        // The principal is repaid with the last payment run.
        flows.out[months] += mortgage.amount;
        balance = 0;
        break;
    }
    default:
        throw EInvalidAmort();
    }
    return balance;
}

} // namespace

RentalTaxEffect RentalTaxEffectFromListIndex(int index) {
    switch (index) {
    case 1:
        return RentalTaxEffect::NoDepreciation;
    case 2:
        return RentalTaxEffect::NotConsidered;
    default:
        return RentalTaxEffect::AllAdvantages;
    }
}

int TcoRentalAnalysis::HoldingMonths(dates::DayNumber closingDate, dates::DayNumber saleDate) {
    if (!dates::IsValidDayNumber(closingDate) || !dates::IsValidDayNumber(saleDate) ||
        saleDate < closingDate) {
        return 0;
    }
    const dates::CalendarDate closing = dates::DayNumberToDMY(closingDate);
    const dates::CalendarDate sale = dates::DayNumberToDMY(saleDate);
    return 12 * (sale.year - closing.year) + sale.month - closing.month + 1;
}

bool TcoRentalAnalysis::HoldingPeriodFits(dates::DayNumber closingDate, dates::DayNumber saleDate) {
    const int months = HoldingMonths(closingDate, saleDate);
    if (months < 1 || months > kMaxMonths) {
        return false;
    }
    const int years =
        dates::DayNumberToDMY(saleDate).year - dates::DayNumberToDMY(closingDate).year + 1;
    return years <= kMaxYears;
}

int TcoRentalAnalysis::Calculate(std::vector<TRentalYear>& list,
                                 const TRentalInputs& inputs) const {
    if (!HoldingPeriodFits(inputs.ClosingDate, inputs.SaleDate)) {
        throw ERentalHoldingPeriod();
    }
    const dates::CalendarDate closing = dates::DayNumberToDMY(inputs.ClosingDate);
    const dates::CalendarDate sale = dates::DayNumberToDMY(inputs.SaleDate);
    const int holding = HoldingMonths(inputs.ClosingDate, inputs.SaleDate);
    const int firstYearMonths = 13 - closing.month;
    const int lastYearMonths = sale.month;
    const int yearCount = sale.year - closing.year + 1;
    const bool allAdvantages = inputs.TaxEffect == RentalTaxEffect::AllAdvantages;

    double salePrice = inputs.FV;
    if (salePrice == 0) {
        const int wholeYears = dates::DateDifference(inputs.ClosingDate, inputs.SaleDate)->years;
        salePrice = inputs.Price * std::pow(1.0 + inputs.AnnualAppreciation / 100.0, wholeYears);
    }
    const double taxBracket =
        inputs.TaxEffect == RentalTaxEffect::NotConsidered ? 0.0 : inputs.TaxBracket;

    MonthlyFlows flows(holding);
    const Mortgage mortgages[2] = {
        {inputs.PV1, inputs.Rate1, inputs.NumPmts1, inputs.PmtMthd1, inputs.Points1},
        {inputs.PV2, inputs.Rate2, inputs.NumPmts2, inputs.PmtMthd2, inputs.Points2}};
    double remainingBalances = 0;
    for (const Mortgage& mortgage : mortgages) {
        remainingBalances += RunMortgage(mortgage, holding, pmt_, flows);
        if (mortgage.amount == 0) {
            continue;
        }
        // Points are paid at closing. Deducted at once when taxes are not considered (where
        // it makes no difference), spread evenly over the mortgage's term with all
        // advantages; only the months held can carry a share.
        const double points = 0.01 * mortgage.points * mortgage.amount;
        flows.out[1] += points;
        if (inputs.TaxEffect == RentalTaxEffect::NotConsidered) {
            flows.deductions[1] += points;
        } else if (allAdvantages) {
            const double share = points / mortgage.term;
            const int months = std::min(mortgage.term, holding);
            for (int m = 1; m <= months; ++m) {
                flows.deductions[m] += share;
            }
        }
    }

    double rent = inputs.OccupancyRate / 100.0 * inputs.MonthlyRents;
    double expenses = inputs.MonthlyExpenses;
    for (int m = 1; m <= holding; ++m) {
        if (m > 12 && m % 12 == 1) {
            rent = Grown(rent, inputs.AnnualRentInc);
            expenses = Grown(expenses, inputs.AnnualExpenseIncrease);
        }
        flows.in[m] = rent;
        flows.out[m] += expenses;
        flows.deductions[m] += expenses;
    }

    // The sale: the price replaces that month's rent; the price paid is deducted against it.
    const double sellingCosts = inputs.SellingCosts / 100.0 * salePrice;
    flows.in[holding] = salePrice;
    flows.deductions[holding] += sellingCosts + inputs.Price;
    flows.out[holding] += remainingBalances + sellingCosts;

    double depreciation = 0;
    if (allAdvantages && inputs.UsefulLife > 0) {
        const double basis = inputs.DepreciationBasis + inputs.InitialRepairs;
        depreciation = inputs.BusinessUse > 0
                           ? basis * inputs.BusinessUse / 100.0 / inputs.UsefulLife
                           : basis / inputs.UsefulLife;
    }

    struct YearSums {
        int months = 0;
        double cashIn = 0;
        double cashOut = 0;
        double taxable = 0; // deductions beyond income: positive saves tax
    };
    std::vector<YearSums> years(static_cast<std::size_t>(yearCount));
    double propertyTax = inputs.PropTaxes;
    int month = 1;
    for (int y = 0; y < yearCount; ++y) {
        const int closes = y + 1 == yearCount ? holding : firstYearMonths + 12 * y;
        YearSums& sums = years[static_cast<std::size_t>(y)];
        sums.months = closes - month + 1;
        double deductions = 0;
        for (; month <= closes; ++month) {
            sums.cashIn += flows.in[month];
            sums.cashOut += flows.out[month];
            deductions += flows.deductions[month];
        }
        const double taxShare = sums.months / 12.0 * propertyTax;
        sums.cashOut += taxShare;
        const double net =
            std::max(sums.cashIn - (deductions + depreciation + taxShare), -inputs.AllowableLosses);
        sums.taxable = -net;
        propertyTax = Grown(propertyTax, inputs.AnnualPropTaxInc);
    }

    // Mid-month convention: the property is placed in service and sold in the middle of its
    // month, so the first and the last year deduct only the months held (less half a month)
    // of a year's depreciation, and the depreciation actually deducted is recaptured at the
    // sale. (In a single calendar year both cuts apply to the same year.)
    if (allAdvantages && depreciation != 0) {
        const double firstYearCut = depreciation - (firstYearMonths - 0.5) / 12.0 * depreciation;
        const double lastYearCut = depreciation - (lastYearMonths - 0.5) / 12.0 * depreciation;
        const double deducted = yearCount * depreciation - firstYearCut - lastYearCut;
        years.front().taxable -= firstYearCut;
        years.back().taxable -= lastYearCut + deducted;
    }

    // The cash paid at closing.
    years.front().cashOut += inputs.Price - inputs.PV1 - inputs.PV2 + inputs.InitialRepairs;

    list.clear();
    double cumulative = 0;
    for (int y = 0; y < yearCount; ++y) {
        const YearSums& sums = years[static_cast<std::size_t>(y)];
        TRentalYear row;
        row.Year = closing.year + y;
        row.Months = sums.months;
        row.CashIn = sums.cashIn;
        row.CashOut = sums.cashOut;
        // (No tax effect is a plain 0, never a negative zero shown as "-0.00".)
        row.NetTaxEffect = taxBracket == 0 ? 0.0 : taxBracket / 100.0 * sums.taxable;
        row.AfterTaxCashFlow = row.CashIn - row.CashOut + row.NetTaxEffect;
        cumulative += row.AfterTaxCashFlow;
        row.CumulativeCashFlow = cumulative;
        list.push_back(row);
    }
    return sale.year + 1;
}

} // namespace quarvex::engine
