// The amortization window opened from the main window's launcher.
#include "amortization/calculator/TcbAmort.h"
#include "ui/amortization/AmortStatusBar.h"
#include "ui/amortization/TcalcAmort.h"
#include "ui/calculators/CalculatorWindows.h"
#include "ui/framework/MaskedLineEdit.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/ShellFixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quarvex::ui {
namespace {

using TcbAmort = amortization::TcbAmort;

void Type(TcalcAmort& window, std::size_t field, const QString& text) {
    MaskedLineEdit& edit = *window.Editor(field).LineEdit();
    edit.setFocus(Qt::TabFocusReason);
    edit.selectAll();
    QTest::keyClicks(&edit, text);
}

TcalcAmort* OpenAmortWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<TcalcAmort*>(widget);
            window != nullptr && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

TEST(AmortLauncher, TheAmortizationButtonOpensTheWindowThatSchedulesAThirtyYearLoan) {
    testing::ShellFixture fixture;
    {
        RegisterCalculatorWindows();
        MainWindow main(fixture.Shell());
        main.show();
        auto* button = main.findChild<QPushButton*>("btnAmortization");
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        TcalcAmort* window = OpenAmortWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), "Amortization Schedule 1");

        // 150 000 at 6.5 % over 360 months: PMT(6.5 %/12, 360, -150000) = 948.10.
        const std::pair<std::size_t, QString> typed[] = {
            {TcbAmort::PV, "150000"},          {TcbAmort::NumPmts, "360"},
            {TcbAmort::Rate, "6.5"},           {TcbAmort::Pmt, "0"},
            {TcbAmort::OrgDate, "07/01/2024"}, {TcbAmort::FirstPmtDate, "08/01/2024"}};
        for (const auto& [field, text] : typed) {
            Type(*window, field, text);
        }
        QTest::mouseClick(window->ButtonOf(framework::Button::Calc), Qt::LeftButton);
        ASSERT_TRUE(window->ResultsShown())
            << (fixture.messages.Texts().empty() ? std::string()
                                                 : fixture.messages.Texts().front());
        EXPECT_EQ(window->Editor(TcbAmort::Pmt).LineEdit()->text(), "$948.10");
        EXPECT_EQ(window->Status()->Text(0), "Ordinary");
        EXPECT_EQ(window->Status()->Text(1), "No Acceleration method.");
        EXPECT_EQ(window->Status()->Text(2), "Last: 360");
        EXPECT_EQ(window->Status()->Text(3), QString::fromUtf8("Extra Pmt: † Rate Change: ‡"));
        window->close();
    }
    testing::ShellFixture::FlushDeletes();
}

} // namespace
} // namespace quarvex::ui
