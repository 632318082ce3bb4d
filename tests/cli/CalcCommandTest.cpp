#include "cli/CalcCommand.h"
#include "framework/store/RegIni.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace quarvex::cli {
namespace {

struct CalcRun {
    int code;
    std::string out;
    std::string err;
};

// Runs quarvex-calc with an environment that holds only what the test gives it.
CalcRun Calc(std::vector<std::string> arguments,
             std::map<std::string, std::string> environment = {}) {
    std::ostringstream out;
    std::ostringstream err;
    const auto lookup = [environment](const std::string& name) -> std::optional<std::string> {
        const auto found = environment.find(name);
        if (found == environment.end()) {
            return std::nullopt;
        }
        return found->second;
    };
    const int code = RunQuarvexCalc(arguments, out, err, lookup);
    return {code, out.str(), err.str()};
}

TEST(QuarvexCalc, ListsTheCalculators) {
    const CalcRun run = Calc({"--list"});
    EXPECT_EQ(run.code, 0);
    EXPECT_NE(run.out.find("loan\tLoan Calculator\n"), std::string::npos) << run.out;
}

TEST(QuarvexCalc, HelpNamesEveryOption) {
    const CalcRun run = Calc({"--help"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out.rfind("usage: quarvex-calc ", 0), 0u) << run.out;
    for (const char* option :
         {"--list", "--fields", "--json", "--settings", "--today", "--load", "--save", "--pdf"}) {
        // explained below the usage line
        EXPECT_NE(run.out.find(std::string(" ") + option, run.out.find('\n')), std::string::npos)
            << option;
    }
}

TEST(QuarvexCalc, ListsTheFieldsOfACalculator) {
    const CalcRun run = Calc({"loan", "--fields"});
    EXPECT_EQ(run.code, 0);
    EXPECT_NE(run.out.find("PV\t&Amount of Loan?:\tdouble\t0\t\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("PmtMthd\tPayment &Method?:\tlist\tArrears\tArrears|Advance\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Interest\tInterest For Term:\tdouble result\t0\t\n"),
              std::string::npos);
}

TEST(QuarvexCalc, PrintsTheCopiedTextOfTheReferenceLoan) {
    const CalcRun run = Calc({"loan", "PV=10000", "NumPmts=36", "Rate=10", "Pmt=0"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "Loan Calculator\n"
                       "\n"
                       "Amount of Loan?:               $10,000.00\n"
                       "Total Periods? (#):                    36\n"
                       "Annual Rate? (%):                   10.00\n"
                       "Periodic Payment?:                $322.67\n"
                       "Payment Period?:                  Monthly\n"
                       "Compounding Period?:              Monthly\n"
                       "Payment Method?:                  Arrears\n"
                       "Amortizing Method?:                Normal\n"
                       "Interest For Term:              $1,616.12\n");
    EXPECT_EQ(run.err, "");
}

TEST(QuarvexCalc, NamesAndListEntriesInAnyCase) {
    const CalcRun byText =
        Calc({"LOAN", "pv=1200", "numpmts=12", "rate=0", "pmt=0", "amortmthd=no interest"});
    EXPECT_EQ(byText.code, 0) << byText.err;
    EXPECT_NE(byText.out.find("Periodic Payment?:                $100.00"), std::string::npos);
    const CalcRun byIndex = Calc({"loan", "PV=1200", "NumPmts=12", "AmortMthd=4"});
    EXPECT_EQ(byIndex.out, byText.out);
}

TEST(QuarvexCalc, JsonGivesEveryFieldAtFullPrecision) {
    const CalcRun run = Calc({"loan", "PV=10000", "NumPmts=36", "Rate=10", "--json"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out,
              "{\"calculator\": \"loan\", \"fields\": {\"PV\": 10000, \"NumPmts\": 36, "
              "\"Rate\": 10, \"Pmt\": 322.67, \"PYR\": {\"index\": 5, \"text\": "
              "\"Monthly\"}, \"CmpPYR\": {\"index\": 6, \"text\": \"Monthly\"}, "
              "\"PmtMthd\": {\"index\": 0, \"text\": \"Arrears\"}, \"AmortMthd\": "
              "{\"index\": 0, \"text\": \"Normal\"}, \"Interest\": 1616.1200000000008}}\n");
}

TEST(QuarvexCalc, EngineErrorsGoToStderrWithExitOne) {
    const CalcRun twoUnknowns = Calc({"loan", "PV=10000", "NumPmts=36"});
    EXPECT_EQ(twoUnknowns.code, 1);
    EXPECT_EQ(twoUnknowns.out, "");
    EXPECT_EQ(twoUnknowns.err, "Too many unknowns. Enter only one Zero value.\n");
    const CalcRun infinite = Calc({"loan", "PV=10000", "Rate=10", "Pmt=50"});
    EXPECT_EQ(infinite.code, 1);
    EXPECT_EQ(infinite.err, "Infinite term.\nPayment is less than interest.\n");
}

TEST(QuarvexCalc, BadArgumentsExitTwoWithAClearMessage) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"mortgage"},
        {"loan", "Amount=5"},
        {"loan", "PV=ten"},
        {"loan", "PV=1e999"},
        {"loan", "NumPmts=40000"},
        {"loan", "NumPmts=2.5"},
        {"loan", "PYR=Fortnightly"},
        {"loan", "PYR=10"},
        {"loan", "--verbose"},
        {"loan", "PV"},
    };
    for (const auto& arguments : cases) {
        const CalcRun run = Calc(arguments);
        EXPECT_EQ(run.code, 2) << ::testing::PrintToString(arguments);
        EXPECT_EQ(run.err.rfind("quarvex-calc: ", 0), 0u) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST(QuarvexCalc, StoredDefaultsOnlyWithSettingsAndNeverWritten) {
    testing::TempDirectory folder;
    {
        framework::RegIni store(folder / "settings.ini");
        store.SetCurSubKey("Software\\Kelvarn Software\\Quarvex!\\Loan Calculator");
        store.WriteReal("&Amount of Loan?:", 20000);
        store.WriteInteger("&Total Periods? (#):", 48);
        store.WriteReal("Annual &Rate? (%):", 6);
    }
    const std::map<std::string, std::string> environment = {
        {"QUARVEX_CONFIG_DIR", folder.Path().string()}};
    const auto before = std::filesystem::last_write_time(folder / "settings.ini");
    const auto entries = [&folder] {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    };
    const auto filesBefore = entries();

    const CalcRun without = Calc({"loan", "Pmt=0"}, environment);
    EXPECT_EQ(without.code, 1) << "publisher's values: four zeros";
    const CalcRun with = Calc({"loan", "Pmt=0", "--settings"}, environment);
    EXPECT_EQ(with.code, 0) << with.err;
    EXPECT_NE(with.out.find("Periodic Payment?:                $469.70"), std::string::npos)
        << with.out; // PMT(6%/12, 48, -20000)
    EXPECT_EQ(std::filesystem::last_write_time(folder / "settings.ini"), before);
    EXPECT_EQ(entries(), filesBefore);
}

TEST(QuarvexCalc, ADamagedSettingsFileIsReportedAndLeftAlone) {
    testing::TempDirectory folder;
    {
        std::ofstream file(folder / "settings.ini");
        file << "this is not a settings file";
    }
    const CalcRun run = Calc({"loan", "PV=1000", "NumPmts=10", "Rate=5", "--settings"},
                             {{"QUARVEX_CONFIG_DIR", folder.Path().string()}});
    EXPECT_EQ(run.code, 0);
    EXPECT_NE(run.err.find("damaged"), std::string::npos) << run.err;
    EXPECT_TRUE(std::filesystem::exists(folder / "settings.ini"));
    EXPECT_FALSE(std::filesystem::exists(folder / "settings.ini.corrupt"));
}

} // namespace
} // namespace quarvex::cli
