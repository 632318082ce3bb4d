#include "calculators/Loan.h"
#include "framework/buffer/CalculatorController.h"
#include "framework/store/RegIni.h"
#include "support/BufferFixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace quarvex::calculators {
namespace {

using framework::Button;
using framework::CalculatorController;
using framework::CalculatorFamily;
using framework::Choice;
using framework::Panel;

constexpr const char* kKey = "Software\\Kelvarn Software\\Quarvex!\\Loan Calculator";

// Opens Loan calculator windows the way the launcher does.
struct WindowLifeTest : ::testing::Test {
    testing::BufferFixture fixture;
    CalculatorFamily family{TcbLoan::Definition()};
    framework::WindowOptions windowOptions;

    std::unique_ptr<CalculatorController> Open() {
        const auto slot = family.FreeSlot();
        if (!slot) {
            return nullptr;
        }
        auto window = std::make_unique<CalculatorController>(
            std::make_unique<TcbLoan>(fixture.context), family, fixture.help, windowOptions);
        window->ShowInstance(*slot);
        window->Show();
        return window;
    }

    static void Type(CalculatorController& window, double pv, std::int16_t n, float rate,
                     double pmt) {
        window.EditField(TcbLoan::PV, pv);
        window.EditField(TcbLoan::NumPmts, n);
        window.EditField(TcbLoan::Rate, rate);
        window.EditField(TcbLoan::Pmt, pmt);
    }
};

TEST_F(WindowLifeTest, FirstStartShowsThePublishersValues) {
    auto window = Open();
    EXPECT_EQ(window->Caption(), "Loan Calculator 1");
    EXPECT_EQ(window->Buffer().Title(), "Loan Calculator 1");
    EXPECT_EQ(window->Form().Get<double>(TcbLoan::PV), 0.0);
    EXPECT_EQ(window->Form().Get<Choice>(TcbLoan::PYR).index, 5);
    EXPECT_TRUE(window->OptionsForm().flags.lastCalculation);
    EXPECT_TRUE(window->OptionsForm().flags.publisher);
    EXPECT_EQ(window->MarkedField(), -1);
    fixture.store.SetCurSubKey(kKey);
    EXPECT_EQ(fixture.store.ReadInteger("Run times", 0), 1);
}

TEST_F(WindowLifeTest, CalcShowsTheResultAndAGreenMarker) {
    auto window = Open();
    Type(*window, 10000, 36, 10, 0);
    EXPECT_FALSE(window->MarkerIsGreen());
    ASSERT_TRUE(window->Calc());
    EXPECT_EQ(window->Form().Get<double>(TcbLoan::Pmt), 322.67);
    EXPECT_EQ(window->MarkedField(), TcbLoan::Pmt);
    EXPECT_TRUE(window->MarkerIsGreen());

    window->EditField(TcbLoan::NumPmts, std::int16_t{48});
    EXPECT_FALSE(window->MarkerIsGreen()) << "a change turns the marker red";
    window->Undo();
    EXPECT_EQ(window->Form().Get<std::int16_t>(TcbLoan::NumPmts), 36);
    EXPECT_FALSE(window->MarkerIsGreen()) << "Undo restores the inputs, not the colour";
}

TEST_F(WindowLifeTest, AnErrorIsShownAndTheFormKeepsWhatWasTyped) {
    auto window = Open();
    Type(*window, 10000, 36, 10, 0);
    window->Calc();
    Type(*window, 0, 36, 10, 0);
    EXPECT_FALSE(window->Calc());
    ASSERT_EQ(fixture.messages.shown.size(), 1u);
    EXPECT_EQ(fixture.messages.shown[0].text, "Too many unknowns. Enter only one Zero value.");
    EXPECT_EQ(fixture.messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(window->Form().Get<double>(TcbLoan::PV), 0.0);
    EXPECT_EQ(window->MarkedField(), TcbLoan::Pmt);
}

TEST_F(WindowLifeTest, ASecondWindowStartsFromTheFirstWindowsCalculation) {
    auto first = Open();
    Type(*first, 5000, 12, 8, 0);
    first->Close({}); // stores 5 000 as the last entered calculation
    first = Open();
    Type(*first, 10000, 36, 10, 0);
    first->Calc();

    auto second = Open();
    EXPECT_EQ(second->Caption(), "Loan Calculator 2");
    EXPECT_EQ(second->Form().Get<double>(TcbLoan::PV), 10000.0) << "the shared calculation";
    EXPECT_EQ(second->Form().Get<double>(TcbLoan::Pmt), 322.67);

    EXPECT_EQ(Open(), nullptr) << "a third window is refused";

    first->Close({});
    first.reset();
    second->Close({});
    second.reset();
    auto third = Open();
    EXPECT_EQ(third->Caption(), "Loan Calculator 1");
    EXPECT_EQ(third->Form().Get<double>(TcbLoan::PV), 10000.0) << "the stored last calculation";
}

TEST_F(WindowLifeTest, TheSharedCalculationEndsWhenItsWindowCloses) {
    auto first = Open();
    auto second = Open();
    Type(*second, 7000, 24, 6, 0);
    second->Close({}); // the stored last entry is now 7 000
    Type(*first, 10000, 36, 10, 0);
    first->Calc();
    first->Close({});
    EXPECT_EQ(family.SharedLast(), nullptr);
    auto third = Open();
    EXPECT_EQ(third->Caption(), "Loan Calculator 1");
    EXPECT_EQ(third->Form().Get<double>(TcbLoan::PV), 10000.0) << "stored when window 1 closed";
}

TEST_F(WindowLifeTest, TheOptionsPanel) {
    auto window = Open();
    EXPECT_EQ(window->ButtonCaption(Button::Options), "&Options");
    window->ToggleOptions();
    EXPECT_EQ(window->ShownPanel(), Panel::Options);
    EXPECT_EQ(window->ButtonCaption(Button::Options), "&Back");
    for (const Button button : {Button::Print, Button::Copy, Button::Reset, Button::Undo}) {
        EXPECT_FALSE(window->IsEnabled(button));
    }
    EXPECT_FALSE(window->DefaultsGroupEnabled());
    window->SetOpenWithLastCalculation(false);
    EXPECT_TRUE(window->DefaultsGroupEnabled());
    EXPECT_FALSE(window->LocalDefaultsEnabled());
    window->SetDefaultsLevel(CalculatorController::DefaultsLevel::Local);
    EXPECT_TRUE(window->LocalDefaultsEnabled());
    window->EditLocalDefault(3, Choice{7}); // payment period: quarterly
    window->EditLocalDefault(4, 9.5f);      // rate
    window->ToggleOptions();                // back: the options are stored
    EXPECT_TRUE(window->IsEnabled(Button::Copy));

    fixture.store.SetCurSubKey(kKey);
    EXPECT_EQ(fixture.store.ReadInteger("DefaultDefaults", -1), 1);
    EXPECT_EQ(fixture.store.ReadInteger("DefaultLocal", -1), 1);
    window->Close({});
    window.reset();

    auto next = Open();
    EXPECT_EQ(next->Form().Get<Choice>(TcbLoan::PYR).index, 7);
    EXPECT_EQ(next->Form().Get<float>(TcbLoan::Rate), 9.5f);
}

TEST_F(WindowLifeTest, ResetIgnoresTheSharedCalculation) {
    auto first = Open();
    Type(*first, 10000, 36, 10, 0);
    first->Calc();
    auto second = Open();
    second->Reset();
    EXPECT_EQ(second->Form().Get<double>(TcbLoan::PV), 0.0);
}

TEST_F(WindowLifeTest, CopyAndPrintTakeWhatTheFormShows) {
    auto window = Open();
    Type(*window, 10000, 36, 10, 0);
    window->Calc();
    window->EditField(TcbLoan::NumPmts, std::int16_t{48});
    ASSERT_TRUE(window->Copy());
    EXPECT_NE(fixture.clipboard.Last().find("Total Periods? (#):                    48"),
              std::string::npos);
    ASSERT_TRUE(window->Print());
    EXPECT_EQ(fixture.printing.titles.back(), "Loan Calculator 1");
    fixture.printing.cancel = true;
    EXPECT_FALSE(window->Print());
}

TEST_F(WindowLifeTest, HelpTopics) {
    auto window = Open();
    window->ShowHelp(false);
    window->ShowHelp(true);
    EXPECT_EQ(fixture.help.contexts, (std::vector<int>{125, 301}));
}

TEST_F(WindowLifeTest, PositionsAreKeptPerInstance) {
    auto window = Open();
    EXPECT_FALSE(window->StoredPosition());
    window->Close({120, 80});
    window.reset();
    window = Open();
    ASSERT_TRUE(window->StoredPosition());
    EXPECT_EQ(window->StoredPosition()->left, 120);
    EXPECT_EQ(window->StoredPosition()->top, 80);
    windowOptions.restorePositions = false;
    EXPECT_FALSE(window->StoredPosition());
}

} // namespace
} // namespace quarvex::calculators
