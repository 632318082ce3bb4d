#include "cli/LoanCommand.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quarvex::cli {
namespace {

struct CommandRun {
    int code;
    std::string out;
    std::string err;
};

CommandRun Loan(std::vector<std::string> arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunLoanCommand(arguments, out, err);
    return {code, out.str(), err.str()};
}

TEST(LoanCommand, SolvesThePayment) {
    const CommandRun run = Loan({"PV=10000", "NumPmts=36", "Rate=10", "Pmt=0"});
    EXPECT_EQ(run.code, 0);
    EXPECT_NE(run.out.find("Periodic Payment: 322.67\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Interest For Term: 1616.12\n"), std::string::npos) << run.out;
}

TEST(LoanCommand, EngineErrorsPrintTheirTextAndExitOne) {
    const CommandRun run = Loan({"PV=0", "NumPmts=36", "Rate=10", "Pmt=0"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "Too many unknowns. Enter only one Zero value.\n");
    const CommandRun continuous = Loan({"PV=10000", "NumPmts=36", "Rate=10", "CmpPYR=0"});
    EXPECT_EQ(continuous.code, 1);
    EXPECT_EQ(continuous.err, "Unsupported compounding period for this calculator.\n");
    const CommandRun shortPayment = Loan({"PV=10000", "NumPmts=0", "Rate=10", "Pmt=50"});
    EXPECT_EQ(shortPayment.err, "Infinite term.\nPayment is less than interest.\n");
}

TEST(LoanCommand, BadArgumentsExitTwo) {
    for (const auto& bad :
         {"PV", "Amount=5", "PV=ten", "NumPmts=40000", "PYR=12", "Rate=nan", "PV=1e999"}) {
        const CommandRun run = Loan({bad});
        EXPECT_EQ(run.code, 2) << bad;
        EXPECT_FALSE(run.err.empty()) << bad;
    }
}

} // namespace
} // namespace quarvex::cli
