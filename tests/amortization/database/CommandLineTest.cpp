#include "cli/CalcCommand.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

// quarvex-calc's schedule database commands, run on a fresh data folder.
namespace quarvex::cli {
namespace {

struct CalcRun {
    int code;
    std::string out;
    std::string err;
};

class CommandLineTest : public ::testing::Test {
protected:
    CalcRun Calc(std::vector<std::string> arguments) {
        std::ostringstream out;
        std::ostringstream err;
        const std::string data = folder_.Path().string();
        const std::string config = (folder_ / "config").string();
        const auto lookup = [data, config](const std::string& name) -> std::optional<std::string> {
            if (name == "QUARVEX_DATA_DIR") {
                return data;
            }
            if (name == "QUARVEX_CONFIG_DIR") {
                return config;
            }
            return std::nullopt;
        };
        const int code = RunQuarvexCalc(arguments, out, err, lookup);
        return {code, out.str(), err.str()};
    }
    quarvex::testing::TempDirectory folder_;
};

const std::vector<std::string> kLoan = {"amort",
                                        "PV=150000",
                                        "NumPmts=180",
                                        "Rate=6.25",
                                        "OrgDate=2024-03-17",
                                        "Points=1.5",
                                        "BalloonPeriod=120",
                                        "FirstPmtDate=2024-05-01",
                                        "RateBasis=4",
                                        "--today=2024-03-01"};

std::vector<std::string> With(std::vector<std::string> arguments,
                              const std::vector<std::string>& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

TEST_F(CommandLineTest, ASavedLoanLoadsBackAsTheSameCalculation) {
    const CalcRun calculated = Calc(kLoan);
    ASSERT_EQ(calculated.code, 0) << calculated.err;
    const CalcRun saved = Calc(With(kLoan, {"--save", "SMIJOH001"}));
    ASSERT_EQ(saved.code, 0) << saved.err;
    EXPECT_EQ(saved.out, "1\n");
    EXPECT_EQ(Calc(With(kLoan, {"--save", "SMIJOH001"})).out, "2\n");

    const CalcRun loaded = Calc({"amort", "--load", "1", "--today=2024-03-01"});
    ASSERT_EQ(loaded.code, 0) << loaded.err;
    EXPECT_EQ(loaded.out, calculated.out);
    // Every figure, the rows included, is the calculation's. (Whether the payment was solved
    // is a fact of a Calc, which a load does not run.)
    const auto withoutSolvedFlag = [](std::string json) {
        const auto at = json.find("\"PaymentSolved\": ");
        return at == std::string::npos ? json : json.erase(at, json.find(',', at) - at);
    };
    const CalcRun json = Calc({"amort", "--load", "2", "--json", "--today=2024-03-01"});
    ASSERT_EQ(json.code, 0) << json.err;
    const std::string want = withoutSolvedFlag(Calc(With(kLoan, {"--json"})).out);
    const std::string got = withoutSolvedFlag(json.out);
    const auto differs = std::mismatch(want.begin(), want.end(), got.begin(), got.end());
    EXPECT_TRUE(got == want) << "first difference at "
                             << std::string(differs.first, want.end()).substr(0, 200);
}

TEST_F(CommandLineTest, ListsAccountsAndTheirLoans) {
    ASSERT_EQ(Calc(With(kLoan, {"--save", "ACME01"})).code, 0);
    ASSERT_EQ(Calc({"amort", "PV=9000", "NumPmts=12", "Rate=10", "OrgDate=2024-01-01",
                    "FirstPmtDate=2024-02-01", "--save", "acme01"})
                  .code,
              0);
    ASSERT_EQ(Calc(With(kLoan, {"--save", "BETA"})).code, 0);
    EXPECT_EQ(Calc({"db", "accounts"}).out, "ACME01\t\t\t\t\t\nBETA\t\t\t\t\t\n");
    const CalcRun loans = Calc({"db", "loans", "ACME01"});
    EXPECT_EQ(loans.code, 0) << loans.err;
    EXPECT_EQ(loans.out, "1\t150000.00\t2024-03-17\t2024-05-01\t180\t6.25\t1286.13\n"
                         "2\t9000.00\t2024-01-01\t2024-02-01\t12\t10\t791.24\n");
}

TEST_F(CommandLineTest, RefusesWhatItCannotDo) {
    struct Case {
        std::vector<std::string> arguments;
        int code;
        std::string err; // a part of the message
    };
    const std::vector<Case> cases = {
        {{"loan", "PV=1", "--save", "X"}, kExitBadArguments, "amortization calculator only"},
        {With(kLoan, {"--save"}), kExitBadArguments, "--save takes an account number"},
        {With(kLoan, {"--save", "--json"}), kExitBadArguments, "--save takes an account number"},
        {With(kLoan, {"--save", "A", "--load", "1"}), kExitBadArguments, "cannot be combined"},
        {{"amort", "--load", "7"}, kExitCalculationError, "There is no loan numbered 7."},
        {{"db"}, kExitBadArguments, "usage: quarvex-calc db accounts"},
        {{"db", "loans"}, kExitBadArguments, "usage"},
        {{"db", "loans", "NOBODY"}, kExitCalculationError, "There is no account numbered NOBODY."},
        {With(kLoan, {"--save", "WAY-TOO-LONG-ACCOUNT-NUMBER"}), kExitCalculationError,
         "ACCOUNTNO"},
        {With(kLoan, {"--save", "SMI\nJOH001"}), kExitCalculationError,
         "The account number cannot hold a line break"},
        {With(kLoan, {"PV=-150000"}), kExitCalculationError, "Amount of Loan can't be negative."},
    };
    for (const Case& c : cases) {
        const CalcRun run = Calc(c.arguments);
        EXPECT_EQ(run.code, c.code) << c.arguments.back() << ": " << run.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
}

// Every money column of the exported rows is written in whole cents: 99236.68, never
// 99236.6799999999.
TEST_F(CommandLineTest, ExportedRowsHoldWholeCents) {
    const CalcRun run = Calc({"amort", "PV=100000", "NumPmts=360", "Rate=6", "OrgDate=2024-01-01",
                              "FirstPmtDate=2024-02-01", "--csv", "--today=2024-01-01"});
    ASSERT_EQ(run.code, 0) << run.err;
    std::istringstream lines(run.out.substr(run.out.find("NumYears,")));
    const auto cells = [](const std::string& line) {
        std::vector<std::string> parts;
        std::istringstream in(line);
        for (std::string part; std::getline(in, part, ',');) {
            parts.push_back(part);
        }
        return parts;
    };
    std::string line;
    std::getline(lines, line);
    const std::vector<std::string> header = cells(line);
    std::vector<std::size_t> money;
    for (const char* name :
         {"Pmt", "ExtraPmt", "Advance", "Principal", "Interest", "AccruedInt", "PrinBal",
          "RunningPmt", "RunningExtraPmt", "RunningPrincipal", "RunningInt", "RunningAccruedInt"}) {
        const auto at = std::find(header.begin(), header.end(), name);
        ASSERT_NE(at, header.end()) << name;
        money.push_back(static_cast<std::size_t>(at - header.begin()));
    }
    int rows = 0;
    bool sawBalance = false;
    while (std::getline(lines, line) && !line.empty() && line != "\r") {
        const std::vector<std::string> row = cells(line);
        ASSERT_GT(row.size(), money.back()) << line;
        for (const std::size_t column : money) {
            const std::string& text = row[column];
            const auto point = text.find('.');
            EXPECT_TRUE(point == std::string::npos || text.size() - point - 1 <= 2)
                << header[column] << " " << text;
        }
        sawBalance = sawBalance || row[money[6]] == "98877.16";
        ++rows;
    }
    EXPECT_EQ(rows, 361);
    EXPECT_TRUE(sawBalance);
}

} // namespace
} // namespace quarvex::cli
