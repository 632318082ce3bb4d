#include "calculators/IRR.h"
#include "calculators/NetPV.h"
#include "ui/calculators/TcalcIRR.h"
#include "ui/calculators/TcalcNetPV.h"
#include "ui/calculators/WindowDriver.h"
#include "ui/framework/OptionsPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <filesystem>

namespace quarvex::ui {
namespace {

using calculators::TcbIRR;
using calculators::TcbNetPV;
using framework::Button;
using testing::WarningAnswers;
using testing::WindowDriver;

constexpr const char* kNetPVKey =
    "Software\\Kelvarn Software\\Quarvex!\\Net Present Value Calculator";

struct CashFlowWindowsTest : ::testing::Test {
    WindowDriver driver;
    WarningAnswers answers;

    TcalcCashFlows* Open(const char* stem) {
        auto* window = dynamic_cast<TcalcCashFlows*>(driver.Open(stem));
        EXPECT_NE(window, nullptr) << stem << " opens its cash-flow window";
        if (window != nullptr) {
            EXPECT_TRUE(WindowDriver::Activate(window));
        }
        return window;
    }
    static QString Text(TcalcCashFlows& window, std::size_t field) {
        return WindowDriver::Text(window, field);
    }
    static void Type(TcalcCashFlows& window, std::size_t field, const char* text) {
        WindowDriver::Type(window, field, text);
    }
    // Into a field as Tab or a click takes the user there: that is what brings the entries in
    // line with a count or date typed before.
    static void Enter(TcalcCashFlows& window, std::size_t field) {
        // A warning answered before leaves the dialog the active window here.
        EXPECT_TRUE(WindowDriver::Activate(&window));
        window.Editor(field).Widget()->setFocus(Qt::TabFocusReason);
        testing::Settle();
    }
    static MaskedLineEdit& Entry(TcalcCashFlows& window, std::size_t entry) {
        return *window.Grid()->Editor(entry).LineEdit();
    }
    static QString EntryText(TcalcCashFlows& window, std::size_t entry) {
        return Entry(window, entry).text();
    }
    static QString Caption(TcalcCashFlows& window, std::size_t entry) {
        return window.Grid()->Caption(entry)->text();
    }
    static void TypeFlows(TcalcCashFlows& window, const char* amount) {
        for (std::size_t i = 0; i < window.Grid()->Count(); ++i) {
            WindowDriver::Type(Entry(window, i), amount);
        }
    }
    // -1000 now and twelve monthly flows of 100: 13 periods.
    void TypeTwelveHundreds(TcalcCashFlows& window, std::size_t pv, std::size_t count,
                            std::size_t next) {
        Type(window, pv, "1000");
        Type(window, count, "13");
        answers.Expect({true, false});
        Enter(window, next);
        ASSERT_EQ(window.Grid()->Count(), 12u);
        TypeFlows(window, "100");
    }
};

TEST_F(CashFlowWindowsTest, NetPresentValueOfATypedGrid) {
    TcalcCashFlows* window = Open("netpv");
    EXPECT_NE(dynamic_cast<TcalcNetPV*>(window), nullptr);
    Type(*window, TcbNetPV::DiscountRate, "12");
    TypeTwelveHundreds(*window, TcbNetPV::PV, TcbNetPV::NumPmts, TcbNetPV::StartDate);
    EXPECT_EQ(Text(*window, TcbNetPV::PV), "($1,000.00)") << "the initial amount is an outflow";
    WindowDriver::Click(*window, Button::Calc);
    EXPECT_TRUE(driver.Messages().empty()) << driver.Messages().front();
    // -1000 + 100 x (1 - 1.01^-12) / 0.01.
    EXPECT_EQ(Text(*window, TcbNetPV::NetPV), "125.51");
    EXPECT_EQ(answers.Asked(), 1);
    EXPECT_EQ(answers.Unexpected(), 0);

    WindowDriver::Click(*window, Button::Print);
    ASSERT_EQ(driver.context.fixture.printing.titles.size(), 1u);
    EXPECT_EQ(driver.context.fixture.printing.titles[0], "Net Present Value Calculator 1");
}

TEST_F(CashFlowWindowsTest, IrrOfTheSameGrid) {
    TcalcCashFlows* window = Open("irr");
    EXPECT_NE(dynamic_cast<TcalcIRR*>(window), nullptr);
    TypeTwelveHundreds(*window, TcbIRR::PV, TcbIRR::NumPmts, TcbIRR::StartDate);
    WindowDriver::Click(*window, Button::Calc);
    EXPECT_TRUE(driver.Messages().empty()) << driver.Messages().front();
    // The periodic rate 2.9229 % that discounts the flows to 0, times 12.
    EXPECT_EQ(Text(*window, TcbIRR::IRR), "35.074");
}

TEST_F(CashFlowWindowsTest, TheEntriesAreDatedOnePeriodApart) {
    TcalcCashFlows* window = Open("irr");
    Type(*window, TcbIRR::StartDate, "01/01/2001");
    answers.Expect({true, false});
    Enter(*window, TcbIRR::PYR);
    ASSERT_EQ(window->Grid()->Count(), 47u) << "48 periods: the initial amount and 47 flows";
    EXPECT_EQ(Caption(*window, 0), "02/01/01:");
    EXPECT_EQ(Caption(*window, 46), "12/01/04:");

    // Three columns filled row by row; the box scrolls.
    const auto& places = window->Grid()->Places();
    EXPECT_EQ(places[1].row, 0);
    EXPECT_EQ(places[1].column, 1);
    EXPECT_EQ(places[3].row, 1);
    EXPECT_EQ(places[3].column, 0);
    EXPECT_TRUE(window->Grid()->verticalScrollBar()->isVisible());
}

TEST_F(CashFlowWindowsTest, ACountChangeAsksAndCancelPutsTheCountBack) {
    TcalcCashFlows* window = Open("netpv");
    WindowDriver::Type(Entry(*window, 0), "100");
    WindowDriver::Type(Entry(*window, 1), "200");
    Type(*window, TcbNetPV::NumPmts, "13");
    EXPECT_FALSE(window->Grid()->isEnabled()) << "typing the count holds the entries";
    answers.Expect({false, false});
    Enter(*window, TcbNetPV::StartDate);
    EXPECT_EQ(answers.Asked(), 1);
    EXPECT_TRUE(answers.ShownClear());
    EXPECT_EQ(Text(*window, TcbNetPV::NumPmts), "48");
    EXPECT_TRUE(window->Grid()->isEnabled());
    ASSERT_EQ(window->Grid()->Count(), 47u);
    EXPECT_EQ(EntryText(*window, 0), "$100.00");
    EXPECT_EQ(EntryText(*window, 1), "$200.00");
    auto& store = driver.context.fixture.store;
    store.SetCurSubKey(kNetPVKey);
    EXPECT_EQ(store.ReadInteger("DefaultDon't show the warning message", -1), 0);

    // The amounts count: they are what Copy and Calc take.
    WindowDriver::Click(*window, Button::Copy);
    const std::string copied = driver.context.fixture.clipboard.Last();
    EXPECT_NE(copied.find("05/15/2021" + std::string(14, ' ') + " " + std::string(9, ' ') +
                          "$200.00\r\n"),
              std::string::npos)
        << copied;
}

TEST_F(CashFlowWindowsTest, ANewDateKeepsTheAmountsAndTheCheckBoxBecomesTheOption) {
    TcalcCashFlows* window = Open("netpv");
    WindowDriver::Type(Entry(*window, 0), "100");
    Type(*window, TcbNetPV::StartDate, "01/01/2022");
    answers.Expect({true, true});
    Enter(*window, TcbNetPV::PYR);
    EXPECT_EQ(Caption(*window, 0), "02/01/2022:");
    EXPECT_EQ(EntryText(*window, 0), "$100.00") << "re-dated, not cleared";
    auto& store = driver.context.fixture.store;
    store.SetCurSubKey(kNetPVKey);
    EXPECT_EQ(store.ReadInteger("DefaultDon't show the warning message", -1), 1);
    EXPECT_TRUE(window->Options()->OptionCheckBox(TcbNetPV::WarnMessage)->isChecked());

    // Switched off: a new count rebuilds at once, with empty amounts.
    Type(*window, TcbNetPV::NumPmts, "13");
    Enter(*window, TcbNetPV::StartDate);
    EXPECT_EQ(window->Grid()->Count(), 12u);
    EXPECT_EQ(EntryText(*window, 0), "$0.00");
    // A new period re-dates at once.
    WindowDriver::Type(Entry(*window, 0), "100");
    WindowDriver::Choose(*window, TcbNetPV::PYR, 7); // Quarterly
    testing::Settle();
    EXPECT_EQ(Caption(*window, 0), "04/01/2022:");
    EXPECT_EQ(framework::AsDouble(window->Grid()->Value(0)), 100.0);
    EXPECT_EQ(window->Controller().Form().Series()[0].amount, 100.0);
    EXPECT_EQ(answers.Asked(), 1);
    EXPECT_EQ(answers.Unexpected(), 0);
}

TEST_F(CashFlowWindowsTest, CancellingANewPeriodPutsItBack) {
    TcalcCashFlows* window = Open("irr");
    answers.Expect({false, false});
    WindowDriver::Choose(*window, TcbIRR::PYR, 9); // Annually
    testing::Settle();
    EXPECT_EQ(answers.Asked(), 1);
    EXPECT_EQ(window->Editor(TcbIRR::PYR).ComboBox()->currentText(), "Monthly");
    EXPECT_EQ(Caption(*window, 0), "04/15/21:");
}

TEST_F(CashFlowWindowsTest, OutOfStepCalcComputesNothingAndClosingIsRefused) {
    TcalcCashFlows* window = Open("netpv");
    Type(*window, TcbNetPV::DiscountRate, "12");
    Type(*window, TcbNetPV::NumPmts, "13");
    answers.Expect({false, false});
    WindowDriver::Click(*window, Button::Calc);
    testing::Settle();
    EXPECT_EQ(window->focusWidget(), window->Editor(TcbNetPV::PV).Widget());
    EXPECT_EQ(answers.Asked(), 1) << "the entries are brought in line";
    EXPECT_EQ(Text(*window, TcbNetPV::NumPmts), "48");
    EXPECT_FALSE(window->Controller().Calculated());

    Type(*window, TcbNetPV::NumPmts, "13");
    QTest::keyClick(window, Qt::Key_Escape);
    framework::CalculatorFamily& family = driver.FamilyOf("netpv");
    EXPECT_EQ(family.OpenCount(), 1) << "closing is refused";
    answers.Expect({true, false});
    testing::Settle();
    EXPECT_EQ(window->focusWidget(), window->Editor(TcbNetPV::PV).Widget());
    EXPECT_EQ(window->Grid()->Count(), 12u);
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_EQ(family.OpenCount(), 0);
    EXPECT_EQ(answers.Unexpected(), 0);
}

TEST_F(CashFlowWindowsTest, ClosingKeepsTheFlowsShownAsTheLastEntry) {
    TcalcCashFlows* window = Open("netpv");
    // Without a last entry kept (a first start), the calculator opened on its local defaults
    // but still keeps its last entry.
    WindowDriver::Click(*window, Button::Options);
    EXPECT_TRUE(window->Options()->LastCalculationButton()->isChecked());
    WindowDriver::Click(*window, Button::Options);
    // Typed, not calculated: what the window shows is kept.
    Type(*window, TcbNetPV::PV, "500");
    WindowDriver::Type(Entry(*window, 2), "75");
    QTest::keyClick(window, Qt::Key_Escape);
    driver.context.DeleteClosedWindows();
    TcalcCashFlows* reopened = Open("netpv");
    EXPECT_EQ(Text(*reopened, TcbNetPV::PV), "($500.00)");
    EXPECT_EQ(EntryText(*reopened, 2), "$75.00");
}

TEST_F(CashFlowWindowsTest, TheOwnOptionsAreCheckBoxesThatApplyWhateverTheDefaults) {
    TcalcCashFlows* window = Open("netpv");
    Type(*window, TcbNetPV::DiscountRate, "12");
    TypeTwelveHundreds(*window, TcbNetPV::PV, TcbNetPV::NumPmts, TcbNetPV::StartDate);

    OptionsPanel& options = *window->Options();
    WindowDriver::Click(*window, Button::Options);
    ASSERT_NE(options.OtherOptionsGroup(), nullptr);
    EXPECT_EQ(options.OtherOptionsGroup()->title(), "Other Option(s)");
    EXPECT_EQ(options.OptionCheckBox(TcbNetPV::WarnMessage)->text(),
              "Don't show the warning message");
    QCheckBox* exact = options.OptionCheckBox(TcbNetPV::ExactDayMethod);
    EXPECT_EQ(exact->text(), "Use exact day calculation method");
    options.DefaultsButton()->click();
    options.GlobalButton()->click();
    EXPECT_FALSE(options.LocalDefaultsGroup()->isEnabled());
    EXPECT_TRUE(options.OtherOptionsGroup()->isEnabled()) << "not a defaults level";
    EXPECT_THROW(options.LocalDefaultEditor(TcbNetPV::ExactDayMethod), std::out_of_range);
    QTest::mouseClick(exact, Qt::LeftButton, {}, QPoint(4, exact->height() / 2));
    WindowDriver::Click(*window, Button::Options);

    auto& store = driver.context.fixture.store;
    store.SetCurSubKey(kNetPVKey);
    EXPECT_EQ(store.ReadInteger("DefaultUse exact day calculation method", -1), 1);
    WindowDriver::Click(*window, Button::Calc);
    // Each flow discounted at 12 % a year over its actual days from 15 March 2021 / 365.
    EXPECT_EQ(Text(*window, TcbNetPV::NetPV), "128.79");
}

TEST_F(CashFlowWindowsTest, SaveAndLoadTheFlows) {
    TcalcCashFlows* window = Open("netpv");
    EXPECT_EQ(window->HintOf(Button::Save), "Save data [Alt][S]");
    EXPECT_EQ(window->HintOf(Button::Load), "Load data from disk [Alt][L]");
    Type(*window, TcbNetPV::DiscountRate, "12");
    TypeTwelveHundreds(*window, TcbNetPV::PV, TcbNetPV::NumPmts, TcbNetPV::StartDate);
    const auto file = driver.context.fixture.folder / "flows.npv";
    driver.context.fileDialogs.answer = file.string();
    WindowDriver::Click(*window, Button::Save);
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(std::filesystem::file_size(file), 52u + 13u * 12u);

    TcalcCashFlows* second = Open("netpv");
    WindowDriver::Click(*second, Button::Reset);
    WindowDriver::Click(*second, Button::Load);
    EXPECT_EQ(Text(*second, TcbNetPV::NumPmts), "13");
    ASSERT_EQ(second->Grid()->Count(), 12u);
    EXPECT_EQ(EntryText(*second, 11), "$100.00");
    WindowDriver::Click(*second, Button::Calc);
    EXPECT_EQ(Text(*second, TcbNetPV::NetPV), "125.51");

    // A file of the other calculator changes nothing.
    TcalcCashFlows* irr = Open("irr");
    WindowDriver::Click(*irr, Button::Load);
    EXPECT_EQ(driver.Messages(), std::vector<std::string>{"Version Mismatch"});
    EXPECT_EQ(Text(*irr, TcbIRR::NumPmts), "48");
    EXPECT_EQ(irr->Grid()->Count(), 47u);
    EXPECT_EQ(answers.Unexpected(), 0);
}

} // namespace
} // namespace quarvex::ui
