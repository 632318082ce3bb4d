#pragma once

#include "amortization/calculator/TcbAmort.h"

#include <QWidget>

class QBarCategoryAxis;
class QBarSet;
class QChartView;
class QLineSeries;
class QPushButton;
class QValueAxis;

namespace quarvex::ui {

// The "Schedule Chart" window of one amortization window: the balance after each row of the
// year tab shown (every row under "All"), and the principal against the interest paid in each
// fiscal year. It draws the calculated schedule and its year totals as they stand and keeps
// no figure of its own, so the owner redraws it whenever the schedule or the tab changes.
class AmortChartWindow : public QWidget {
    Q_OBJECT
public:
    explicit AmortChartWindow(const amortization::TcbAmort& amort, QWidget* parent = nullptr);

    // Draws the schedule with the rows of year tab `tab` (0 "All") in the balance chart.
    void ShowTab(int tab);
    // No schedule: both charts empty.
    void Clear();
    // Both charts as one picture on the clipboard.
    void CopyToClipboard();

    QLineSeries* Balance() const { return balance_; }
    QBarSet* PrincipalBars() const { return principal_; }
    QBarSet* InterestBars() const { return interest_; }
    QChartView* BalanceView() const { return balanceView_; }
    QChartView* YearsView() const { return yearsView_; }
    QPushButton* CopyButton() const { return copy_; }

private:
    void BuildBalanceChart();
    void BuildYearsChart();
    void DrawBalance(const amortization::TcbAmort::TabView& view);
    void DrawYears();

    const amortization::TcbAmort& amort_;
    QWidget* charts_ = nullptr;
    QChartView* balanceView_ = nullptr;
    QChartView* yearsView_ = nullptr;
    QLineSeries* balance_ = nullptr;
    QBarSet* principal_ = nullptr;
    QBarSet* interest_ = nullptr;
    QValueAxis* payments_ = nullptr;
    QValueAxis* balanceAmounts_ = nullptr;
    QBarCategoryAxis* years_ = nullptr;
    QValueAxis* yearAmounts_ = nullptr;
    QPushButton* copy_ = nullptr;
};

} // namespace quarvex::ui
