#include "ui/amortization/AprDetailWindow.h"

#include "amortization/calculator/AmortCalcTestSupport.h"
#include "framework/settings/SettingsKeys.h"
#include "ui/dialogs/UiFixture.h"
#include "ui/platform/WindowPlacement.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace quarvex::ui {
namespace {

using amortization::testing::AmortFixture;

// A 30-year loan of 100,000 at 6 %, paid monthly from a month after origination: the payment
// is PMT(0.5 %, 360, 100000) = 599.55, and without charges the APR is the nominal rate.
struct AprDetailWindowTest : ::testing::Test {
    testing::UiFixture fixture;
    amortization::TcbAmort amort{fixture.context};

    AprDetailWindowTest() {
        amort.SetTitle("Amortization Schedule 1");
        amort.InitData();
        AmortFixture::Apply(amort, "PV=100000 NumPmts=360 Rate=6 OrgDate=2024-01-15 "
                                   "FirstPmtDate=2024-02-15");
        amort.Calculate();
    }

    std::string Position(std::string_view name) {
        fixture.store.SetCurSubKey(std::string(framework::settings_keys::kRootKey) +
                                   "\\Annual Percentage Rate");
        return std::to_string(fixture.store.ReadInteger(name, -1));
    }
};

TEST_F(AprDetailWindowTest, ShowsTheFiguresInTheirMasks) {
    TfrmAmortAPR window(fixture.ui, AprDetailOf(amort));
    EXPECT_EQ(window.windowTitle(), "APR Detail");
    const struct {
        std::size_t index;
        const char* text;
    } cases[] = {
        {0, "$100,000.00"}, // Amount of Loan:
        {1, "$0.00"},       // Total One Time Fees:
        {3, "$100,000.00"}, // Net Amount Financed: nothing is paid at origination
        {7, "$599.55"},     // Regular Payment Amt:
        {13, "01/15/2024"}, // Origination Date:
        {14, "02/15/2024"}, // 1st Payment Date:
        {15, "31"},         // Days to First Payment:
        {19, "01/15/2054"}, // Last Payment Date:
        {20, "10,958"},     // Days to Maturity: 30 years and 8 leap days
        {21, "12"},         // Payments Per Year:
        {22, "360"},        // Number of Regular Periods:
        {23, "0"},          // Balloon at Payment Number:
        {24, "6.0000"},     // Quoted Nominal Rate (%):
        {25, "6.0000"},     // Disclosed Rate (APR) (%):
    };
    for (const auto& c : cases) {
        EXPECT_EQ(window.Field(c.index)->text().toStdString(), c.text) << c.index;
        EXPECT_TRUE(window.Field(c.index)->isReadOnly());
    }
}

TEST_F(AprDetailWindowTest, CopyPairsTheFiguresTwoALine) {
    TfrmAmortAPR window(fixture.ui, AprDetailOf(amort));
    QTest::mouseClick(window.findChild<QPushButton*>("btnCopy"), Qt::LeftButton);
    const std::string text = fixture.clipboard.Last();
    EXPECT_EQ(text.rfind("APR Detail\r\n\r\n", 0), 0u);
    // "%-25s %16.2m\t" beside "%-28s %16.2m\r\n" (or "%16s" for a date).
    const auto left = [](std::string text, std::size_t width) {
        return text + std::string(width - text.size(), ' ');
    };
    const auto right = [](std::string text, std::size_t width) {
        return std::string(width - text.size(), ' ') + text;
    };
    EXPECT_NE(text.find(left("Amount of Loan:", 25) + " " + right("$100,000.00", 16) + "\t" +
                        left("Total of Payments:", 28)),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(left("Regular Payment Amt:", 25) + " " + right("$599.55", 16) + "\t" +
                        left("Last Payment Date:", 28) + " " + right("01/15/2054", 16) + "\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\r\n\r\n\r\nQuoted Nominal Rate (%):"), std::string::npos) << text;
}

TEST_F(AprDetailWindowTest, PrintsThePairsOnOnePage) {
    TfrmAmortAPR window(fixture.ui, AprDetailOf(amort));
    QTest::mouseClick(window.findChild<QPushButton*>("btnPrint"), Qt::LeftButton);
    ASSERT_EQ(fixture.printing.titles.size(), 1u);
    const auto& printed = fixture.printing.canvas.printed;
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed[0].text, "APR Detail");
    EXPECT_TRUE(printed[0].bold);
    EXPECT_DOUBLE_EQ(printed[0].y, 1.5);
    const auto find = [&](const std::string& text) {
        for (const auto& p : printed) {
            if (p.text == text) {
                return p;
            }
        }
        ADD_FAILURE() << "not printed: " << text;
        return printed[0];
    };
    const auto payment = find("$599.55");
    EXPECT_EQ(payment.how, "right");
    EXPECT_DOUBLE_EQ(payment.x, 4.0);
    EXPECT_DOUBLE_EQ(find("Regular Payment Amt:").x, 0.75);
    EXPECT_DOUBLE_EQ(find("Last Payment Date:").x, 4.5);
    EXPECT_DOUBLE_EQ(find("Disclosed Rate (APR) (%):").y - find("Balloon Payment Total:").y,
                     3.0 / 6)
        << "two empty lines before the rates";
}

TEST_F(AprDetailWindowTest, KeepsItsPlaceUnderItsOwnKey) {
    TfrmAmortAPR window(fixture.ui, AprDetailOf(amort));
    window.show();
    const QPoint where = ClientPosition(&window);
    window.done(QDialog::Accepted);
    EXPECT_EQ(Position("Left"), std::to_string(where.x()));
    EXPECT_EQ(Position("Top"), std::to_string(where.y()));
}

TEST_F(AprDetailWindowTest, FirstOpensOverTheMiddleOfItsCalculator) {
    QWidget calculator;
    calculator.setGeometry(50, 40, 700, 520);
    calculator.show();
    TfrmAmortAPR window(fixture.ui, AprDetailOf(amort), &calculator);
    window.show();
    const QPoint middle = window.geometry().center();
    EXPECT_LE(std::abs(middle.x() - calculator.geometry().center().x()), 1);
    EXPECT_LE(std::abs(middle.y() - calculator.geometry().center().y()), 1);
    window.done(QDialog::Rejected);
}

TEST_F(AprDetailWindowTest, WithoutAScheduleNothingOpens) {
    amortization::TcbAmort fresh{fixture.context};
    fresh.InitData();
    ShowAprDetail(fixture.ui, fresh, nullptr);
    ASSERT_EQ(fixture.messages.shown.size(), 1u);
    EXPECT_EQ(fixture.messages.shown[0].text, "Loan is not calculated.");
}

} // namespace
} // namespace quarvex::ui
