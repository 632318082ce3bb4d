#include "engine/FinanceErrors.h"
#include "engine/LoanErrors.h"
#include "engine/TCalcPmt.h"
#include "engine/coAccPmt.h"
#include "engine/coAffHse.h"
#include "engine/coBallPmt.h"
#include "engine/coLoan.h"
#include "engine/coSecMor.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <functional>

namespace quarvex::engine {
namespace {

// Each loan object refuses a count below zero by naming it, and a count of zero as before.
struct CountCase {
    const char* what;
    std::function<void(std::int16_t)> run;
    const char* negative;
    const char* zero;
};

std::string MessageOf(const std::function<void(std::int16_t)>& run, std::int16_t count) {
    try {
        run(count);
    } catch (const Exception& error) {
        return error.Message();
    }
    return "(accepted)";
}

TEST(NegativeCounts, AreRefusedByNameEverywhere) {
    const char* term = "Term can't be negative.";
    const char* zeroTerm = "Term can't be zero.";
    testing::RecordingMessages messages;
    const CountCase cases[] = {
        {"coLoan", [](std::int16_t n) { coLoan().Init(10000, n, 10, 322.67, 12, 12, 0, 0); }, term,
         "(accepted)"},
        {"TCalcPmt",
         [](std::int16_t n) { TCalcPmt().PaymentByMethod(AmortMethod::Normal, 10000, n, 0.01); },
         term, zeroTerm},
        {"TCalcPmt advance",
         [](std::int16_t n) {
             TCalcPmt().PaymentByMethodAdvance(AmortMethod::FixedPrincipal, 10000, n, 0.01);
         },
         term, zeroTerm},
        {"coAccPmt term",
         [](std::int16_t n) { coAccPmt().Init(10000, n, 10, 1, 50, 12, 12, 0, 0); }, term,
         "Too many unknown values."},
        {"coAccPmt first extra period",
         [](std::int16_t n) { coAccPmt().Init(10000, 36, 10, n, 50, 12, 12, 0, 0); },
         "A payment number can't be negative.", "No extra payments made."},
        {"coSecMor",
         [&messages](std::int16_t n) { coSecMor(messages).Init(250000, 50000, 150000, n, 6, 9); },
         term, "Too many unknown values."},
        {"coBallPmt", [](std::int16_t n) { coBallPmt().Init(100000, 6, 50000, n, 12, 12, 0); },
         term, "(accepted)"},
        {"coAffHse", [](std::int16_t n) { coAffHse().Init(60000, 20000, 6, n, 2400, 1200, 28); },
         term, zeroTerm},
    };
    for (const CountCase& c : cases) {
        EXPECT_EQ(MessageOf(c.run, -10), c.negative) << c.what;
        EXPECT_EQ(MessageOf(c.run, std::int16_t{-32768}), c.negative) << c.what;
        EXPECT_EQ(MessageOf(c.run, 0), c.zero) << c.what;
    }
}

TEST(NegativeCounts, ARefusedLoanKeepsWhatItHeld) {
    coLoan loan;
    loan.Init(10000, 36, 10, 0, 12, 12, 0, 0);
    loan.Calculate();
    EXPECT_THROW(loan.Init(5000, -36, 10, 0, 12, 12, 0, 0), EFinance);
    EXPECT_EQ(loan.PV, 10000);
    EXPECT_EQ(loan.NumPmts, 36);
    EXPECT_EQ(loan.Pmt, 322.67);
}

} // namespace
} // namespace quarvex::engine
