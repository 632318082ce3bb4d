#include "calculators/Loan.h"
#include "ui/framework/GuardedCall.h"
#include "ui/framework/TcalcBase.h"
#include "ui/framework/UiTestContext.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace quarvex::ui {
namespace {

using calculators::TcbLoan;
using framework::Button;

struct CalculatorWindowTest : ::testing::Test {
    framework::CalculatorFamily family{TcbLoan::Definition()};
    testing::UiTestContext context;
};

TEST_F(CalculatorWindowTest, AStemWithoutItsOwnWindowGetsTheGeneratedOne) {
    CalculatorWindow* window = context.Open<TcbLoan>(family);
    auto* generated = dynamic_cast<TcalcBase*>(window);
    ASSERT_NE(generated, nullptr);
    EXPECT_EQ(generated->PromptLabel(TcbLoan::Rate)->text(), "Annual &Rate? (%):");
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window->ButtonOf(Button::Save), nullptr);
    EXPECT_EQ(window->ButtonOf(Button::Calc)->text(), "&Calc");
    EXPECT_EQ(window->ButtonOf(Button::Close)->text(), "Close");
    EXPECT_EQ(window->ButtonOf(Button::Copy)->text(), "Cop&y");
    EXPECT_EQ(window->ButtonOf(Button::Reset)->text(), "R&eset");
    EXPECT_TRUE(window->ButtonOf(Button::Calc)->isDefault()) << "Enter calculates";
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(QApplication::focusWidget(), generated->Editor(TcbLoan::PV).Widget())
        << "the first input has the focus";
}

TEST_F(CalculatorWindowTest, RegisteredMakersAreFoundByStemWhateverItsCase) {
    int made = 0;
    RegisterWindowMaker("Loan-Test",
                        [&made](std::unique_ptr<framework::CalculatorController> c,
                                UiContext& ui) -> CalculatorWindow* {
                            ++made;
                            return new TcalcBase(std::move(c), ui);
                        });
    auto controller = std::make_unique<framework::CalculatorController>(
        std::make_unique<TcbLoan>(context.fixture.context), family, context.fixture.help,
        context.windowOptions);
    std::unique_ptr<CalculatorWindow> window(
        MakeCalculatorWindow("loan-test", std::move(controller), context.ui));
    EXPECT_EQ(made, 1);
}

TEST_F(CalculatorWindowTest, TheCloseBoxRunsTheCloseHandlingOnce) {
    CalculatorWindow* window = context.Open<TcbLoan>(family);
    QSignalSpy closed(window, &CalculatorWindow::Closed);
    EXPECT_EQ(family.OpenCount(), 1);
    window->close();
    window->CloseWindow();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(family.OpenCount(), 0) << "the slot is free";
    QPointer<CalculatorWindow> gone(window);
    context.DeleteClosedWindows();
    EXPECT_TRUE(gone.isNull());
}

TEST_F(CalculatorWindowTest, TheCloseButtonCloses) {
    CalculatorWindow* window = context.Open<TcbLoan>(family);
    QSignalSpy closed(window, &CalculatorWindow::Closed);
    QTest::mouseClick(window->ButtonOf(Button::Close), Qt::LeftButton);
    EXPECT_EQ(closed.count(), 1);
}

TEST(GuardedCallTest, NoExceptionEscapesAndEachIsShown) {
    testing::RecordingMessages messages;
    RunGuarded(messages, [] { throw Exception("Too many unknowns. Enter only one Zero value."); });
    RunGuarded(messages, [] { throw std::runtime_error("disk full"); });
    RunGuarded(messages, [] { throw 42; });
    RunGuarded(messages, [] {});
    EXPECT_EQ(
        messages.Texts(),
        (std::vector<std::string>{"Too many unknowns. Enter only one Zero value.",
                                  "Unexpected error: disk full", "An unexpected error occurred."}));
}

} // namespace
} // namespace quarvex::ui
