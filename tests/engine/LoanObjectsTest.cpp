#include "engine/FinanceErrors.h"
#include "engine/LoanErrors.h"
#include "engine/coAccPmt.h"
#include "engine/coAffHse.h"
#include "engine/coBallPmt.h"
#include "engine/coSecMor.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

namespace quarvex::engine {
namespace {

using quarvex::testing::RecordingMessages;

TEST(coSecMor, SecondMortgageCoversTheGap) {
    RecordingMessages messages;
    coSecMor mortgage(messages);
    mortgage.Init(250000, 50000, 150000, 360, 6, 9);
    mortgage.Calculate();
    EXPECT_EQ(mortgage.FP, 899.33); // PMT(6%/12, 360, -150000)
    EXPECT_DOUBLE_EQ(mortgage.SM, 50000);
    EXPECT_DOUBLE_EQ(mortgage.SP, 375); // interest only: 9 % / 12 of 50 000
    EXPECT_DOUBLE_EQ(mortgage.BP, 899.33 + 375);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(coSecMor, ExplainsWhenNoSecondMortgageIsNeeded) {
    RecordingMessages messages;
    coSecMor mortgage(messages);
    mortgage.Init(200000, 50000, 150000, 360, 6, 9);
    mortgage.Calculate();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "Second Mortgage not required.");
    EXPECT_EQ(
        messages.shown[1].text,
        "Cash available plus first mortgage is equal to or greater than the purchase price. ");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(messages.shown[1].buttons, MessageButtons::Ok);
    EXPECT_EQ(mortgage.SP, 0);
    EXPECT_EQ(mortgage.SM, 0);
    EXPECT_EQ(mortgage.BP, mortgage.FP);
}

TEST(coSecMor, EveryInputIsRequired) {
    RecordingMessages messages;
    coSecMor mortgage(messages);
    try {
        mortgage.Init(200000, 50000, 150000, 0, 6, 9);
        FAIL() << "did not raise";
    } catch (const ELoanException& error) {
        EXPECT_EQ(error.Message(), "Too many unknown values.");
    }
    EXPECT_THROW(mortgage.Init(200000, 0, 150000, 360, 6, 9), ELoanException);
}

TEST(coAccPmt, ExtraPaymentsShortenTheLoan) {
    coAccPmt loan;
    loan.Init(100000, 360, 6, 1, 100, 12, 12, 0, 0);
    loan.Calculate();
    // Paying 699.55 instead of 599.55 on 100 000 at 6 % takes 252 months (NPER = 251.5);
    // the interest saved comes from the same cent-rounded schedule worked outside the program.
    EXPECT_EQ(loan.NewNumPmts, 252);
    EXPECT_NEAR(loan.IntSaved, 39899.98, 0.005);
}

TEST(coAccPmt, ExtraPaymentsAfterTheTermChangeNothing) {
    coAccPmt loan;
    loan.Init(10000, 36, 10, 40, 50, 12, 12, 0, 0);
    loan.Calculate();
    EXPECT_EQ(loan.NewNumPmts, 36);
    EXPECT_NEAR(loan.IntSaved, 0, 0.10);
}

TEST(coAccPmt, EveryMethodAndTimingEnds) {
    for (std::uint8_t method : {0, 1, 2, 3, 4}) {
        for (std::uint8_t timing : {0, 1}) {
            for (std::int16_t n : {1, 2, 36}) {
                for (double extra : {25.0, -25.0}) {
                    coAccPmt loan;
                    loan.Init(10000, n, 10, 1, extra, 12, 12, timing, method);
                    loan.Calculate();
                    EXPECT_GE(loan.NewNumPmts, 1);
                    EXPECT_LE(loan.NewNumPmts, std::max<int>(n, 2))
                        << "method " << int(method) << " timing " << int(timing) << " n " << n;
                }
            }
        }
    }
}

TEST(coAccPmt, RefusesWhatItCannotAnswer) {
    coAccPmt loan;
    const auto code = [&loan](double pv, std::int16_t n, double extra, std::int16_t after) {
        try {
            loan.Init(pv, n, 10, after, extra, 12, 12, 0, 0);
        } catch (const ELoanException& error) {
            return error.Code();
        }
        return 0;
    };
    EXPECT_EQ(code(0, 36, 0, 0), 101) << "the first check comes first";
    EXPECT_EQ(code(10000, 0, 50, 1), 101);
    EXPECT_EQ(code(10000, 36, 0, 1), 102);
    EXPECT_EQ(code(10000, 36, 50, 0), 102);

    loan.Init(10000, 36, 10, 1, 50, 12, 12, 0, 5);
    try {
        loan.Calculate();
        FAIL() << "Rule of 78's was accepted";
    } catch (const ENotSupportedAmort& error) {
        EXPECT_EQ(error.Message(), "");
    }
}

TEST(coBallPmt, PaymentWithABalloon) {
    coBallPmt loan;
    loan.Init(100000, 6, 50000, 60, 12, 12, 0);
    loan.Calculate();
    // PMT(0.5 %, 60, -100000, 50000) = 1 216.64
    EXPECT_NEAR(loan.Pmt, 1216.64, 0.01);
    // In advance: the level payment in advance on the 50 000 amortized (961.83), plus the
    // interest on the balloon less that payment: 961.83 + 0.005 * (50 000 - 961.83).
    loan.Init(100000, 6, 50000, 60, 12, 12, 1);
    loan.Calculate();
    EXPECT_NEAR(loan.Pmt, 1207.02085, 1e-9);
}

TEST(coBallPmt, ANewQuestionWithoutAnAnswerShowsNoOldOne) {
    coBallPmt loan;
    loan.Init(100000, 6, 50000, 60, 12, 12, 0);
    loan.Calculate();
    ASSERT_GT(loan.Pmt, 0);
    loan.Init(100000, 6, 0, 60, 12, 12, 0);
    loan.Calculate();
    EXPECT_EQ(loan.Pmt, 0);
}

TEST(coAffHse, PriceFromIncome) {
    coAffHse house;
    house.Init(60000, 20000, 6, 360, 2400, 1200, 28);
    house.Calculate();
    // 28 % of 5 000 a month less 300 leaves 1 100; PV(0.5 %, 360, -1100) = 183 470.78
    EXPECT_NEAR(house.PV, 183470.78, 0.005);
    EXPECT_NEAR(house.AffordableAmount, 203470.78, 0.005);
    EXPECT_EQ(house.Text, "Cash Available is   9.83% of House Price.");
}

TEST(coAffHse, NothingLeftForThePayment) {
    coAffHse house;
    house.Init(30000, 20000, 6, 360, 6000, 4000, 28);
    house.Calculate();
    EXPECT_EQ(house.PV, 0);
    EXPECT_EQ(house.AffordableAmount, 0);
    EXPECT_EQ(house.Text, "Cash Available is   0.00% of House Price.");
}

TEST(coAffHse, ZeroRateAddsThePaymentsUp) {
    coAffHse house;
    house.Init(60000, 0, 0, 360, 2400, 1200, 28);
    house.Calculate();
    EXPECT_DOUBLE_EQ(house.PV, 1100.0 * 360);
}

TEST(coAffHse, ZeroIncomeIsRefused) {
    coAffHse house;
    try {
        house.Init(0, 20000, 6, 360, 0, 0, 28);
        FAIL() << "did not raise";
    } catch (const EAffHosue& error) {
        EXPECT_EQ(error.Message(), "Buyers Annual Income can't be Zero ");
    }
}

} // namespace
} // namespace quarvex::engine
