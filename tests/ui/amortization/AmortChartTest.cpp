#include "AmortWindowFixture.h"

#include "ui/amortization/AmortChartWindow.h"

#include <QBarSet>
#include <QChartView>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineSeries>
#include <QMenu>

namespace quarvex::ui {
namespace {

using testing::AmortWindowFixture;
using TcbAmort = amortization::TcbAmort;

struct AmortChartTest : AmortWindowFixture {
    // 200 000 over 30 years of monthly payments at 6 %, the first on 02/01/2020: the payment
    // is PMT(0.5 %, 360, -200000) = 1 199.10, and the last of 360 payments falls in 2050.
    TcalcAmort* OpenCalculatedLoan(const QString& amount = "200000") {
        TcalcAmort* window = Open();
        if (window == nullptr) {
            return nullptr;
        }
        Enter(*window, amount, "360", "6", "0", "01/01/2020", "02/01/2020");
        Calc(*window);
        EXPECT_TRUE(window->ResultsShown());
        return window;
    }

    static AmortChartWindow* OpenChart(TcalcAmort& window) {
        window.Item("actScheduleChart")->trigger();
        return window.Chart();
    }

    static double Sum(const QBarSet& bars) {
        double sum = 0;
        for (qsizetype i = 0; i < bars.count(); ++i) {
            sum += bars.at(i);
        }
        return sum;
    }

    // The balance series is the rows of the tab shown, point for point.
    static void ExpectBalanceOfTab(const TcalcAmort& window, const AmortChartWindow& chart) {
        const auto view =
            window.Amort().ViewOfTab(static_cast<std::size_t>(window.Years()->currentIndex()));
        const auto& schedule = window.Amort().Schedule();
        const QList<QPointF> points = chart.Balance()->points();
        ASSERT_EQ(static_cast<std::size_t>(points.size()), view.EndRow - view.FirstRow);
        for (std::size_t row = view.FirstRow; row < view.EndRow; ++row) {
            const QPointF& point = points[static_cast<qsizetype>(row - view.FirstRow)];
            EXPECT_EQ(point.x(), schedule[row].PmtNo) << "row " << row;
            EXPECT_EQ(point.y(), schedule[row].PrinBal) << "row " << row;
        }
    }
};

TEST_F(AmortChartTest, TheItemIsShownAndActsOnlyWithResults) {
    TcalcAmort* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->findChild<QMenu*>("mnuCharts")->menuAction()->isVisible());
    QAction* item = window->Item("actScheduleChart");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "&Schedule Chart");
    EXPECT_FALSE(item->isEnabled());
    window->ShowScheduleChart();
    EXPECT_EQ(window->Chart(), nullptr) << "no chart without a schedule";

    Enter(*window, "200000", "360", "6", "0", "01/01/2020", "02/01/2020");
    Calc(*window);
    ASSERT_TRUE(window->ResultsShown());
    EXPECT_TRUE(item->isEnabled());
    AmortChartWindow* chart = OpenChart(*window);
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    chart->close();
    EXPECT_EQ(OpenChart(*window), chart) << "one chart per window, opened again";
    EXPECT_TRUE(chart->isVisible());

    // A changed input takes the schedule away: the item goes grey and the chart empties.
    Type(*window, TcbAmort::PV, "150000");
    EXPECT_FALSE(window->ResultsShown());
    EXPECT_FALSE(item->isEnabled());
    EXPECT_EQ(chart->Balance()->count(), 0);
    EXPECT_EQ(chart->PrincipalBars()->count(), 0);
    EXPECT_EQ(chart->InterestBars()->count(), 0);
}

