#include "cli/CalcCommand.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quarvex::cli {
namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome Calc(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int code =
        RunQuarvexCalc(arguments, out, err, [](const std::string&) { return std::nullopt; });
    return {code, out.str(), err.str()};
}

// Each case: a question, and lines its answer must hold. The figures come from the
// calculators' published examples or a spreadsheet's functions worked by hand.
struct Case {
    std::vector<std::string> arguments;
    std::vector<std::string> lines;
};

TEST(SingleFormulaCalculators, AnswerTheirQuestions) {
    const Case cases[] = {
        {{"payreq", "FV=10000", "NumPmts=120", "Rate=6"},
         {"Required Payment :                 $61.02", "Total Invested:                 $7,322.46",
          "Gain :                          $2,677.54", "Total Years:                        10.00",
          "Years To Double:                    11.58"}},
        // PV(5%, 10, 0, -10000)
        {{"preval", "FV=10000", "NumPmts=10", "CmpPYR=Annually", "Rate=5"},
         {"Present Value:                  $6,139.13"}},
        // RATE(10, 0, -1000, 2000)
        {{"intrate", "AmtInv=1000", "AmtRet=2000", "NumPmts=10", "CmpPYR=Annually"},
         {"Annual Rate:                         7.18"}},
        // EFFECT(12%, 12) = 12.6825 %
        {{"equrate", "NominalRate=12"},
         {"Effective Rate at Monthly Compounding:              12.68",
          "Effective Rate 2X Yearly Compounding:               12.36",
          "Periodic Rate at this Compounding:                   1.00"}},
        {{"eoq", "UnitLotSize=1", "AnnualUnits=1000", "CostToWrite=50", "Price=10", "Rate=10"},
         {"Economic Ordering Quantity:                  $316.23", "Order 316 units."}},
        {{"eoq", "UnitLotSize=12", "AnnualUnits=12000", "CostToWrite=50", "Price=120", "Rate=10"},
         {"Order 91 lots of 12 units."}},
        {{"interest", "PV=1000", "NumDays=365", "Rate=10", "CmpPYR=Simple", "RateBasis=1",
          "StartDate=2021-01-01", "EndDate=2022-01-01"},
         {"Interest For Term:                          $100.00",
          "Annual Percentage Yield (APY):              10.0000",
          "Start Date?:                   01/01/2021 Friday  "}},
        // PMT(6%/12, 360, -150000) = 899.33; the second mortgage is interest only
        {{"secmor", "PP=250000", "CA=50000", "FM=150000", "FT=360", "FIR=6", "SIR=9"},
         {"Second Payment:                              $375.00",
          "Both Payments Total:                       $1,274.33"}},
        {{"accpmt", "PV=100000", "NumPmts=360", "Rate=6", "IncAfter=1", "ExtraPd=100"},
         {"Periods To Pay Off:                   252"}},
        // PMT(0.5%, 60, -100000, 50000)
        {{"ballpmt", "PV=100000", "Rate=6", "FV=50000", "PeriodDue=60"},
         {"Periodic Payment:               $1,216.64"}},
        {{"ballpmt", "PV=100000", "Rate=0", "FV=40000", "PeriodDue=60"},
         {"Periodic Payment:               $1,000.00"}},
        // The cent-rounded schedule worked in decimal arithmetic outside the program.
        {{"rembal", "PV=10000", "NumPmts=36", "Rate=10", "BalAfter=12"},
         {"Remaining Balance:              $6,992.59",
          "Per&iodic Payment?:               $322.67"}},
        // A Canadian mortgage: monthly payments, compounding twice a year whatever was chosen;
        // 100 000 at 6 % over 25 years is the well-known 639.81 a month.
        {{"rembal", "PV=100000", "NumPmts=300", "Rate=6", "BalAfter=60", "AmortMthd=Canadian",
          "PYR=Weekly", "CmpPYR=Monthly"},
         {"Per&iodic Payment?:               $639.81", "Compounding Period?:         Semiannually",
          "Payment Period?:                  Monthly"}},
        // PV(0.5%, 360, -1100)
        {{"affhse", "AnnualIncome=60000", "CashAvailable=20000", "Rate=6", "NumPmts=360",
          "EstTaxIns=2400", "EstMaintenance=1200", "PercentIncome=28"},
         {"Amount Financed:                            $183,470.78",
          "\tCash Available is   9.83% of House Price."}},
    };
    for (const Case& c : cases) {
        const Outcome outcome = Calc(c.arguments);
        EXPECT_EQ(outcome.code, 0) << c.arguments.front() << ": " << outcome.err;
        for (const std::string& line : c.lines) {
            EXPECT_NE(outcome.out.find(line + "\n"), std::string::npos)
                << c.arguments.front() << " lacks \"" << line << "\" in:\n"
                << outcome.out;
        }
    }
}

