#pragma once

#include "amortization/calculator/TcbAmort.h"
#include "framework/dates/Calendar.h"
#include "ui/amortization/TcalcAmort.h"
#include "ui/framework/FieldComboBox.h"
#include "ui/framework/MaskedLineEdit.h"
#include "ui/framework/UiTestContext.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace quarvex::testing {

// An amortization window opened as the launcher opens it, and what a user does in it.
struct AmortWindowFixture : ::testing::Test {
    using TcbAmort = amortization::TcbAmort;

    framework::CalculatorFamily family{TcbAmort::Definition()};
    UiTestContext context;

    static void SetUpTestSuite() { ui::RegisterAmortizationWindows(); }

    ui::TcalcAmort* Open() {
        auto* window = dynamic_cast<ui::TcalcAmort*>(context.Open<TcbAmort>(family));
        EXPECT_NE(window, nullptr) << "stem \"amort\" makes a TcalcAmort";
        return window;
    }

    // What a user does: into the field, select what it shows, type.
    static void Type(ui::TcalcAmort& window, std::size_t field, const QString& text) {
        ui::MaskedLineEdit& edit = *window.Editor(field).LineEdit();
        edit.setFocus(Qt::TabFocusReason);
        edit.selectAll();
        QTest::keyClicks(&edit, text);
    }
    static void Choose(ui::TcalcAmort& window, std::size_t field, int index) {
        window.Editor(field).ComboBox()->setCurrentIndex(index);
    }
    // The loan as typed: amount, periods, rate, payment, and the two dates ("mm/dd/yyyy")
    // when given.
    static void Enter(ui::TcalcAmort& window, const QString& amount, const QString& periods,
                      const QString& rate, const QString& payment, const QString& origination = {},
                      const QString& firstPayment = {}) {
        // The window takes the keyboard, so that focus moves as the user's would.
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; }));
        Type(window, TcbAmort::PV, amount);
        Type(window, TcbAmort::NumPmts, periods);
        Type(window, TcbAmort::Rate, rate);
        Type(window, TcbAmort::Pmt, payment);
        if (!origination.isEmpty()) {
            Type(window, TcbAmort::OrgDate, origination);
            Type(window, TcbAmort::FirstPmtDate, firstPayment);
        }
        window.Editor(TcbAmort::PV).Widget()->setFocus(Qt::TabFocusReason);
    }
    static void Calc(ui::TcalcAmort& window) {
        QTest::mouseClick(window.ButtonOf(framework::Button::Calc), Qt::LeftButton);
    }
    static QStringList Tabs(const ui::TcalcAmort& window) {
        QStringList tabs;
        for (int i = 0; i < window.Years()->count(); ++i) {
            tabs << window.Years()->tabText(i);
        }
        return tabs;
    }
    // The tabs "All", then the two-digit years from `first` to `last` (four digits given).
    static QStringList YearTabs(int first, int last) {
        QStringList tabs{"All"};
        for (int year = first; year <= last; ++year) {
            tabs << QString::number(year % 100).rightJustified(2, '0');
        }
        return tabs;
    }
    std::vector<std::string> Messages() const { return context.fixture.messages.Texts(); }
};

} // namespace quarvex::testing
