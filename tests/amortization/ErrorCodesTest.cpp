#include "AmortTestSupport.h"
#include "amortization/CalculateSchedule.h"
#include "amortization/EAmort.h"
#include "amortization/MakeFlexAmort.h"
#include "amortization/coCanadianAmort.h"
#include "engine/FinanceErrors.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace quarvex::amortization::testing {
namespace {

TEST(EAmort, EveryCodeHasItsText) {
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {101, "Total periods must be greater than remaining balance period"},
        {102, "Canadian amortization method requires semiannual compounding."},
        {103, "Canadian amortization method requires monthly payments."},
        {201, "Unknown Amortization Method."},
        {202, "Payment period must be set to 'Monthly'\r\rwhen 'Half Monthly' loan acceleration "
              "set.\r\rSee: 'Loan Acceleration Method' under 'Settings'."},
        {203, "Memory not allocated for schedule."},
        {204, "First payment date is earlier than origination date."},
        {205, "Programming error - Transaction record not allocated."},
        {206, "Programming error - Destination Schedule not allocated."},
        {207, "US Rule set. Compounding cannot occur more frequently than payment."},
        {208, "Invalid term. Either reduce\r\r'Initial Periods' or 'Payment Period'\r\rSchedule "
              "goes beyond 2079\r"},
        {209, "Payment amount must be '0'\r\rMust solve for payment when this\r\ramortizing "
              "method is selected."},
        {210, "The rate basis must be set to\r\r'Ordinary' for Rule-of-78s loans"},
        {211, "Payment period much equal compounding\r\r period for Rule-of-78s loan."},
        {212, "Period number is either beyond\r\rterm of loan or it is negative."},
        {213, "Internal Programming Error:\r\rPeriods out of sync."},
        {214, "Date is before start of loan."},
        {0, "Unknown amortization error."},
        {215, "Unknown amortization error."},
        {299, "Unknown amortization error."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AmortErrorMessage(c.code), c.text) << c.code;
        try {
            RaiseAmortError(c.code);
            ADD_FAILURE() << c.code << " did not raise";
        } catch (const EAmort& error) {
            EXPECT_EQ(error.Code(), c.code);
            EXPECT_EQ(error.Message(), c.text);
        }
    }
}

int CodeOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EAmort& error) {
        return error.Code();
    }
    return 0;
}

int CalculationCode(const std::string& loan) {
    return CodeOf([&] {
        AmortInputs in = ParseLoan(loan);
        TAmortSchedule schedule;
        CalculateSchedule(in, schedule, TestContext());
    });
}

TEST(CalculateSchedule, RefusesWithTheCodeOfTheFault) {
    const struct {
        const char* loan;
        int code;
    } cases[] = {
        {"pmt=900 rate=9 method=5 basis=1", 210}, // Rule of 78s, not Ordinary
        {"pmt=900 rate=9 method=5 basis=4", 210},
        {"pmt=900 rate=9 method=5 cmp=8", 211},              // quarterly compounding
        {"pmt=900 rate=9 org=2/2/2024 first=2/1/2024", 204}, // first payment first
        {"pmt=900 rate=9 usrule=1 cmp=1", 207},              // daily compounding
        {"pmt=900 rate=9 usrule=1 cmp=0", 207},              // continuous
        {"pmt=900 rate=9 method=3", 209},                    // interest only, payment given
        {"force=1 rate=9 accel=1 period=7 cmp=8", 202},      // half monthly, quarterly
        {"force=1 rate=9 n=360 org=1/1/2060 first=2/1/2060", 208},
        {"force=1 rate=9 n=200 period=9 cmp=10", 208}, // 200 years
        {"force=1 rate=9 n=14600 period=0 cmp=1 org=1/1/2050 first=1/2/2050", 208},
        {"force=1 rate=9 org=1/1/2079 first=1/2/2079", 208}, // first payment past the end
        {"force=1 rate=9 period=10", 299},                   // no such payment period
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CalculationCode(c.loan), c.code) << c.loan;
    }
}

