#include "amortization/calculator/AmortCalcTestSupport.h"
#include "amortization/calculator/DisclosureReport.h"
#include "support/PdfText.h"
#include "support/TempDirectory.h"
#include "ui/platform/ReportRendering.h"

#include <gtest/gtest.h>

namespace quarvex::ui {
namespace {

using amortization::DisclosureInfo;
using amortization::LateChargeKind;
using amortization::testing::AmortFixture;

// The statement of a loan printed to PDF and read back with poppler's pdftotext, lines kept
// in their layout with their runs of blanks folded into one.
class DisclosureStatementPdfTest : public ::testing::Test {
protected:
    // 5,000 over 36 months at 12 %: the payment is PMT(1 %, 36, 5000) = 166.07 and, with the
    // interest rounded to the cent each month, the 36th payment is 166.15, the interest
    // 978.60 and the total of payments 5,978.60 (worked apart from the program).
    DisclosureStatementPdfTest() {
        loan.Calc("PV=5000 NumPmts=36 Rate=12 OrgDate=2024-01-15 FirstPmtDate=2024-02-15 "
                  "OptimizePmts=no");
        info.borrower.firstName = "Dana";
        info.borrower.lastName = "Whitfield";
        info.creditor.name = "Harbor Savings Bank";
        info.creditor.loanOfficer = "Lee Park";
    }

    std::string Statement() {
        const auto figures = loan.buffer.MakeDisclosureFigures();
        const auto pdf = folder / "statement.pdf";
        RenderToPdf(pdf, "APR Disclosure", [&](ReportCanvas& canvas) {
            amortization::PrintDisclosureReport(
                canvas, figures, info, amortization::testing::Day(2024, 1, 15), loan.conventions);
        });
        const std::string text = quarvex::testing::PdfText(pdf);
        EXPECT_FALSE(text.empty()) << "pdftotext read nothing from " << pdf;
        std::string folded;
        for (const char c : text) {
            if (c != ' ' || folded.empty() || folded.back() != ' ') {
                folded += c;
            }
        }
        return folded;
    }

    quarvex::testing::TempDirectory folder;
    AmortFixture loan;
    DisclosureInfo info;
};

TEST_F(DisclosureStatementPdfTest, PrintsTheFourFiguresAndThePaymentSchedule) {
    const std::string text = Statement();
    for (const char* part : {
             "Harbor Savings Bank",
             "Dana Whitfield",
             "Loan Officer: : Lee Park",
             "Date : January 15 2024",
             "ANNUAL",
             "PERCENTAGE",
             "FINANCE",
             "Total of",
             "12.00%",
             "$978.60",
             "$5,000.00",
             "$5,978.60",
             "35 $166.07 Monthly Beginning 02/15/2024",
             "1 $166.15 Monthly Beginning 01/15/2027",
             "Credit life insurance and credit disability insurance are not required",
             "You may obtain property insurance from any one you want that is acceptable to "
             "Harbor Savings Bank.",
             "You will pay $ _________",
             "Prepayment.",
             "e means an estimate",
             "Itemization of Amount Financed $ _________",
         }) {
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
    }
    EXPECT_EQ(text.find("Monthly Beginning 01/15/2024"), std::string::npos)
        << "the opening row's group of nothing paid is left out";
    EXPECT_EQ(text.find("You will pay Harbor"), std::string::npos);
}

TEST_F(DisclosureStatementPdfTest, LateChargeSaysWhatKindItIs) {
    const struct {
        LateChargeKind kind;
        double charge;
        const char* sentence;
    } cases[] = {
        {LateChargeKind::FixedAmount, 25, "If a payment is late, you will be charged $25.00.\n"},
        {LateChargeKind::PercentOfPayment, 5,
         "If a payment is late, you will be charged 5.00 % of the payment."},
        {LateChargeKind::PercentOfPayment, 0,
         "If a payment is late, you will be charged__________/__________% of the payment."},
    };
    for (const auto& c : cases) {
        info.lateChargeKind = c.kind;
        info.lateCharge = c.charge;
        const std::string text = Statement();
        EXPECT_NE(text.find(c.sentence), std::string::npos) << c.sentence << "\n" << text;
    }
}

TEST_F(DisclosureStatementPdfTest, TwoPointsLeaveTheAmountFinancedAtTheLoanAmount) {
    loan.Calc("PV=100000 NumPmts=360 Rate=6 Points=2 OrgDate=2024-01-15 "
              "FirstPmtDate=2024-02-15");
    const std::string text = Statement();
    EXPECT_NE(text.find("$100,000.00"), std::string::npos) << text;
    EXPECT_EQ(text.find("$98,000.00"), std::string::npos) << text;
}

} // namespace
} // namespace quarvex::ui
