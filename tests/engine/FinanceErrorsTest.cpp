#include "engine/FinanceErrors.h"
#include "engine/LoanErrors.h"
#include "engine/RefinanceErrors.h"

#include <gtest/gtest.h>

namespace quarvex::engine {
namespace {

TEST(RaiseFinanceError, CarriesTheTextOfItsCode) {
    const std::pair<int, const char*> cases[] = {
        {101, ""},
        {104, "Not a valid compounding period."},
        {105, "Rate less than '0.00'.\rPayment for term does not cover principal.\rIncrease "
              "payment, lengthen term or\rreduce the amount of the loan."},
        {106, "Infinite term.\rPayment is less than interest."},
        {107, "Term can't be zero."},
        {108, "PV or Amount can't be zero."},
        {109, "Rate can't be zero."},
        {110, "Cashflows can't all be zero."},
        {111, "Too many unknowns."},
        {113, "Term can't be negative."},
        {114, "The number of days can't be negative."},
        {115, "The term exceeds 32,767 payments."},
        {116, "A payment number can't be negative."},
        {117, "The payment is larger than the amount of the loan."},
        {100, "Unknown finance error."},
        {999, "Unknown finance error."},
    };
    for (const auto& [code, text] : cases) {
        try {
            RaiseFinanceError(code);
            FAIL() << "code " << code << " did not raise";
        } catch (const EFinance& error) {
            EXPECT_EQ(error.Message(), text) << "code " << code;
            EXPECT_EQ(error.Code(), code);
        }
    }
}

TEST(RaiseLoanError, CarriesTheTextOfItsCode) {
    const std::pair<int, const char*> cases[] = {
        {100, "Unsupported compounding period for this calculator."},
        {101, "Too many unknown values."},
        {102, "No extra payments made."},
        {103, "Unknown loan error."},
    };
    for (const auto& [code, text] : cases) {
        try {
            RaiseLoanError(code);
            FAIL() << "code " << code << " did not raise";
        } catch (const ELoanException& error) {
            EXPECT_EQ(error.Message(), text) << "code " << code;
        }
    }
}

TEST(ErrorClasses, CarryTheirFixedTexts) {
    EXPECT_EQ(EInvalidAmort().Message(), "Unknown Amortization Method.");
    EXPECT_EQ(EInfiniteTerm().Message(), "");
    EXPECT_EQ(ENotSupportedRateCalc().Message(), "");
    EXPECT_EQ(ENotSupportedPVCalc().Message(), "");
    EXPECT_EQ(ENotSupportedAmort().Message(), "");
    EXPECT_EQ(ERoundError().Message(), "Rounding Error.");
    EXPECT_EQ(EBadBalancePeriod().Message(),
              "Total periods must be greater than remaining balance period");
    EXPECT_EQ(ETooManyUnknowns().Message(), "Too many unknowns. Enter only one Zero value.");
    EXPECT_EQ(EInternalError::NotInitialized().Message(),
              "Internal Error - calculator class not correctly initialized.");
    EXPECT_EQ(EInternalError::ZeroCompounding().Message(),
              "Internal Error - compounding period equals 0.");
    EXPECT_EQ(EAffHosue().Message(), "Buyers Annual Income can't be Zero ");
    EXPECT_EQ(EDateSequenceError().Message(), "Ending date is earlier than starting date.");
    EXPECT_EQ(EFinError::CantDeriveIrr().Message(), "Sorry, can't derive IRR.");
    EXPECT_EQ(EFinError::CantDeriveApr().Message(), "Sorry, can't derive APR.");
    EXPECT_EQ(ENotAllocTransRec().Message(),
              "Programming error - Transaction record not allocated.");
    EXPECT_EQ(ENotAllocSchedule().Message(), "Programming error - Schedule not allocated.");
    EXPECT_EQ(ERecoveryPeriod().Message(), "Recovery Period can't Be Zero");
    EXPECT_EQ(refinance::EOverMaxYrs().Message(),
              "Original mortgage over maximum number of years.");
    EXPECT_EQ(refinance::EOverMaxYrs2().Message(),
              "Possible mortgage over maximum number of years.");
    EXPECT_EQ(refinance::ESamePeriods().Message(), "Each loan must be for same periods per year.");
    EXPECT_EQ(refinance::ENoZero1().Message(), "No Zero Values allowed.");
    EXPECT_EQ(refinance::ENoZero5().Message(), "No Zero Values allowed.");
}

} // namespace
} // namespace quarvex::engine
