#include "AmortWindowFixture.h"

#include "framework/report/Format.h"
#include "ui/amortization/AmortScheduleModel.h"
#include "ui/amortization/AmortStatusBar.h"
#include "ui/amortization/AmortTotalsPanel.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTableView>

namespace quarvex::ui {
namespace {

using framework::Button;
using testing::AmortWindowFixture;
using TcbAmort = amortization::TcbAmort;

struct AmortWindowTest : AmortWindowFixture {};

// The parts that need results, as the user finds them: enabled exactly while results show.
std::vector<bool> ResultControls(const TcalcAmort& window) {
    return {window.Grid()->isVisible(),
            window.Years()->isVisible(),
            window.ButtonOf(Button::Print)->isEnabled(),
            window.ButtonOf(Button::Copy)->isEnabled(),
            window.YearButton(TcalcAmort::YearMove::First)->isEnabled(),
            window.YearButton(TcalcAmort::YearMove::Last)->isEnabled(),
            window.Item("actPrint")->isEnabled(),
            window.Item("actSchedule")->isEnabled()};
}

TEST_F(AmortWindowTest, CalcShowsTheScheduleWithItsStatusAndHidesItAgainOnAChange) {
    TcalcAmort* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Amortization Schedule 1");
    EXPECT_FALSE(window->ResultsShown());
    EXPECT_EQ(ResultControls(*window), std::vector<bool>(8, false));
    EXPECT_TRUE(window->ButtonOf(Button::Calc)->isEnabled());

    // 200 000 over 30 years at 6 %: PMT(0.5 %, 360, -200000) = 1 199.10.
    Enter(*window, "200000", "360", "6", "0", "04/01/2024", "05/01/2024");
    EXPECT_EQ(window->Status()->Text(0), "Enter '0' (Zero) if this is an unknown value.");
    Calc(*window);
    ASSERT_TRUE(Messages().empty()) << Messages().front();
    ASSERT_TRUE(window->ResultsShown());
    EXPECT_EQ(window->Editor(TcbAmort::Pmt).LineEdit()->text(), "$1,199.10");
    EXPECT_TRUE(window->Marker(TcbAmort::Pmt)->isVisible());
    EXPECT_EQ(window->Marker(TcbAmort::Pmt)->palette().color(QPalette::WindowText),
              TcalcBase::kMarkerGreen);
    EXPECT_EQ(window->Status()->Text(0), "Ordinary");
    EXPECT_EQ(window->Status()->Text(1), "No Acceleration method.");
    EXPECT_EQ(window->Status()->Text(2), "Last: 360");
    EXPECT_EQ(window->Status()->Text(3), QString::fromUtf8("Extra Pmt: † Rate Change: ‡"));
    EXPECT_EQ(ResultControls(*window), std::vector<bool>(8, true));
    EXPECT_FALSE(window->ButtonOf(Button::Calc)->isEnabled());
    EXPECT_FALSE(window->Item("actCalc")->isEnabled());
    EXPECT_TRUE(window->RecalcButton()->isEnabled());
    for (const char* later : {"actSave", "actLoad", "actSummary", "actPayments.Regular.Periodic"}) {
        EXPECT_FALSE(window->Item(later)->isEnabled()) << later;
        EXPECT_EQ(window->Item(later)->toolTip(), "Not available yet") << later;
    }
    // The APR items act on a calculated loan only.
    EXPECT_TRUE(window->Item("actAprDetail")->isEnabled());
    EXPECT_TRUE(window->Item("actAprDisclosure")->isEnabled());
    // "All": the opening row and the 360 payments; the last balance is 0.
    EXPECT_EQ(window->GridModel()->rowCount(), 361);
    EXPECT_EQ(window->GridModel()->index(0, 0).data().toString(), "Init/1");
    EXPECT_EQ(window->GridModel()->index(360, AmortScheduleModel::Balance).data().toString(),
              "0.00");

    Type(*window, TcbAmort::Rate, "7");
    EXPECT_FALSE(window->ResultsShown());
    EXPECT_FALSE(window->Amort().HasResults()) << "the schedule of the old inputs is gone";
    EXPECT_FALSE(window->Item("actAprDetail")->isEnabled());
    EXPECT_EQ(ResultControls(*window), std::vector<bool>(8, false));
    EXPECT_TRUE(window->ButtonOf(Button::Calc)->isEnabled());
    EXPECT_EQ(window->Marker(TcbAmort::Pmt)->palette().color(QPalette::WindowText),
              TcalcBase::kMarkerRed);
}

TEST_F(AmortWindowTest, TwoWindowsAtMostEachWithItsOwnSchedule) {
    TcalcAmort* first = Open();
    TcalcAmort* second = Open();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->windowTitle(), "Amortization Schedule 2");
    EXPECT_EQ(context.Open<TcbAmort>(family), nullptr) << "no third window";
    Enter(*first, "10000", "36", "10", "0", "01/01/2021", "02/01/2021");
    Calc(*first);
    EXPECT_TRUE(first->ResultsShown());
    EXPECT_FALSE(second->ResultsShown());
}

TEST_F(AmortWindowTest, AnErrorLeavesTheResultsHiddenAndShowsItsText) {
    TcalcAmort* window = Open();
    ASSERT_NE(window, nullptr);
    Enter(*window, "0", "360", "6", "0");
    Calc(*window);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_FALSE(window->ResultsShown());
    EXPECT_TRUE(window->ButtonOf(Button::Calc)->isEnabled());
    EXPECT_EQ(window->Editor(TcbAmort::NumPmts).LineEdit()->text(), "360")
        << "the inputs keep what was typed";
}

TEST_F(AmortWindowTest, YearTabsFollowTheFiscalYearEnding) {
    TcalcAmort* window = Open();
    ASSERT_NE(window, nullptr);
    Enter(*window, "100000", "360", "8", "0", "03/15/1998", "05/01/1998");
    Calc(*window);
    ASSERT_TRUE(window->ResultsShown());
    // The last payment falls on 1 April 2028.
    EXPECT_EQ(Tabs(*window), YearTabs(1998, 2028));
    EXPECT_EQ(window->Years()->currentIndex(), 0);

    window->Years()->setCurrentIndex(2); // "99"
    window->Item("actYearEnding6")->trigger();
    EXPECT_TRUE(window->Item("actYearEnding6")->isChecked());
    EXPECT_FALSE(window->Item("actYearEnding12")->isChecked());
    // July 1997 to June 1998 is "98", July 1998 to June 1999 "99"; April 2028 is in "28".
    EXPECT_EQ(Tabs(*window), YearTabs(1998, 2028));
    EXPECT_EQ(window->Years()->currentIndex(), 2) << "the tab index stays";
    // "99" holds the twelve payments from July 1998 to June 1999.
    EXPECT_EQ(window->GridModel()->rowCount(), 12);
    EXPECT_EQ(window->GridModel()->index(0, AmortScheduleModel::Date).data().toString(),
              "07/01/1998");
    window->Years()->setCurrentIndex(1); // "98": the opening row, May and June
    EXPECT_EQ(window->GridModel()->rowCount(), 3);

    // Year ending March: the last payment (April 2028) falls in the year ending March 2029.
    window->Years()->setCurrentIndex(window->Years()->count() - 1);
    window->Item("actYearEnding3")->trigger();
    EXPECT_EQ(Tabs(*window), YearTabs(1998, 2029));
    EXPECT_EQ(window->Years()->currentIndex(), 31) << "the same index while it exists";
}

TEST_F(AmortWindowTest, AYearTabShowsItsRowsAndTheTotalsOfThatYear) {
    TcalcAmort* window = Open();
    ASSERT_NE(window, nullptr);
    Enter(*window, "100000", "360", "8", "0", "03/15/1998", "05/01/1998");
    Calc(*window);
    ASSERT_TRUE(window->ResultsShown());
    window->Years()->setCurrentIndex(2); // calendar year 1999
    EXPECT_EQ(window->GridModel()->rowCount(), 12);

    amortization::TAmortSchedule schedule = window->Amort().Schedule();
    const amortization::YearTotalsResult year = schedule.YearTotals(1, 1999);
    const auto money = [this](double value) {
        return QString::fromStdString(
                   report::Format("%16.2m", {value}, context.fixture.conventions))
            .trimmed();
    };
    using Totals = AmortTotalsPanel;
    EXPECT_EQ(window->Totals()->Text(Totals::Annual, Totals::Payment), money(year.YearPmt));
    EXPECT_EQ(window->Totals()->Text(Totals::Annual, Totals::Principal), money(year.YearPrincipal));
    EXPECT_EQ(window->Totals()->Text(Totals::Annual, Totals::Interest), money(year.YearInterest));
    // Independently: twelve payments of PMT(8 %/12, 360, -100000) = 733.76.
    EXPECT_EQ(window->Totals()->Text(Totals::Annual, Totals::Payment), "$8,805.12");
    const auto& lastOfYear = schedule[static_cast<std::size_t>(year.YearLastTransNo)];
    EXPECT_EQ(window->Totals()->Text(Totals::Running, Totals::Principal),
              money(schedule.RunningPrincipalAt(lastOfYear.TransNo)));

    // "All" shows the last row's running totals on both lines.
    window->Years()->setCurrentIndex(0);
    for (const auto amount : {Totals::Payment, Totals::Principal, Totals::Interest}) {
        EXPECT_EQ(window->Totals()->Text(Totals::Annual, amount),
                  window->Totals()->Text(Totals::Running, amount));
    }
    EXPECT_EQ(window->Totals()->Text(Totals::Running, Totals::Principal), "$100,000.00");
}

TEST_F(AmortWindowTest, EachTotalStandsUnderItsColumnOfTheGrid) {
    TcalcAmort* window = Open();
    ASSERT_NE(window, nullptr);
    Enter(*window, "200000", "360", "6.5", "0", "07/01/2024", "08/01/2024");
    Calc(*window);
    ASSERT_TRUE(window->ResultsShown());
    window->layout()->activate();
    using Totals = AmortTotalsPanel;
    const QTableView& grid = *window->Grid();
    const struct {
        Totals::Amount amount;
        int column;
    } columns[] = {{Totals::Payment, AmortScheduleModel::Payment},
                   {Totals::Principal, AmortScheduleModel::Principal},
                   {Totals::Interest, AmortScheduleModel::Interest}};
    for (const auto& [amount, column] : columns) {
        const int left =
            grid.viewport()->mapTo(window, QPoint(grid.columnViewportPosition(column), 0)).x();
        for (const auto line : {Totals::Annual, Totals::Running}) {
            const QLabel& label = window->Totals()->AmountLabel(line, amount);
            EXPECT_EQ(label.mapTo(window, QPoint(0, 0)).x(), left) << column;
            EXPECT_EQ(label.width(), grid.columnWidth(column)) << column;
        }
    }
}

TEST_F(AmortWindowTest, YearButtonsAndKeysMoveAlongTheTabs) {
    TcalcAmort* window = Open();
    ASSERT_NE(window, nullptr);
    Enter(*window, "10000", "36", "10", "0", "01/01/2021", "02/01/2021");
    Calc(*window);
    ASSERT_TRUE(window->ResultsShown());
    ASSERT_EQ(Tabs(*window), YearTabs(2021, 2024));
    const auto press = [window](TcalcAmort::YearMove move) {
        QTest::mouseClick(window->YearButton(move), Qt::LeftButton);
        return window->Years()->currentIndex();
    };
    using Move = TcalcAmort::YearMove;
    EXPECT_EQ(press(Move::Prior), 0) << "stops at the start";
    EXPECT_EQ(press(Move::First), 1);
    EXPECT_EQ(press(Move::First), 0) << "from the first year back to All";
    EXPECT_EQ(press(Move::Next), 1);
    EXPECT_EQ(press(Move::Last), 4);
    EXPECT_EQ(press(Move::Next), 4) << "stops at the end";
    EXPECT_EQ(press(Move::Prior), 3);

    window->activateWindow();
    window->Years()->setCurrentIndex(4);
    QTest::keyClick(window, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(window->Years()->currentIndex(), 0) << "wraps from the last year to All";
    QTest::keyClick(window, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(window->Years()->currentIndex(), 4) << "and back";
}

TEST_F(AmortWindowTest, ARowWithARateChangeAndAnExtraPaymentShowsBothMarks) {
    amortization::TTransRec row;
    row.PmtNoYr = "13/02";
    const struct {
        bool rateChange;
        double extra;
        const char* label;
    } cases[] = {
        {false, 0, "13/02"},    {false, 0.0009, "13/02"}, // a rounding remainder, not a payment
        {false, 100, "13/02†"}, {false, -100, "13/02†"},
        {true, 0, "13/02‡"},    {true, 100, "13/02‡†"},
    };
    for (const auto& c : cases) {
        row.RateChng = c.rateChange;
        row.ExtraPmt = c.extra;
        EXPECT_EQ(AmortScheduleModel::RowLabel(row), QString::fromUtf8(c.label));
    }
}

TEST_F(AmortWindowTest, RecalcShowsTheEditedRowsWithTheirMarks) {
    TcalcAmort* window = Open();
    ASSERT_NE(window, nullptr);
    Enter(*window, "10000", "36", "10", "0", "01/01/2021", "02/01/2021");
    Calc(*window);
    ASSERT_TRUE(window->ResultsShown());
    auto& rows = const_cast<TcbAmort&>(window->Amort()).EditableSchedule();
    rows[12].ExtraPmt = 500;
    rows[12].RateChng = true;
    for (std::size_t i = 12; i < static_cast<std::size_t>(rows.Count()); ++i) {
        rows[i].Rate = 12;
    }
    QTest::mouseClick(window->RecalcButton(), Qt::LeftButton);
    ASSERT_TRUE(Messages().empty()) << Messages().front();
    ASSERT_TRUE(window->ResultsShown());
    const QString label = window->GridModel()->index(12, 0).data().toString();
    EXPECT_TRUE(label.endsWith(QString::fromUtf8("‡†"))) << label.toStdString();
    const auto& schedule = window->Amort().Schedule();
    EXPECT_NEAR(schedule[12].Principal, schedule[12].Pmt + 500 - schedule[12].Interest, 0.005)
        << "the extra payment goes to principal";
}

TEST_F(AmortWindowTest, RecalcIsDisabledUnderTheRuleOf78s) {
    TcalcAmort* window = Open();
    ASSERT_NE(window, nullptr);
    Enter(*window, "10000", "36", "10", "0", "01/01/2021", "02/01/2021");
    Choose(*window, TcbAmort::AmortMthd, 5);
    ASSERT_EQ(window->Editor(TcbAmort::AmortMthd).ComboBox()->currentText(), "Rule of 78's");
    Calc(*window);
    ASSERT_TRUE(window->ResultsShown());
    EXPECT_FALSE(window->RecalcButton()->isEnabled());
    EXPECT_FALSE(window->Item("actRecalc")->isEnabled());
    EXPECT_TRUE(window->ButtonOf(Button::Print)->isEnabled());
}

TEST_F(AmortWindowTest, TheSwitchesAndSingleValuesKeepTheirMenuState) {
    TcalcAmort* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->Item("actForcePmtCalc")->isChecked());
    EXPECT_TRUE(window->Item("actYearEnding12")->isChecked());
    const bool optimize = window->Amort().State().OptimizePmts;
    EXPECT_EQ(window->Item("actOptimizePmts")->isChecked(), optimize);
    window->Item("actOptimizePmts")->trigger();
    EXPECT_EQ(window->Amort().State().OptimizePmts, !optimize);
    EXPECT_EQ(window->Item("actOptimizePmts")->isChecked(), !optimize);
    EXPECT_EQ(window->Item("actBalloonPeriod")->toolTip(), "Current value 0");
    EXPECT_TRUE(window->findChild<QMenu*>("mnuCharts")->menuAction()->isVisible());
}

TEST_F(AmortWindowTest, F1OnAMenuItemOpensItsHelpPage) {
    TcalcAmort* window = Open();
    ASSERT_NE(window, nullptr);
    const struct {
        const char* item;
        int context;
    } cases[] = {{"actBalloonPeriod", 328},      {"actOneTimeFees", 342},
                 {"actInterestOnly", 340},       {"actForcePmtCalc", 367},
                 {"actRecalcPmtAfterZero", 420}, {"actOptimizePmts", 421}};
    for (const auto& c : cases) {
        QAction* item = window->Item(c.item);
        auto* menu = qobject_cast<QMenu*>(item->parent());
        ASSERT_NE(menu, nullptr) << c.item;
        menu->popup(QPoint(0, 0));
        menu->setActiveAction(item);
        QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(menu, &f1);
        ASSERT_FALSE(context.fixture.help.contexts.empty()) << c.item;
        EXPECT_EQ(context.fixture.help.contexts.back(), c.context) << c.item;
        menu->close();
    }
}

// Alt and a letter opens the menu of that letter: no button of the window claims it too.
TEST_F(AmortWindowTest, EveryMenuLetterOpensItsMenuAlone) {
    TcalcAmort* window = Open();
    ASSERT_NE(window, nullptr);
    const auto key = [](const QString& text) {
        const qsizetype at = text.indexOf('&');
        return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
    };
    QStringList menus;
    for (const QAction* menu : window->Menus()->actions()) {
        menus << menu->text();
    }
    EXPECT_EQ(menus,
              (QStringList{"&Calc", "&Loan", "R&eports", "Charts", "&Options", "&Help", "E&xit"}));
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        const QChar buttonKey = key(button->text());
        if (buttonKey.isNull()) {
            continue;
        }
        for (const QString& menu : menus) {
            EXPECT_NE(buttonKey, key(menu)) << button->text().toStdString();
        }
    }
    EXPECT_EQ(window->ButtonOf(Button::Calc)->text(), "Calc");
    EXPECT_EQ(window->ButtonOf(Button::Copy)->text(), "Cop&y");
}

// The schedule makes the window grow downwards; opened low on the screen it moves up so that
// its buttons and status bar stay on the screen.
TEST_F(AmortWindowTest, AWindowGrownByItsScheduleStaysOnItsScreen) {
    TcalcAmort* window = Open();
    ASSERT_NE(window, nullptr);
    const QRect available = window->screen()->availableGeometry();
    window->move(available.left() + 10, available.bottom() - window->height() - 10);
    const int left = window->geometry().left();
    Enter(*window, "200000", "360", "6", "0", "04/01/2024", "05/01/2024");
    Calc(*window);
    ASSERT_TRUE(window->ResultsShown());
    const QRect placed = window->geometry();
    ASSERT_LE(placed.height(), available.height()) << "the screen is too small for the test";
    EXPECT_GE(placed.top(), available.top());
    EXPECT_LE(placed.bottom(), available.bottom());
    EXPECT_EQ(placed.left(), left) << "only as far as it must: upwards";
}

} // namespace
} // namespace quarvex::ui
