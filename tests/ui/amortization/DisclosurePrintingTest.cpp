#include "ui/amortization/DisclosurePrinting.h"

#include "amortization/calculator/AmortCalcTestSupport.h"
#include "amortization/calculator/TcbAmort.h"
#include "ui/amortization/DisclosureInfoDialog.h"
#include "ui/dialogs/UiFixture.h"

#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

namespace quarvex::ui {
namespace {

// The "&APR Disclosure" item: the statement is printed as a report (setup and preview first)
// only when the information dialog ends with OK.
TEST(DisclosurePrintingTest, PrintsOnlyAfterOk) {
    const struct {
        bool ok;
        std::size_t jobs;
    } cases[] = {{true, 1}, {false, 0}};
    for (const auto& c : cases) {
        testing::UiFixture fixture;
        amortization::TcbAmort amort{fixture.context};
        amort.InitData();
        amortization::testing::AmortFixture::Apply(
            amort, "PV=5000 NumPmts=36 Rate=12 OrgDate=2024-01-15 FirstPmtDate=2024-02-15");
        amort.Calculate();
        framework::TAccountDetails details;
        TfrmAprInfo dialog(fixture.ui, details);
        QTimer::singleShot(0, &dialog, [&] {
            dialog.Field(framework::TcbAcntInfo::kFirstNameRow)->setText("Dana");
            if (c.ok) {
                dialog.Accept();
            } else {
                dialog.Cancel();
            }
        });
        PrintAprDisclosure(fixture.ui, amort, dialog);
        ASSERT_EQ(fixture.printing.titles.size(), c.jobs) << c.ok;
        if (c.jobs == 1) {
            EXPECT_EQ(fixture.printing.titles[0], "APR Disclosure");
            EXPECT_EQ(fixture.printing.kinds[0], Printing::Kind::Schedule);
        }
        EXPECT_EQ(details.firstName, "Dana") << "OK and Cancel both keep the borrower";
    }
}

TEST(DisclosurePrintingTest, WithoutAScheduleTheDialogDoesNotOpen) {
    testing::UiFixture fixture;
    amortization::TcbAmort amort{fixture.context};
    amort.InitData();
    framework::TAccountDetails details;
    TfrmAprInfo dialog(fixture.ui, details);
    PrintAprDisclosure(fixture.ui, amort, dialog);
    ASSERT_EQ(fixture.messages.shown.size(), 1u);
    EXPECT_EQ(fixture.messages.shown[0].text, "Loan is not calculated.");
    EXPECT_TRUE(fixture.printing.titles.empty());
}

} // namespace
} // namespace quarvex::ui
