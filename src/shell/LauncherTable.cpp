#include "shell/LauncherTable.h"

#include "calculators/Catalog.h"

#include <algorithm>
#include <array>

namespace quarvex::shell {

namespace {

using G = LauncherGroup;

constexpr std::string_view kCalc = kCalculatorsMenu;
constexpr std::string_view kFin = kFinanceSubmenu;
constexpr std::string_view kDep = kDepreciationSubmenu;
constexpr std::string_view kLoan = kLoanSubmenu;
constexpr std::string_view kGen = kGeneralSubmenu;

constexpr std::array<LauncherEntry, kLauncherEntryCount> kEntries = {{
    // Finance
    {G::Finance, "Comp/&Simple Int", kCalc, kFin, "Compound/Simple Interest", "TcalcInterest",
     "Compound/Simple Interest Calculator", "btnCompSimpInt", "Exact day interest &\rcalendar math",
     "interest"},
    {G::Finance, "        IRR                 ", kCalc, kFin, "Internal Rate of Return (IRR)",
     "TcalcIRR", "Internal Rate of Return Calculator", "btnIRR",
     "Evaluate the rate of return\ron a cash flow.", "irr"},
    {G::Finance, "Net &Present Value", kCalc, kFin, "Net Present Value (NPV)", "TcalcNetPV",
     "Net Present Value Calculator", "btnNetPV", "Evaluate quality of investment.", "netpv"},
    {G::Finance, "Payment Required", kCalc, kFin, "&Payment Required", "TcalcPayReq",
     "Payment Required Calculator", "btnPayReq",
     "Find what periodic deposit is\rrequired to reach a future amount.", "payreq"},
    {G::Finance, "PV of an &Amount", kCalc, kFin, "Present Value of an Amount", "TcalcPreVal",
     "Present Value of an Amount Calculator", "btnPreValAmt",
     "Find what a future amount\ris worth today.", "preval"},
    {G::Finance, "&Equivalent Rates", kCalc, kFin, "&Equivalent Rate", "TcalcEquivalentRate",
     "Equivalent Rate Calculator", "btnEquRat",
     "Calculate equivalent rate\rat different compounding periods.", "equrate"},
    {G::Finance, "&Interest Rate Earned", kCalc, kFin, "&Interest Rate Earned", "TcalcIntRate",
     "Interest Rate Calculator", "btnIntRat", "Interest rate earned\ron an investment.", "intrate"},
    // Depreciation
    {G::Depreciation, " Declining Balance", kCalc, kDep, "Declining Balance", "TcalcDecBal",
     "Declining Balance Depreciation Calculator", "btnDecliningBalance", "Depreciation method.",
     "decbal"},
    {G::Depreciation, "     MACRS", kCalc, kDep, "MACRS", "TcalcMACRS",
     "MACRS Depreciation Calculator", "btnMACRS", "Depreciation based on\rrevised US law.",
     "macrs"},
    {G::Depreciation, " Straignt Line", kCalc, kDep, "Straight Line", "TcalcSLDep",
     "Straight Line Depreciation Calculator", "btnSLDep", "Common depreciation method.", "sldep"},
    {G::Depreciation, "Sum of Years", kCalc, kDep, "Sum-of-Years", "TcalcSumOfYears",
     "Sum-of-Years Depreciation Calculator", "btnSumYrs", "Depreciation method.", "sumofyears"},
    // Loan
    {G::Loan, "Accelerated Pmt", kCalc, kLoan, "&Accelerated Payment", "TcalcAccPmt",
     "Accelerated Payment Calculator", "btnAccPay",
     "Calc the effects of regular\rextra payments on a loan.", "accpmt"},
    {G::Loan, " Affordable House", kCalc, kLoan, "Affordable &House", "TcalcAffHse",
     "Affordable House Calculator", "btnAffHse", "Calculate your affordable house.", "affhse"},
    {G::Loan, " Balloon Payment", kCalc, kLoan, "Ba&llon Payment", "TcalcBallPmt",
     "Balloon Payment Calculator", "btnBallPmt",
     "Calc the payment which results\rin specified balloon balance.", "ballpmt"},
    {G::Loan, "       &Loan", kCalc, kLoan, "&Loan", "TcalcLoan", "Loan Calculator", "btnLoan",
     "Solve for any unknown.", "loan"},
    {G::Loan, " &Remaining Balance", kCalc, kLoan, "&Remaining Balance", "TcalcRemBal",
     "Remaining Balance Calculator", "btnRemBal", "Calculate the balloon or\rbalance of a loan.",
     "rembal"},
    {G::Loan, " Second Mortgage", kCalc, kLoan, "Second &Mortgage", "TcalcSecMor",
     "Second Mortgage Calculator", "btnSecMor", "Is a second mortgage\ris required?", "secmor"},
    // Schedules - Cash Flows
    {G::Schedules, "      Annuit&y", kSchedulesMenu, "", "Annuity", "TcalcAnnuity",
     "Annuity Schedule", "btnAnnuity", "How long will an amount last\rwhile making withdrawals?",
     "annuity"},
    {G::Schedules, "  Amorti&zation", kSchedulesMenu, "", "Amortization", "TcalcAmort",
     "Amortization Schedule", "btnAmortization", "Create a flexible amortization schedule.",
     "amort"},
    {G::Schedules, "   Fu&ture Value", kSchedulesMenu, "", "Future Value", "TcalcFVSchd",
     "Future Value Schedule", "btnFVCalc",
     "Calculate the future value of a\rflexible cashflow stream.", "fvschd"},
    {G::Schedules, "  P&V of a Series", kSchedulesMenu, "", "Present Value of a Series",
     "TcalcPVSeries", "Present Value of a Series", "btnPVSeries",
     "Find the present value of a\rflexible cashflow stream.", "pvseries"},
    {G::Schedules, "Rental Inc Analysis", kSchedulesMenu, "", "Rental Income Analysis",
     "TcalcRentalAnalysis", "Rental Income Analysis Calculator", "btnRentalAnalysis",
     "Calculate the profitability\rof a rental property.", "rental"},
    // General
    {G::General, "Bond Values/Yields", kCalc, kGen, "B&ond Value && Yield", "TcalcBonds",
     "Bond Calculator", "btnBonds", "Calc a bond's price or yield.", "bonds"},
    {G::General, "       &Budget", kCalc, kGen, "Budget", "TcalcBudget", "Budget Calculator",
     "btnBudget", "Produce monthly projected or actual\rcashflow reports.", "budget"},
    {G::General, "        EOQ", kCalc, kGen, "&EOQ", "TcalcEOQ",
     "Economic Ordering Quantity Calculator", "btnEOQ", "Calculate the optimal purchase quantity.",
     "eoq"},
    {G::General, "   Gross Profit", kCalc, kGen, "Gross Profit Margin", "TcalcGrossProfit",
     "Gross Profit Calculator", "btnGrossProfit", "Find the gross profit on a sale.",
     "grossprofit"},
    {G::General, "     &Net Worth", kCalc, kGen, "Net &Worth", "TcalcNetWorth",
     "Net Worth Calculator", "btnNetWorth", "Calculate your net worth.", "networth"},
    {G::General, " Purchasin&g Power", kCalc, kGen, "Purchasing Power", "TcalcPurPwr",
     "Purchasing Power Calculator", "btnPurPwr", "Calculate the effects of\rinflation.", "purpwr"},
    {G::General, " Weighted Average", kCalc, kGen, "Weighted Average", "TcalcWtAvg",
     "Weighted Average Calculator", "btnWtAvg", "Find the weight average of a series.", "wtavg"},
    // Advisors
    {G::Advisors, " Brea&k Even Point", kAdvisorsMenu, "", "Break Even Point", "TadvBreakEven",
     "Break Even Advisor", "btnBreakEven", "Calculate the break-even point.", "breakeven"},
    {G::Advisors, "   Lease vs Buy", kAdvisorsMenu, "", "Lease v. Buy", "TadvLeaseBuy",
     "Lease v. Buy Advisor", "btnLeaseBuy", "Is it better to\rlease or buy an asset?", "leasebuy"},
    {G::Advisors, "Loan Comparison", kAdvisorsMenu, "", "Loan Comparison", "TadvLoanComp",
     "Loan Comparison Advisor", "btnLoanComp", "Compare two loans side-by-side.", "loancomp"},
    {G::Advisors, "      Refinance", kAdvisorsMenu, "", "Refinance", "TadvRefinance",
     "Refinance Advisor", "btnRefinance", "Does it pay to refinance a loan?", "refinance"},
}};

constexpr std::array<std::string_view, 4> kSubmenus = {kDepreciationSubmenu, kFinanceSubmenu,
                                                       kGeneralSubmenu, kLoanSubmenu};

constexpr std::array<std::string_view, kLauncherGroupCount> kGroupCaptions = {
    " Finance ", " Depreciation ", " Loan ", " Schedules - Cash Flows", " General ", " Advisors "};

} // namespace

std::span<const std::string_view> CalculatorSubmenus() {
    return kSubmenus;
}

std::span<const LauncherEntry, kLauncherEntryCount> LauncherEntries() {
    return kEntries;
}

std::string_view GroupCaption(LauncherGroup group) {
    return kGroupCaptions.at(static_cast<std::size_t>(group));
}

const LauncherEntry* FindLauncherEntry(std::string_view stem) {
    const auto found = std::find_if(kEntries.begin(), kEntries.end(),
                                    [stem](const LauncherEntry& e) { return e.stem == stem; });
    return found == kEntries.end() ? nullptr : &*found;
}

const LauncherEntry* FindLauncherEntryByClass(std::string_view windowClass) {
    const auto found =
        std::find_if(kEntries.begin(), kEntries.end(), [windowClass](const LauncherEntry& e) {
            return e.windowClass == windowClass;
        });
    return found == kEntries.end() ? nullptr : &*found;
}

bool IsAvailable(const LauncherEntry& entry) {
    return calculators::FindCalculator(entry.stem) != nullptr;
}

std::string_view ButtonHint(const LauncherEntry& entry) {
    return IsAvailable(entry) ? entry.hint : kNotAvailableHint;
}

} // namespace quarvex::shell
