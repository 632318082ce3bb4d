// The main window with the program's own calculator windows.
#include "calculators/Loan.h"
#include "framework/store/RegIni.h"
#include "ui/calculators/CalculatorWindows.h"
#include "ui/framework/CalculatorWindow.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/ShellFixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quarvex::ui {
namespace {

using calculators::TcbLoan;

constexpr const char* kRoot = "Software\\Kelvarn Software\\Quarvex!";

class RealWindowsTest : public ::testing::Test {
protected:
    RealWindowsTest() {
        RegisterCalculatorWindows();
        window = std::make_unique<MainWindow>(fixture.Shell());
        window->show();
    }
    ~RealWindowsTest() override {
        window.reset();
        testing::ShellFixture::FlushDeletes();
    }

    std::vector<CalculatorWindow*> CalculatorWindows() const {
        std::vector<CalculatorWindow*> found;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* calculator = qobject_cast<CalculatorWindow*>(widget);
                calculator != nullptr && calculator->isVisible()) {
                found.push_back(calculator);
            }
        }
        return found;
    }
    void ClickLoan() {
        QTest::mouseClick(window->findChild<QPushButton*>("btnLoan"), Qt::LeftButton);
    }

    testing::ShellFixture fixture;
    std::unique_ptr<MainWindow> window;
};

TEST_F(RealWindowsTest, TheLoanButtonOpensTheLoanCalculator) {
    ClickLoan();
    const auto open = CalculatorWindows();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0]->windowTitle(), "Loan Calculator 1");
    ASSERT_EQ(window->WindowsMenu()->actions().size(), 1);
    EXPECT_EQ(window->WindowsMenu()->actions()[0]->text(), "Loan Calculator 1");

    ClickLoan();
    ClickLoan();
    EXPECT_EQ(CalculatorWindows().size(), 2u) << "two windows at most";
    EXPECT_EQ(window->WindowsMenu()->actions().size(), 2);

    open[0]->close();
    EXPECT_EQ(window->WindowsMenu()->actions().size(), 1);
    EXPECT_EQ(window->WindowsMenu()->actions()[0]->text(), "Loan Calculator 2");
}

TEST_F(RealWindowsTest, ClosingTheMainWindowStoresEachCalculatorsLastEntry) {
    ClickLoan();
    CalculatorWindow* loan = CalculatorWindows().at(0);
    loan->Controller().EditField(TcbLoan::PV, 20000.0);
    loan->Controller().EditField(TcbLoan::NumPmts, std::int16_t{48});
    loan->Controller().EditField(TcbLoan::Rate, 6.0f);
    loan->Controller().EditField(TcbLoan::Pmt, 0.0);
    ASSERT_TRUE(loan->Controller().Calc());

    window->close();
    framework::RegIni stored = fixture.Reopen();
    stored.SetCurSubKey(std::string(kRoot) + "\\Loan Calculator");
    EXPECT_EQ(stored.ReadReal("&Amount of Loan?:", 0), 20000);
    // 20000 x 0.005 / (1 - 1.005^-48) = 469.70
    EXPECT_EQ(stored.ReadReal("Per&iodic Payment?:", 0), 469.70);
    EXPECT_TRUE(window->Launcher().OpenWindows().empty());
}

} // namespace
} // namespace quarvex::ui
