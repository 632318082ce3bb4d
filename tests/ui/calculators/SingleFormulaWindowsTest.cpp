#include "calculators/AccPmt.h"
#include "calculators/AffHse.h"
#include "calculators/BallPmt.h"
#include "calculators/EOQ.h"
#include "calculators/EquRate.h"
#include "calculators/IntRat.h"
#include "calculators/PayReq.h"
#include "calculators/PreVal.h"
#include "calculators/SecMor.h"
#include "ui/calculators/TcalcSingleFormula.h"
#include "ui/calculators/WindowDriver.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace quarvex::ui {
namespace {

using namespace calculators;
using framework::Button;
using testing::WindowDriver;

struct Typed {
    std::size_t field;
    const char* text;
};
struct Chosen {
    std::size_t field;
    int index;
};
struct Shown {
    std::size_t field;
    const char* text;
};

// A case typed into a window as a user would, and what the window then shows.
struct WindowCase {
    const char* stem;
    std::vector<Typed> typed;
    std::vector<Chosen> chosen;
    std::vector<Shown> shown;
    const char* source;
};

// Figures checked by hand against the closed formulas (annuity factors, (1 + i)^n).
const WindowCase kCases[] = {
    {"payreq",
     {{TcbPayReq::FV, "10000"}, {TcbPayReq::NumPmts, "120"}, {TcbPayReq::Rate, "6"}},
     {},
     {{TcbPayReq::Pmt, "$61.02"},
      {TcbPayReq::Principal, "$7,322.46"},
      {TcbPayReq::Gain, "$2,677.54"},
      {TcbPayReq::NumYears, "10.000"},
      {TcbPayReq::TimeToDouble, "11.58"}},
     "10 000 in 120 monthly deposits at 6 %: 10 000 x 0.005 / (1.005^120 - 1)"},
    {"preval",
     {{TcbPreValAmt::FV, "10000"}, {TcbPreValAmt::NumPmts, "10"}, {TcbPreValAmt::Rate, "5"}},
     {{TcbPreValAmt::CmpPYR, 10}}, // Annually
     {{TcbPreValAmt::PVA, "$6,139.13"}, {TcbPreValAmt::NumYears, "10.00"}},
     "10 000 / 1.05^10"},
    {"intrate",
     {{TcbIntRate::AmtInv, "1000"}, {TcbIntRate::AmtRet, "2000"}, {TcbIntRate::NumPmts, "10"}},
     {{TcbIntRate::CmpPYR, 10}},
     {{TcbIntRate::Rate, "7.1773"}, {TcbIntRate::NumYears, "10.00"}},
     "2^(1/10) - 1"},
    {"equrate",
     {{TcbEquRate::NominalRate, "12"}},
     {},
     {{TcbEquRate::EffectiveRate, "12.68250"},
      {TcbEquRate::ThisPeriodicRate, "1.00000"},
      {TcbEquRate::SemiAnnual, "12.36000"},
      {TcbEquRate::Monthly, "12.68250"}},
     "1.01^12 - 1, 1.06^2 - 1"},
    {"secmor",
     {{TcbSecMor::PP, "200000"},
      {TcbSecMor::CA, "20000"},
      {TcbSecMor::FM, "150000"},
      {TcbSecMor::FT, "360"},
      {TcbSecMor::FIR, "6"},
      {TcbSecMor::SIR, "8"}},
     {},
     {{TcbSecMor::FP, "$899.33"},
      {TcbSecMor::SP, "$200.00"},
      {TcbSecMor::BP, "$1,099.33"},
      {TcbSecMor::SM, "$30,000.00"}},
     "150 000 over 360 months at 6 %; 30 000 interest-only at 8 %"},
    {"accpmt",
     {{TcbAccPmt::PV, "100000"},
      {TcbAccPmt::NumPmts, "360"},
      {TcbAccPmt::Rate, "6"},
      {TcbAccPmt::IncAfter, "1"},
      {TcbAccPmt::ExtraPd, "100"}},
     {},
     {{TcbAccPmt::NewNumPmts, "252"}, {TcbAccPmt::IntSaved, "$39,899.98"}},
     "100 000 at 6 % for 30 years with 100 a month more: paid off in 21 years"},
    {"ballpmt",
     {{TcbBallPmt::PV, "100000"},
      {TcbBallPmt::Rate, "6"},
      {TcbBallPmt::FV, "50000"},
      {TcbBallPmt::PeriodDue, "60"}},
     {},
     {{TcbBallPmt::Pmt, "$1,216.64"}},
     "50 000 amortized over 60 months at 0.5 % (966.64) plus 0.5 % of the balloon"},
    {"affhse",
     {{TcbAffHse::AnnualIncome, "60000"},
      {TcbAffHse::CashAvailable, "20000"},
      {TcbAffHse::Rate, "6"},
      {TcbAffHse::NumPmts, "360"},
      {TcbAffHse::EstTaxIns, "3000"},
      {TcbAffHse::EstMaintenance, "1200"},
      {TcbAffHse::PercentIncome, "28"}},
     {},
     {{TcbAffHse::PV, "$175,131.20"},
      {TcbAffHse::AffordableAmount, "$195,131.20"},
      {TcbAffHse::Share, "Cash Available is  10.25% of House Price."}},
     "1 050 a month (28 % of 5 000 less 350) over 360 months at 0.5 %"},
    {"eoq",
     {{TcbEOQ::CostToWrite, "50"},
      {TcbEOQ::AnnualUnits, "1000"},
      {TcbEOQ::Price, "10"},
      {TcbEOQ::UnitLotSize, "1"},
      {TcbEOQ::Rate, "10"}},
     {},
     {{TcbEOQ::UnitCarryingCost, "$1.00"},
      {TcbEOQ::EOQ, "$316.23"},
      {TcbEOQ::UnitPrice, "$10.00"},
      {TcbEOQ::OrderText, "Order 316 units."}},
     "sqrt(2 x 1 000 x 50 / 1)"},
};

TEST(SingleFormulaWindows, TypedCasesShowTheirResults) {
    WindowDriver driver;
    for (const WindowCase& c : kCases) {
        SCOPED_TRACE(std::string(c.stem) + ": " + c.source);
        TcalcBase* window = driver.Open(c.stem);
        ASSERT_NE(window, nullptr);
        EXPECT_NE(dynamic_cast<TcalcSingleFormula*>(window), nullptr);
        for (const Typed& typed : c.typed) {
            WindowDriver::Type(*window, typed.field, typed.text);
        }
        for (const Chosen& chosen : c.chosen) {
            WindowDriver::Choose(*window, chosen.field, chosen.index);
        }
        WindowDriver::Click(*window, Button::Calc);
        EXPECT_TRUE(driver.Messages().empty()) << driver.Messages().front();
        for (const Shown& shown : c.shown) {
            EXPECT_EQ(WindowDriver::Text(*window, shown.field), shown.text)
                << "field " << window->Controller().Form().Spec(shown.field).prompt;
        }
        driver.context.fixture.messages.shown.clear();
    }
}

struct Refusal {
    const char* stem;
    std::vector<Typed> typed;
    std::vector<Chosen> chosen;
    const char* message;
    MessageIcon icon;
};

const Refusal kRefusals[] = {
    {"accpmt",
     {{TcbAccPmt::PV, "100000"},
      {TcbAccPmt::NumPmts, "360"},
      {TcbAccPmt::Rate, "6"},
      {TcbAccPmt::IncAfter, "1"},
      {TcbAccPmt::ExtraPd, "100"}},
     {{TcbAccPmt::CmpPYR, 0}}, // Continuous
     "Unsupported compounding period for this calculator.",
     MessageIcon::Error},
    {"ballpmt",
     {{TcbBallPmt::PV, "100000"},
      {TcbBallPmt::Rate, "6"},
      {TcbBallPmt::FV, "50000"},
      {TcbBallPmt::PeriodDue, "60"}},
     {{TcbBallPmt::CmpPYR, 11}}, // Simple
     "Unsupported compounding period for this calculator.",
     MessageIcon::Error},
    {"equrate",
     {{TcbEquRate::NominalRate, "12"}},
     {{TcbEquRate::CmpPYR, 11}},
     "Not a valid compounding period.",
     MessageIcon::Error},
    {"preval",
     {{TcbPreValAmt::NumPmts, "10"}, {TcbPreValAmt::Rate, "5"}},
     {},
     "Enter a future value.",
     MessageIcon::Information},
};

TEST(SingleFormulaWindows, RefusalsAreShownAndTheFormKeepsWhatWasTyped) {
    WindowDriver driver;
    for (const Refusal& refusal : kRefusals) {
        SCOPED_TRACE(refusal.stem);
        TcalcBase* window = driver.Open(refusal.stem);
        for (const Typed& typed : refusal.typed) {
            WindowDriver::Type(*window, typed.field, typed.text);
        }
        for (const Chosen& chosen : refusal.chosen) {
            WindowDriver::Choose(*window, chosen.field, chosen.index);
        }
        const std::size_t first = refusal.typed.front().field;
        const framework::FieldValue typed = window->Editor(first).Value();
        WindowDriver::Click(*window, Button::Calc);
        const auto& shown = driver.context.fixture.messages.shown;
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, refusal.message);
        EXPECT_EQ(shown[0].icon, refusal.icon);
        EXPECT_TRUE(window->Editor(first).Value() == typed) << "the form keeps what was typed";
        driver.context.fixture.messages.shown.clear();
    }
}