TEST(SingleFormulaCalculators, RefuseWhatTheyCannotAnswer) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"accpmt", "PV=1000", "NumPmts=12", "Rate=5", "IncAfter=1", "ExtraPd=10",
          "CmpPYR=Continuous"},
         "Unsupported compounding period for this calculator."},
        {{"ballpmt", "PV=1000", "Rate=5", "FV=500", "PeriodDue=12", "CmpPYR=Simple"},
         "Unsupported compounding period for this calculator."},
        {{"payreq", "FV=1000", "NumPmts=12", "Rate=5", "CmpPYR=Simple"},
         "Unsupported compounding period for this calculator."},
        {{"equrate", "NominalRate=12", "CmpPYR=Continuous"}, "Not a valid compounding period."},
        {{"equrate"}, "Too many unknowns. Enter only one Zero value."},
        {{"payreq", "FV=1000", "NumPmts=0", "Rate=5"}, "Term can't be zero."},
        {{"ballpmt", "PV=1000", "Rate=5", "FV=500", "PeriodDue=0"}, "Term can't be zero."},
        {{"ballpmt", "PV=1000", "Rate=5", "FV=0", "PeriodDue=12"},
         "Field value(s) should be greater than Zero"},
        {{"affhse", "AnnualIncome=50000", "NumPmts=0", "Rate=5", "PercentIncome=28"},
         "Term can't be zero."},
        {{"affhse", "AnnualIncome=0", "NumPmts=360", "Rate=5", "PercentIncome=28"},
         "Buyers Annual Income can't be Zero "},
        {{"eoq", "UnitLotSize=1", "AnnualUnits=1000", "CostToWrite=50", "Price=10", "Rate=0"},
         "Field value(s) should be greater than Zero"},
        {{"intrate", "AmtInv=1000", "AmtRet=-2000", "NumPmts=10"},
         "Amount invested and amount returned must have the same sign."},
        {{"interest", "PV=1000", "NumDays=0", "Rate=5"}, "Term can't be zero."},
        {{"secmor", "PP=1", "CA=1", "FM=1", "FT=0", "FIR=1", "SIR=1"}, "Too many unknown values."},
        {{"rembal", "PV=1000", "NumPmts=12", "Rate=5", "BalAfter=3", "AmortMthd=No Interest"},
         "Unknown Amortization Method."},
        {{"rembal", "PV=1000", "NumPmts=12", "Rate=5", "BalAfter=13"},
         "Total periods must be greater than remaining balance period"},
        {{"rembal", "PV=1000", "NumPmts=12", "Rate=5", "BalAfter=3", "CmpPYR=Simple"},
         "Unsupported compounding period for this calculator."},
    };
    for (const auto& [arguments, message] : cases) {
        const Outcome outcome = Calc(arguments);
        EXPECT_EQ(outcome.code, 1) << arguments.front();
        EXPECT_EQ(outcome.err, message + "\n") << arguments.front();
        EXPECT_EQ(outcome.out.find("nan"), std::string::npos);
    }
}

TEST(SingleFormulaCalculators, InformationMessagesGoToStderrAndTheRunGoesOn) {
    const Outcome secmor =
        Calc({"secmor", "PP=200000", "CA=50000", "FM=150000", "FT=360", "FIR=6", "SIR=9"});
    EXPECT_EQ(secmor.code, 0);
    EXPECT_EQ(secmor.err, "Second Mortgage not required.\nCash available plus first mortgage is "
                          "equal to or greater than the purchase price. \n");
}

} // namespace
} // namespace quarvex::cli

namespace quarvex::cli {
namespace {

TEST(CashFlowCalculators, FlowsAndDatesOnTheCommandLine) {
    const std::string flows = "Flows=-1000,100,100,100,100,100,100,100,100,100,100,100,100";
    const Outcome netpv = Calc({"netpv", flows, "DiscountRate=12", "StartDate=2021-01-01"});
    EXPECT_EQ(netpv.code, 0) << netpv.err;
    EXPECT_NE(netpv.out.find("\nNet Present Value:                $125.51\n"), std::string::npos)
        << netpv.out;
    EXPECT_NE(netpv.out.find("12/01/2021                        $100.00\n"), std::string::npos);

    const Outcome irr = Calc({"irr", flows, "--json"});
    EXPECT_EQ(irr.code, 0) << irr.err;
    EXPECT_NE(irr.out.find("\"IRR\": 35.07"), std::string::npos) << irr.out;
    EXPECT_NE(irr.out.find("\"flows\": [{\"date\": "), std::string::npos);

    // Exact days: the spreadsheet's XIRR of these flows is 14.6673 % (effective a year).
    const Outcome dated = Calc(
        {"irr", "Flows=-1000,300,400,500", "Dates=2021-01-01,2021-07-01,2022-03-15,2023-01-01"});
    EXPECT_EQ(dated.code, 0) << dated.err;
    EXPECT_NE(dated.out.find("(%):          14.6673\n"), std::string::npos) << dated.out;
    EXPECT_NE(dated.out.find("03/15/2022                         400.00\n"), std::string::npos);
}

TEST(CashFlowCalculators, BadListsExitTwo) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"netpv", "Flows=-1000"},
             {"netpv", "Flows=-1000,abc"},
             {"irr", "Dates=2021-13-01"},
             {"irr", "ExactDays=maybe"},
         }) {
        const Outcome outcome = Calc(arguments);
        EXPECT_EQ(outcome.code, 2) << arguments[1];
        EXPECT_EQ(outcome.err.rfind("quarvex-calc: ", 0), 0u) << outcome.err;
    }
    const Outcome fields = Calc({"netpv", "--fields"});
    EXPECT_NE(fields.out.find("\nFlows\t"), std::string::npos) << fields.out;
}

} // namespace
} // namespace quarvex::cli