TEST(CalculateSchedule, ThePaymentCanEndOnTheLatestDate) {
    // The last payment falls on 1 January 2079 itself: allowed.
    EXPECT_EQ(CalculationCode("force=1 rate=9 n=12 org=1/1/2078 first=2/1/2078"), 0);
}

TEST(CalculateSchedule, AnUnknownMethodIsRefused) {
    AmortInputs in = ParseLoan("pmt=900 rate=9");
    in.AmortMthd = static_cast<AmortMethod>(6);
    TAmortSchedule schedule;
    EXPECT_THROW(CalculateSchedule(in, schedule, TestContext()), engine::EInvalidAmort);
    EXPECT_THROW(MakeFlexAmort(static_cast<AmortMethod>(7), TestClock()), engine::EInvalidAmort);
}

TEST(CalculateSchedule, AFailedCalculationLeavesInputsAndRowsAlone) {
    AmortInputs in = ParseLoan("force=1 rate=9");
    TAmortSchedule schedule;
    CalculateSchedule(in, schedule, TestContext());
    const std::vector<TTransRec> rows = schedule.Records();

    AmortInputs failing = ParseLoan("force=1 rate=9 n=360 org=1/1/2060 first=2/1/2060");
    EXPECT_THROW(CalculateSchedule(failing, schedule, TestContext()), EAmort);
    ASSERT_EQ(schedule.Records().size(), rows.size());
    EXPECT_EQ(schedule.Records().back().Pmt, rows.back().Pmt);
    EXPECT_EQ(schedule.Records().back().TransDate, rows.back().TransDate);
    EXPECT_EQ(failing.Pmt, 0); // the payment solved before the failure is not written back
    EXPECT_EQ(failing.NumPmts, 360);
}

TEST(CoCanadianAmort, ChecksItsCodesBeforeAnythingElse) {
    auto engine = MakeFlexAmort(AmortMethod::Canadian, TestClock());
    FlexAmortTerms terms;
    terms.NumPmts = 12;
    terms.PV = 10000;
    terms.Pmt = 900;
    terms.Rate = 9;
    terms.OrgDate = Day(2024, 2, 2);
    terms.FirstPmtDate = Day(2024, 2, 1); // would be code 204
    terms.PYR = 3;
    terms.CmpPYR = 6;
    EXPECT_EQ(CodeOf([&] { engine->Init(terms); }), 102);
    terms.CmpPYR = 9;
    EXPECT_EQ(CodeOf([&] { engine->Init(terms); }), 103);
    terms.PYR = 6;
    EXPECT_EQ(CodeOf([&] { engine->Init(terms); }), 204);
}

TEST(CoFlexAmort, InitRefusesNoPaymentsAndCodesOutsideTheirLists) {
    auto engine = MakeFlexAmort(AmortMethod::Normal, TestClock());
    FlexAmortTerms terms;
    terms.NumPmts = 0;
    terms.PV = 10000;
    terms.Pmt = 900;
    terms.Rate = 9;
    terms.OrgDate = Day(2024, 1, 1);
    terms.FirstPmtDate = Day(2024, 2, 1);
    EXPECT_THROW(engine->Init(terms), engine::EFinance);
    terms.NumPmts = 12;
    terms.Settings.WeekendAdjust = 4;
    EXPECT_EQ(CodeOf([&] { engine->Init(terms); }), 299);
    terms.Settings.WeekendAdjust = 0;
    terms.PYR = 0;
    EXPECT_EQ(CodeOf([&] { engine->Init(terms); }), 299);
    terms.PYR = 6;
    terms.CmpPYR = 12;
    EXPECT_EQ(CodeOf([&] { engine->Init(terms); }), 299);
    terms.CmpPYR = 6;
    terms.PV = 1e14;
    EXPECT_THROW(engine->Init(terms), engine::EFinance);
    terms.PV = 10000;
    terms.Pmt = std::numeric_limits<double>::infinity();
    EXPECT_THROW(engine->Init(terms), engine::EFinance);
}

} // namespace
} // namespace quarvex::amortization::testing