TEST(SingleFormulaWindows, TheOrderTextShowsOnlyOnceCalculated) {
    WindowDriver driver;
    TcalcBase* window = driver.Open("eoq");
    QWidget* order = window->Editor(TcbEOQ::OrderText).Widget();
    EXPECT_EQ(window->PromptLabel(TcbEOQ::OrderText), nullptr) << "a line of text, no label";
    EXPECT_TRUE(window->Editor(TcbEOQ::OrderText).LineEdit()->isReadOnly());
    EXPECT_TRUE(order->isHidden());
    WindowDriver::Type(*window, TcbEOQ::CostToWrite, "50");
    WindowDriver::Type(*window, TcbEOQ::AnnualUnits, "1000");
    WindowDriver::Type(*window, TcbEOQ::Price, "60");
    WindowDriver::Type(*window, TcbEOQ::UnitLotSize, "12");
    WindowDriver::Type(*window, TcbEOQ::Rate, "10");
    WindowDriver::Click(*window, Button::Calc);
    EXPECT_FALSE(order->isHidden());
    // Price 60 a dozen: carrying cost 0.50 a unit, EOQ sqrt(200 000) = 447 units, 37 lots.
    EXPECT_EQ(WindowDriver::Text(*window, TcbEOQ::OrderText), "Order 37 lots of 12 units.");
    // Under the results, across the form.
    EXPECT_GT(order->y(), window->Editor(TcbEOQ::UnitPrice).Widget()->y());

    WindowDriver::Click(*window, Button::Reset);
    EXPECT_TRUE(order->isHidden()) << "the publisher's values have no order yet";
}