TEST_F(AmortChartTest, ThirtyYearsOfMonthlyPaymentsAreDrawnRowByRowAndYearByYear) {
    TcalcAmort* window = OpenCalculatedLoan();
    ASSERT_NE(window, nullptr);
    AmortChartWindow* chart = OpenChart(*window);
    ASSERT_NE(chart, nullptr);

    const QList<QPointF> points = chart->Balance()->points();
    ASSERT_EQ(points.size(), 361) << "the opening row and 360 payments";
    EXPECT_EQ(points.front(), QPointF(0, 200000));
    EXPECT_EQ(points.back(), QPointF(360, 0));
    ExpectBalanceOfTab(*window, *chart);

    // One pair of bars per fiscal year, 2020 to 2050.
    EXPECT_EQ(chart->PrincipalBars()->count(), 31);
    EXPECT_EQ(chart->InterestBars()->count(), 31);
    const auto all = window->Amort().ViewOfTab(0);
    EXPECT_NEAR(Sum(*chart->PrincipalBars()), all.RunningPrincipal, 0.005);
    EXPECT_NEAR(Sum(*chart->InterestBars()), all.RunningInt, 0.005);
    // Independently: the principal repaid is the amount, and the interest is what 360
    // payments of 1 199.10 pay beyond it (the last payment takes up the cents).
    EXPECT_NEAR(Sum(*chart->PrincipalBars()), 200000, 0.005);
    EXPECT_NEAR(Sum(*chart->InterestBars()), 360 * 1199.10 - 200000, 2.0);

    // A year tab: the balance of that year's rows only, January 2021 (payment 12) to
    // December (payment 23).
    window->Years()->setCurrentIndex(2);
    ASSERT_EQ(window->Years()->tabText(2), "21");
    ASSERT_EQ(chart->Balance()->count(), 12);
    EXPECT_EQ(chart->Balance()->at(0).x(), 12);
    EXPECT_EQ(chart->Balance()->at(11).x(), 23);
    ExpectBalanceOfTab(*window, *chart);
    EXPECT_EQ(chart->PrincipalBars()->count(), 31) << "the years stay whole";
}

TEST_F(AmortChartTest, TheChartFollowsRecalcAndANewCalc) {
    TcalcAmort* window = OpenCalculatedLoan();
    ASSERT_NE(window, nullptr);
    AmortChartWindow* chart = OpenChart(*window);
    ASSERT_NE(chart, nullptr);

    // 50 000 paid extra with the twelfth payment: the loan ends years sooner.
    auto& rows = const_cast<TcbAmort&>(window->Amort()).EditableSchedule();
    rows[12].ExtraPmt = 50000;
    QTest::mouseClick(window->RecalcButton(), Qt::LeftButton);
    ASSERT_TRUE(Messages().empty()) << Messages().front();
    ASSERT_TRUE(window->ResultsShown());
    ExpectBalanceOfTab(*window, *chart);
    EXPECT_LT(chart->Balance()->count(), 361);
    EXPECT_EQ(chart->Balance()->points().back().y(), 0);
    const auto all = window->Amort().ViewOfTab(0);
    EXPECT_NEAR(Sum(*chart->PrincipalBars()), all.RunningPrincipal, 0.005);
    EXPECT_NEAR(Sum(*chart->InterestBars()), all.RunningInt, 0.005);
    EXPECT_EQ(chart->PrincipalBars()->count(),
              static_cast<qsizetype>(window->Amort().Tabs().size()));

    Enter(*window, "100000", "360", "6", "0");
    Calc(*window);
    ASSERT_TRUE(window->ResultsShown());
    ASSERT_EQ(chart->Balance()->count(), 361);
    EXPECT_EQ(chart->Balance()->at(0).y(), 100000);
    EXPECT_EQ(chart->Balance()->points().back().y(), 0);
    EXPECT_NEAR(Sum(*chart->PrincipalBars()), 100000, 0.005);
}

TEST_F(AmortChartTest, CopyPutsBothChartsOnTheClipboardAsAPicture) {
    TcalcAmort* window = OpenCalculatedLoan();
    ASSERT_NE(window, nullptr);
    AmortChartWindow* chart = OpenChart(*window);
    ASSERT_NE(chart, nullptr);
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(chart->CopyButton(), Qt::LeftButton);
    const QImage picture = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(picture.isNull());
    EXPECT_GE(picture.height(), chart->BalanceView()->height() + chart->YearsView()->height());
    EXPECT_GE(picture.width(), chart->BalanceView()->width());
}

} // namespace
} // namespace quarvex::ui
