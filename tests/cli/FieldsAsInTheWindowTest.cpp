#include "cli/CliRun.h"
#include "framework/store/RegIni.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

namespace quarvex::cli {
namespace {

// A value beyond what the field's window can show or take is refused, naming the field and
// its range as the window's mask has it.
TEST(FieldsAsInTheWindow, ValuesBeyondTheFieldsMaskExitTwo) {
    const std::tuple<std::vector<std::string>, std::string, std::string> cases[] = {
        {{"loan", "PV=1e308", "NumPmts=36", "Rate=10"}, "PV", "-999,999,999.99 to 999,999,999.99"},
        {{"loan", "PV=1000000000", "NumPmts=36", "Rate=10"},
         "PV",
         "-999,999,999.99 to 999,999,999.99"},
        {{"loan", "PV=-1000000000", "NumPmts=36", "Rate=10"},
         "PV",
         "-999,999,999.99 to 999,999,999.99"},
        {{"loan", "PV=10000", "NumPmts=36", "Rate=100"}, "Rate", "-99.9999 to 99.9999."},
        {{"accpmt", "PV=1e300", "NumPmts=360", "Rate=6", "IncAfter=1", "ExtraPd=100"},
         "PV",
         "999,999,999.99"},
        {{"equrate", "NominalRate=100"}, "NominalRate", "99.99999"},
        {{"interest", "PV=1000", "Rate=5", "NumDays=1000000"}, "NumDays", "999,999"},
        {{"interest", "PV=1000", "Rate=5", "NumDays=-3"}, "NumDays", "999,999"},
        // The amounts of a list of flows are held to the money mask of their grid cells.
        {{"netpv", "Flows=-1000,1e300,5", "DiscountRate=5"}, "Flows", "999,999,999.99"},
    };
    for (const auto& [arguments, field, bound] : cases) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.code, 2) << ::testing::PrintToString(arguments) << run.out;
        EXPECT_EQ(run.err.rfind("quarvex-calc: " + field, 0), 0u) << run.err;
        EXPECT_NE(run.err.find("is out of range"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(bound), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST(FieldsAsInTheWindow, TheLargestValuesOfAMaskAreTaken) {
    const CliRun loan = RunCli({"loan", "PV=999999999.99", "NumPmts=360", "Rate=99.9999", "Pmt=0"});
    EXPECT_EQ(loan.code, 0) << loan.err;
    EXPECT_NE(loan.out.find("$999,999,999.99\n"), std::string::npos) << loan.out;
    const CliRun negative = RunCli({"loan", "PV=-999999999.99", "NumPmts=360", "Rate=6"});
    EXPECT_NE(negative.code, 2) << negative.err;
}

// Days and dates are linked as in the window, argument by argument in the order given.
TEST(FieldsAsInTheWindow, TheInterestCalculatorLinksDaysAndDates) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"StartDate=2024-03-01", "NumDays=30"},
         "End Date?:                     03/31/2024 Sunday  "},
        {{"StartDate=2024-03-01", "EndDate=2024-04-01"},
         "Number of Days? (#):                             31"},
        // 2024 is a leap year: 366 days between the two New Year's Days.
        {{"StartDate=2024-01-01", "EndDate=2025-01-01"},
         "Number of Days? (#):                            366"},
    };
    for (const auto& [dates, line] : cases) {
        std::vector<std::string> arguments = {"interest", "PV=1000", "Rate=5",
                                              "--today=2020-06-15"};
        arguments.insert(arguments.end(), dates.begin(), dates.end());
        const CliRun run = RunCli(arguments);
        EXPECT_NE(run.out.find(line + "\n"), std::string::npos)
            << ::testing::PrintToString(dates) << "\n"
            << run.out << run.err;
    }
    // Dates alone give the term.
    const CliRun dated = RunCli({"interest", "PV=1000", "Rate=10", "CmpPYR=Simple", "RateBasis=1",
                                 "StartDate=2021-01-01", "EndDate=2022-01-01"});
    EXPECT_EQ(dated.code, 0) << dated.err;
    EXPECT_NE(dated.out.find("Interest For Term:                          $100.00\n"),
              std::string::npos)
        << dated.out;
}

TEST(FieldsAsInTheWindow, TheEquivalentRateTextShowsBothRates) {
    // EFFECT(6%, 12) = 6.16778 %
    const CliRun run = RunCli({"equrate", "NominalRate=6", "EffectiveRate=0"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("\nNominal Annual Rate? (%):                         6.00000\n"
                           "Effective Annual Rate? (%):                       6.16778\n"),
              std::string::npos)
        << run.out;
    // NOMINAL(6.16778%, 12) = 6 %: the other way round.
    const CliRun back = RunCli({"equrate", "NominalRate=0", "EffectiveRate=6.16778"});
    EXPECT_NE(back.out.find("Nominal Annual Rate? (%):                         6.00000\n"),
              std::string::npos)
        << back.out;
}

TEST(FieldsAsInTheWindow, ACalculationThatComputesNothingExitsOne) {
    const CliRun preval = RunCli({"preval", "NumPmts=10", "Rate=5"});
    EXPECT_EQ(preval.code, 1);
    EXPECT_EQ(preval.err, "Enter a future value.\n");
    EXPECT_EQ(preval.out, "");
}

TEST(FieldsAsInTheWindow, StoredValuesThatCannotBeUsedAreNamed) {
    testing::TempDirectory folder;
    {
        framework::RegIni store(folder / "settings.ini");
        store.SetCurSubKey("Software\\Kelvarn Software\\Quarvex!\\Loan Calculator");
        store.WriteReal("&Amount of Loan?:", 20000);
        store.WriteInteger("&Total Periods? (#):", 99999);
        store.WriteReal("Annual &Rate? (%):", 6);
        store.WriteInteger("Payme&nt Period?:", 42);
    }
    const CliRun run =
        RunCli({"loan", "--settings"}, {{"QUARVEX_CONFIG_DIR", folder.Path().string()}});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("quarvex-calc: ignored the stored value \"&Total Periods? (#):\" of "
                           "Loan Calculator: 99999 is not a whole number from -32768 to 32767\n"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("\"Payme&nt Period?:\" of Loan Calculator: 42 is not an index of its "
                           "list"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("Too many unknowns"), std::string::npos) << run.err;
}

} // namespace
} // namespace quarvex::cli