TEST(SingleFormulaWindows, TheAffordableHouseShareShowsUnderTheResults) {
    WindowDriver driver;
    TcalcBase* window = driver.Open("affhse");
    QWidget* share = window->Editor(TcbAffHse::Share).Widget();
    EXPECT_TRUE(share->isHidden());
    WindowDriver::Type(*window, TcbAffHse::AnnualIncome, "60000");
    WindowDriver::Type(*window, TcbAffHse::NumPmts, "360");
    WindowDriver::Type(*window, TcbAffHse::Rate, "6");
    WindowDriver::Type(*window, TcbAffHse::EstTaxIns, "30000");
    WindowDriver::Type(*window, TcbAffHse::PercentIncome, "28");
    WindowDriver::Click(*window, Button::Calc);
    // Taxes above the share of income leave nothing for a payment.
    EXPECT_EQ(WindowDriver::Text(*window, TcbAffHse::Share),
              "Cash Available is   0.00% of House Price.");
    EXPECT_FALSE(share->isHidden());
    EXPECT_GT(share->y(), window->Editor(TcbAffHse::AffordableAmount).Widget()->y());
}

TEST(SingleFormulaWindows, TheEquivalentRateWindowShowsItsNote) {
    WindowDriver driver;
    TcalcBase* window = driver.Open("equrate");
    ASSERT_NE(window->NoteLabel(), nullptr);
    EXPECT_EQ(window->NoteLabel()->text(),
              "Enter either effective or nominal rate. Zero for unknown.");
}

TEST(SingleFormulaWindows, HelpOpensTheCalculatorsTopicsAndTheOptionsPage) {
    WindowDriver driver;
    TcalcBase* window = driver.Open("eoq");
    WindowDriver::Click(*window, Button::Help);
    WindowDriver::Click(*window, Button::Options);
    WindowDriver::Click(*window, Button::Help2);
    WindowDriver::Click(*window, Button::Options);
    ASSERT_TRUE(WindowDriver::Activate(window));
    WindowDriver::Edit(*window, TcbEOQ::AnnualUnits).setFocus();
    QTest::keyClick(window, Qt::Key_F1);
    window->ButtonOf(Button::Calc)->setFocus();
    QTest::keyClick(window, Qt::Key_F1);
    EXPECT_EQ(driver.context.fixture.help.contexts, (std::vector<int>{297, 301, 297, 118}));
}

} // namespace
} // namespace quarvex::ui
