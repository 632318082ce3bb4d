#include "calculators/Loan.h"
#include "engine/FinanceErrors.h"
#include "engine/LoanErrors.h"
#include "framework/buffer/ErrorText.h"
#include "framework/settings/TbufGlobals.h"
#include "support/BufferFixture.h"

#include <gtest/gtest.h>

namespace quarvex::calculators {
namespace {

using framework::Choice;

struct LoanTest : ::testing::Test {
    testing::BufferFixture fixture;
    TcbLoan loan{fixture.context};

    void Enter(double pv, std::int16_t n, float rate, double pmt) {
        loan.Data().Set(TcbLoan::PV, pv);
        loan.Data().Set(TcbLoan::NumPmts, n);
        loan.Data().Set(TcbLoan::Rate, rate);
        loan.Data().Set(TcbLoan::Pmt, pmt);
    }
};

TEST_F(LoanTest, SolvesThePaymentAndTheInterest) {
    Enter(10000, 36, 10, 0);
    loan.Calculate();
    EXPECT_EQ(loan.Data().Get<double>(TcbLoan::Pmt), 322.67);
    EXPECT_NEAR(loan.Data().Get<double>(TcbLoan::Interest), 1616.12, 1e-9);
    EXPECT_EQ(loan.SolvedField(), TcbLoan::Pmt);
}

TEST_F(LoanTest, WithEveryFieldFilledItSolvesAgainForTheLastUnknown) {
    Enter(0, 36, 10, 322.67);
    loan.Calculate();
    EXPECT_EQ(loan.SolvedField(), TcbLoan::PV);
    loan.Data().Set(TcbLoan::Pmt, 400.0);
    loan.Calculate(); // all four filled: the amount again
    EXPECT_EQ(loan.SolvedField(), TcbLoan::PV);
    EXPECT_NEAR(loan.Data().Get<double>(TcbLoan::PV), 12396.49, 0.005); // PV(10%/12, 36, -400)
}

TEST_F(LoanTest, ErrorsLeaveTheRecordAndTheUnknownAsTheyWere) {
    Enter(10000, 36, 10, 0);
    loan.Calculate();
    const framework::DataRecord before = loan.Data();
    loan.Data().Set(TcbLoan::Rate, 0.0f); // payment filled, rate and ... only rate zero now
    loan.Data().Set(TcbLoan::Pmt, 0.0);
    try {
        loan.Calculate();
        FAIL() << "two unknowns accepted";
    } catch (const engine::ETooManyUnknowns& error) {
        EXPECT_EQ(error.Message(), "Too many unknowns. Enter only one Zero value.");
    }
    EXPECT_EQ(loan.Data().Get<double>(TcbLoan::Interest), before.Get<double>(TcbLoan::Interest));
    EXPECT_EQ(loan.SolvedField(), TcbLoan::Pmt);
}

TEST_F(LoanTest, ContinuousAndSimpleCompoundingAreRefusedFirst) {
    for (const int code : {0, 11}) {
        Enter(0, 0, 0, 0); // whatever the other fields hold
        loan.Data().Set(TcbLoan::CmpPYR, Choice{code});
        try {
            loan.Calculate();
            FAIL() << "code " << code << " accepted";
        } catch (const engine::ELoanException& error) {
            EXPECT_EQ(error.Message(), "Unsupported compounding period for this calculator.");
        }
    }
}

TEST_F(LoanTest, NoInterestDividesTheAmount) {
    Enter(10000, 36, 0, 0);
    loan.Data().Set(TcbLoan::AmortMthd, Choice{4});
    loan.Calculate();
    EXPECT_EQ(loan.Data().Get<double>(TcbLoan::Pmt), 277.78);
    EXPECT_EQ(loan.Data().Get<double>(TcbLoan::Interest), 0.0);
}

TEST_F(LoanTest, FixedPrincipalRateHasAClearMessage) {
    Enter(12000, 12, 0, 1100);
    loan.Data().Set(TcbLoan::AmortMthd, Choice{2});
    try {
        loan.Calculate();
        FAIL() << "rate solved for fixed principal";
    } catch (const engine::ENotSupportedRateCalc& error) {
        EXPECT_EQ(error.Message(), "");
        EXPECT_FALSE(framework::ErrorText(error).empty());
    }
}

TEST_F(LoanTest, CopyTextOfTheReferenceLoan) {
    loan.SetTitle("Loan Calculator 1");
    Enter(10000, 36, 10, 0);
    loan.Calculate();
    EXPECT_EQ(loan.CopyText(), "Loan Calculator 1\r\n\r\n"
                               "Amount of Loan?:               $10,000.00\r\n"
                               "Total Periods? (#):                    36\r\n"
                               "Annual Rate? (%):                   10.00\r\n"
                               "Periodic Payment?:                $322.67\r\n"
                               "Payment Period?:                  Monthly\r\n"
                               "Compounding Period?:              Monthly\r\n"
                               "Payment Method?:                  Arrears\r\n"
                               "Amortizing Method?:                Normal\r\n"
                               "Interest For Term:              $1,616.12\r\n");
    const auto rows = loan.PrintRows();
    EXPECT_EQ(rows[2], "\tAnnual Rate? (%):       \t         10.0000");
    EXPECT_EQ(rows[4], "\tPayment Period?:        \tMonthly");
}

TEST_F(LoanTest, GlobalDefaultsAreTheFiveLoanSettings) {
    framework::TbufGlobals settings;
    settings.SetPublisherValues();
    settings.SetValue(framework::GlobalSetting::AnnualRate, 6.75f);
    settings.SetValue(framework::GlobalSetting::PaymentPeriod, std::int32_t{7});
    settings.SetValue(framework::GlobalSetting::CompoundingPeriod, std::int32_t{8});
    settings.SetValue(framework::GlobalSetting::PaymentMethod, std::int32_t{1});
    settings.SetValue(framework::GlobalSetting::AmortizingMethod, std::int32_t{2});
    settings.SaveToRegistry(fixture.store);
    loan.UseGlobalDefaults();
    EXPECT_EQ(loan.Data().Get<float>(TcbLoan::Rate), 6.75f);
    EXPECT_EQ(loan.Data().Get<Choice>(TcbLoan::PYR).index, 7);
    EXPECT_EQ(loan.Data().Get<Choice>(TcbLoan::CmpPYR).index, 8);
    EXPECT_EQ(loan.Data().Get<Choice>(TcbLoan::PmtMthd).index, 1);
    EXPECT_EQ(loan.Data().Get<Choice>(TcbLoan::AmortMthd).index, 2);
}

} // namespace
} // namespace quarvex::calculators
