#include "engines/depreciation/calculator/TcbDecBal.h"
#include "engines/depreciation/calculator/TcbMACRS.h"
#include "engines/depreciation/calculator/TcbSlDep.h"
#include "engines/depreciation/calculator/TcbSumofYears.h"
#include "ui/engines/TcalcDepreciation.h"
#include "ui/framework/UiTestContext.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace quarvex::ui {
namespace {

using framework::Button;

struct Typed {
    std::size_t field;
    QString text;
};

struct DepreciationWindows : ::testing::Test {
    // The families outlive the windows the context closes.
    framework::CalculatorFamily straight{engines::TcbSlDep::Definition()};
    framework::CalculatorFamily digits{engines::TcbSumofYears::Definition()};
    framework::CalculatorFamily declining{engines::TcbDecBal::Definition()};
    framework::CalculatorFamily macrs{engines::TcbMACRS::Definition()};
    testing::UiTestContext context;

    static void SetUpTestSuite() { RegisterDepreciationWindows(); }

    // Opens the calculator's window, types the inputs, calculates, and gives the window.
    template <class Buffer>
    TcalcDepreciation* Calculate(framework::CalculatorFamily& family,
                                 const std::vector<Typed>& inputs) {
        auto* window = dynamic_cast<TcalcDepreciation*>(context.Open<Buffer>(family));
        EXPECT_NE(window, nullptr) << family.Spec().stem;
        if (window == nullptr) {
            return nullptr;
        }
        for (const Typed& input : inputs) {
            MaskedLineEdit& edit = *window->Editor(input.field).LineEdit();
            edit.setFocus();
            edit.selectAll();
            QTest::keyClicks(&edit, input.text);
        }
        QTest::mouseClick(window->ButtonOf(Button::Calc), Qt::LeftButton);
        return window;
    }

    static QStringList Column(const QTableWidget& table, int column) {
        QStringList cells;
        for (int row = 0; row < table.rowCount(); ++row) {
            const QTableWidgetItem* item = table.item(row, column);
            cells << (item == nullptr ? QString() : item->text().trimmed());
        }
        return cells;
    }
};

// Placed in service today, 15 March 2021: ten months of the first year.
TEST_F(DepreciationWindows, EachCalculatorShowsItsSchedule) {
    using SL = engines::TcbSlDep;
    using SY = engines::TcbSumofYears;
    using DB = engines::TcbDecBal;
    using MA = engines::TcbMACRS;
    struct Case {
        TcalcDepreciation* window;
        QStringList amounts;
    };
    const Case cases[] = {
        {Calculate<SL>(
             straight,
             {{SL::BookValue, "10000"}, {SL::SalvageValue, "1000"}, {SL::RecoveryPeriod, "5"}}),
         {"$1,500.00", "$1,800.00", "$1,800.00", "$1,800.00", "$1,800.00", "$300.00"}},
        {Calculate<SY>(
             digits,
             {{SY::BookValue, "10000"}, {SY::SalvageValue, "1000"}, {SY::RecoveryPeriod, "5"}}),
         {"$3,000.00", "$2,400.00", "$1,800.00", "$1,200.00", "$600.00", "$0.00"}},
        {Calculate<DB>(
             declining,
             {{DB::BookValue, "10000"}, {DB::RecoveryPeriod, "5"}, {DB::Acceleration, "200"}}),
         {"$4,000.00", "$2,400.00", "$1,440.00", "$1,080.00", "$1,080.00"}},
        {Calculate<MA>(macrs, {{MA::BookValue, "10000"}, {MA::RecoveryPeriod, "5"}}),
         {"$2,000.00", "$3,200.00", "$1,920.00", "$1,152.00", "$1,152.00", "$576.00"}},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.window, nullptr);
        const QTableWidget& table = *c.window->ScheduleTable();
        EXPECT_EQ(c.window->ColumnGroups(), 1);
        EXPECT_EQ(Column(table, 0).first(), "2021");
        EXPECT_EQ(Column(table, 1), c.amounts);
        EXPECT_EQ(table.horizontalHeaderItem(2)->text(), "Adjusted Basis");
    }
}

TEST_F(DepreciationWindows, ALongScheduleTakesTwoGroupsOfColumns) {
    using MA = engines::TcbMACRS;
    TcalcDepreciation* window =
        Calculate<MA>(macrs, {{MA::BookValue, "100000"}, {MA::RecoveryPeriod, "39"}});
    ASSERT_NE(window, nullptr);
    const QTableWidget& table = *window->ScheduleTable();
    // 40 years, filled left to right: 2021 and 2022 on the first row.
    ASSERT_EQ(window->ColumnGroups(), 2);
    EXPECT_EQ(table.rowCount(), 20);
    EXPECT_EQ(table.item(0, 0)->text(), "2021");
    EXPECT_EQ(table.item(0, 3)->text(), "2022");
    EXPECT_EQ(table.item(19, 3)->text(), "2060");
    EXPECT_EQ(table.horizontalHeaderItem(3)->text(), "Year");
}

TEST_F(DepreciationWindows, TheScheduleSpansTheTableWithEveryFigureWhole) {
    using MA = engines::TcbMACRS;
    for (const char* period : {"5", "39"}) { // one group of columns, then two
        TcalcDepreciation* window =
            Calculate<MA>(macrs, {{MA::BookValue, "100000"}, {MA::RecoveryPeriod, period}});
        ASSERT_NE(window, nullptr);
        const QTableWidget& table = *window->ScheduleTable();
        EXPECT_EQ(table.horizontalHeader()->length(), table.viewport()->width()) << period;
        for (int column = 0; column < table.columnCount(); ++column) {
            for (int row = 0; row < table.rowCount(); ++row) {
                if (const QTableWidgetItem* item = table.item(row, column)) {
                    EXPECT_LT(table.fontMetrics().horizontalAdvance(item->text().trimmed()),
                              table.columnWidth(column))
                        << period << " " << row << "," << column;
                }
            }
        }
        window->close();
    }
}

TEST_F(DepreciationWindows, MacrsRefusesARecoveryPeriodOfNothingAndGoesToIt) {
    using MA = engines::TcbMACRS;
    TcalcDepreciation* window =
        Calculate<MA>(macrs, {{MA::BookValue, "10000"}, {MA::RecoveryPeriod, "5"}});
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->ScheduleTable()->rowCount(), 6);
    context.fixture.messages.shown.clear();
    MaskedLineEdit& period = *window->Editor(MA::RecoveryPeriod).LineEdit();
    period.setFocus();
    period.selectAll();
    QTest::keyClicks(&period, "0");
    window->Editor(MA::BookValue).LineEdit()->setFocus();
    QTest::mouseClick(window->ButtonOf(Button::Calc), Qt::LeftButton);
    ASSERT_EQ(context.fixture.messages.shown.size(), 1u);
    EXPECT_EQ(context.fixture.messages.shown[0].text, "Recovery Period can't Be Zero");
    EXPECT_EQ(context.fixture.messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(window->focusWidget(), &period);
    // The schedule shown stays.
    EXPECT_EQ(window->ScheduleTable()->rowCount(), 6);
}

} // namespace
} // namespace quarvex::ui
