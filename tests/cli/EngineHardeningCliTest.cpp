#include "cli/CalcCommand.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quarvex::cli {
namespace {

struct Answer {
    int code;
    std::string out;
    std::string err;
};

Answer Ask(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int code =
        RunQuarvexCalc(arguments, out, err, [](const std::string&) { return std::nullopt; });
    return {code, out.str(), err.str()};
}

TEST(EngineHardeningCli, QuestionsWithoutAnAnswerSayWhy) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        // 1 % of 12 000 is exactly the payment: the balance never moves.
        {{"loan", "PV=12000", "NumPmts=0", "Rate=12", "Pmt=120"},
         "Infinite term.\nPayment is less than interest."},
        {{"loan", "PV=12000", "NumPmts=0", "Rate=12", "Pmt=120", "AmortMthd=Fixed Principal"},
         "Infinite term.\nPayment is less than interest."},
        // Payments that exceed the interest by too little end after hundreds of thousands.
        {{"loan", "PV=100000000", "NumPmts=0", "Rate=1", "Pmt=2740", "PYR=Daily", "CmpPYR=Daily"},
         "The term exceeds 32,767 payments."},
        {{"loan", "PV=10000", "NumPmts=0", "Rate=12", "Pmt=100.01", "AmortMthd=Fixed Principal"},
         "The term exceeds 32,767 payments."},
        // Payments of the other sign than the amount never repay it.
        {{"loan", "PV=-1000", "NumPmts=0", "Rate=12", "Pmt=100"},
         "Infinite term.\nPayment is less than interest."},
        {{"loan", "PV=1", "NumPmts=0", "Rate=12", "Pmt=1000"},
         "The payment is larger than the amount of the loan."},
        {{"affhse"}, "Buyers Annual Income can't be Zero "},
        // The remaining balance has no unknown: a zero figure is missing.
        {{"rembal", "PV=1000", "Rate=5", "BalAfter=3"}, "Term can't be zero."},
        {{"rembal", "NumPmts=12", "Rate=5", "BalAfter=3"}, "PV or Amount can't be zero."},
        {{"rembal", "PV=1000", "NumPmts=12", "BalAfter=3"}, "Rate can't be zero."},
        {{"affhse", "AnnualIncome=60000", "CashAvailable=-20000", "Rate=6", "NumPmts=360",
          "PercentIncome=28"},
         "Cash Available can't be negative."},
    };
    for (const auto& [arguments, message] : cases) {
        const Answer answer = Ask(arguments);
        EXPECT_EQ(answer.code, 1) << arguments[1] << ": " << answer.out;
        EXPECT_EQ(answer.err, message + "\n") << arguments[1];
        EXPECT_EQ(answer.out, "") << arguments[1];
    }
}

TEST(EngineHardeningCli, AnswersThatWereWrongBefore) {
    const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
        // Lent out: the mirror of 10 000 at 10 % repaid by 322.67 a month.
        {{"loan", "PV=-10000", "NumPmts=0", "Rate=10", "Pmt=-322.67"},
         {"Total Periods? (#):                    36"}},
        // In advance, without an extra payment, the loan runs its 360 payments and saves only
        // what the cent-rounded payment of 728.91 leaves over.
        {{"accpmt", "PV=100000", "NumPmts=360", "Rate=8", "IncAfter=400", "ExtraPd=100",
          "PmtMthd=Advance"},
         {"Periods To Pay Off:                   360",
          "Total Interest Saved:               $7.18"}},
        // NPER(8%/12, -828.91, 100000, 0, 1) = 241.43.
        {{"accpmt", "PV=100000", "NumPmts=360", "Rate=8", "IncAfter=1", "ExtraPd=100",
          "PmtMthd=Advance"},
         {"Periods To Pay Off:                   242"}},
    };
    for (const auto& [arguments, lines] : cases) {
        const Answer answer = Ask(arguments);
        EXPECT_EQ(answer.code, 0) << arguments[1] << ": " << answer.err;
        for (const std::string& line : lines) {
            EXPECT_NE(answer.out.find(line + "\n"), std::string::npos)
                << "lacks \"" << line << "\" in:\n"
                << answer.out;
        }
    }
}

} // namespace
} // namespace quarvex::cli
