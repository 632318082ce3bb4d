#include "calculators/Catalog.h"
#include "cli/CliRun.h"
#include "support/PdfText.h"
#include "support/TempDirectory.h"
#include "ui/report/OffscreenPdfPrinting.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>

namespace quarvex::ui {
namespace {

cli::CliRun Calc(const std::vector<std::string>& arguments) {
    return cli::RunCli(arguments, {}, &MakeOffscreenPdfPrinting);
}

// A question for every calculator, and a figure its printout must show (worked outside the
// program: spreadsheet functions or the calculators' published examples).
const std::map<std::string, std::pair<std::vector<std::string>, std::string>> kQuestions = {
    {"loan", {{"PV=10000", "NumPmts=36", "Rate=10", "Pmt=0"}, "$322.67"}}, // PMT(10%/12, 36)
    {"payreq", {{"FV=10000", "NumPmts=120", "Rate=6"}, "$61.02"}},
    {"preval", {{"FV=10000", "NumPmts=10", "CmpPYR=Annually", "Rate=5"}, "$6,139.13"}},
    {"eoq",
     {{"UnitLotSize=1", "AnnualUnits=1000", "CostToWrite=50", "Price=10", "Rate=10"}, "$316.23"}},
    {"secmor", {{"PP=250000", "CA=50000", "FM=150000", "FT=360", "FIR=6", "SIR=9"}, "$1,274.33"}},
    {"accpmt", {{"PV=100000", "NumPmts=360", "Rate=6", "IncAfter=1", "ExtraPd=100"}, "252"}},
    {"ballpmt", {{"PV=100000", "Rate=6", "FV=50000", "PeriodDue=60"}, "$1,216.64"}},
    {"affhse",
     {{"AnnualIncome=60000", "CashAvailable=20000", "Rate=6", "NumPmts=360", "EstTaxIns=2400",
       "EstMaintenance=1200", "PercentIncome=28"},
      "$183,470.78"}},
    {"interest",
     {{"PV=1000", "Rate=10", "CmpPYR=Simple", "RateBasis=1", "StartDate=2021-01-01",
       "EndDate=2022-01-01"},
      "$100.00"}},
    {"equrate", {{"NominalRate=12"}, "12.6825"}}, // EFFECT(12%, 12)
    {"intrate", {{"AmtInv=1000", "AmtRet=2000", "NumPmts=10", "CmpPYR=Annually"}, "7.18"}},
    {"netpv", {{"Flows=-1000,300,400,500", "DiscountRate=8"}, "$182.86"}},
    {"irr", {{"Flows=-1000,300,400,500"}, "106.75"}},
    {"rembal", {{"PV=10000", "NumPmts=36", "Rate=10", "BalAfter=12"}, "$6,992.59"}},
    {"amort", {{"PV=10000", "NumPmts=36", "Rate=10", "--today=2024-03-01"}, "322.67"}},
    // (10 000 - 1 000) / 5 a year; 5/15 of 9 000 in the first year; 2/5 of 9 000 in the first year.
    {"sldep",
     {{"BookValue=10000", "SalvageValue=1000", "RecoveryPeriod=5", "InService=2024-01-01"},
      "$1,800.00"}},
    {"sumofyears",
     {{"BookValue=10000", "SalvageValue=1000", "RecoveryPeriod=5", "InService=2024-01-01"},
      "$3,000.00"}},
    {"decbal",
     {{"BookValue=10000", "SalvageValue=1000", "RecoveryPeriod=5", "Acceleration=200",
       "InService=2024-01-01"},
      "$3,600.00"}},
    // Five-year property, half-year convention: 32.00 % in the second year.
    {"macrs", {{"BookValue=100000", "RecoveryPeriod=5", "InService=2024-01-01"}, "$32,000.00"}},
};

TEST(CommandLinePdf, EveryCalculatorPrintsItsResultsToAPdf) {
    for (const calculators::CalculatorEntry& entry : calculators::Calculators()) {
        const std::string stem(entry.Spec().stem);
        SCOPED_TRACE(stem);
        const auto question = kQuestions.find(stem);
        ASSERT_NE(question, kQuestions.end()) << "no question for " << stem;
        testing::TempDirectory folder;
        const auto file = folder / (stem + ".pdf");
        std::vector<std::string> arguments = {stem};
        arguments.insert(arguments.end(), question->second.first.begin(),
                         question->second.first.end());
        arguments.insert(arguments.end(), {"--pdf", file.string()});
        const cli::CliRun run = Calc(arguments);
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_NE(run.out.find(std::string(entry.Spec().name)), std::string::npos)
            << "the text is printed as well";
        const std::string text = testing::PdfText(file);
        EXPECT_NE(text.find(std::string(entry.Spec().name)), std::string::npos) << text;
        EXPECT_NE(text.find(question->second.second), std::string::npos) << text;
        // Nothing but the PDF is left in the folder: it was written in one piece.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                                std::filesystem::directory_iterator()),
                  1);
    }
}

TEST(CommandLinePdf, SchedulesPrintEveryPageWithItsHeadings) {
    testing::TempDirectory folder;
    const auto amort = folder / "amort.pdf";
    const cli::CliRun schedule = Calc({"amort", "PV=150000", "NumPmts=360", "Rate=6",
                                       "--today=2024-03-01", "--pdf", amort.string()});
    ASSERT_EQ(schedule.code, 0) << schedule.err;
    const std::string pages = testing::PdfText(amort);
    // PMT(6%/12, 360, -150000) = 899.33; 360 payments need many pages, each numbered.
    EXPECT_NE(pages.find("899.33"), std::string::npos);
    EXPECT_GE(testing::CountOf(pages, "\f"), 8) << pages.substr(0, 2000);
    EXPECT_NE(pages.find("Page: 8"), std::string::npos);
    EXPECT_NE(pages.find("360"), std::string::npos);

    std::string flows = "Flows=-100000";
    for (int i = 0; i < 400; ++i) {
        flows += ",500";
    }
    const auto npv = folder / "netpv.pdf";
    const cli::CliRun table = Calc({"netpv", flows, "DiscountRate=6", "--pdf", npv.string()});
    ASSERT_EQ(table.code, 0) << table.err;
    const std::string flowPages = testing::PdfText(npv);
    EXPECT_GE(testing::CountOf(flowPages, "\f"), 2);
    // Every page of the table carries its headings: three pairs of columns a page.
    EXPECT_GE(testing::CountOf(flowPages, "Date"), 6) << flowPages.substr(0, 3000);
    EXPECT_NE(flowPages.find("Net Present Value"), std::string::npos);
}

TEST(CommandLinePdf, AFailedCalculationWritesNoPdf) {
    testing::TempDirectory folder;
    const auto file = folder / "loan.pdf";
    const cli::CliRun run = Calc({"loan", "PV=10000", "NumPmts=36", "--pdf", file.string()});
    EXPECT_EQ(run.code, 1);
    EXPECT_FALSE(std::filesystem::exists(file));
}

} // namespace
} // namespace quarvex::ui
