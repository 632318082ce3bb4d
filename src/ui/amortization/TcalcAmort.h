#pragma once

#include "amortization/calculator/TcbAmort.h"
#include "ui/amortization/AmortValueDialog.h"
#include "ui/framework/TcalcBase.h"

#include <QString>

#include <array>
#include <map>
#include <string>

class QAction;
class QMenu;
class QMenuBar;
class QTabBar;
class QTableView;

namespace quarvex::framework {
struct TAccountDetails;
}

namespace quarvex::ui {

class AmortChartWindow;
class AmortScheduleModel;
class AmortStatusBar;
class AmortTotalsPanel;
class TfrmAprInfo;

// The "Amortization Schedule" window: the ten fields of a loan, and once it is calculated its
// whole schedule in a grid, one tab per fiscal year (and "All"), the year's and the running
// totals, and the status bar's rate basis, acceleration, last payment and legend of the
// grid's marks. Menus hold the loan's settings, the balloon period, the one-time fees, the
// initial interest-only periods, the three switches and the month the fiscal year ends.
//
// Results are shown or hidden as a whole: hidden, the grid, tabs and totals are gone and only
// Calc acts; shown, Calc waits for a change while Recalc, Print, Copy and the year buttons
// act. Any change of a field or of the loan settings, and Reset, hide them and clear the
// schedule.
class TcalcAmort : public TcalcBase {
    Q_OBJECT
public:
    enum class YearMove { First, Prior, Next, Last };

    TcalcAmort(std::unique_ptr<framework::CalculatorController> controller, UiContext& ui,
               QWidget* parent = nullptr);
    ~TcalcAmort() override;

    const amortization::TcbAmort& Amort() const;

    // Calc and Recalc as the button, the menu and F9 / Ctrl+F9 do them.
    void CalcSchedule();
    void RecalcSchedule();
    bool ResultsShown() const { return resultsShown_; }

    // The year tabs: 0 "All", then one per fiscal year.
    QTabBar* Years() const { return years_; }
    void MoveYear(YearMove move);
    // Ctrl+PgUp (-1) and Ctrl+PgDn (+1): one tab back or on, wrapping around.
    void StepYear(int step);

    QTableView* Grid() const { return grid_; }
    AmortScheduleModel* GridModel() const { return model_; }
    AmortTotalsPanel* Totals() const { return totals_; }
    AmortStatusBar* Status() const { return status_; }
    QMenuBar* Menus() const { return menus_; }
    // A menu item by its object name ("actRecalc", "actYearEnding6"); null when none.
    QAction* Item(const std::string& name) const;
    QPushButton* RecalcButton() const { return recalc_; }
    QPushButton* YearButton(YearMove move) const;

    // "Loan Settings...": the dialog on the current settings; closed changed, its settings
    // become the loan's and the results go.
    void OpenLoanSettings();
    // The single-value dialogs of the menu.
    void AskBalloonPeriod();
    void AskOneTimeFees();
    void AskInterestOnlyPeriods();

    // "APR Detail": the 26 figures of the calculated loan's annual percentage rate.
    void ShowAprDetail();
    // "&APR Disclosure": the disclosure information, then the printed statement.
    void ShowAprDisclosure();

    // "&Schedule Chart": the window's chart of the schedule shown, opened or brought up.
    void ShowScheduleChart();
    // The chart once opened (it stays with the window, closed or not); null before.
    AmortChartWindow* Chart() const { return chart_; }

protected:
    void RefreshForm() override;
    void AfterFieldEdited(std::size_t field) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    amortization::TcbAmort& MutableAmort();
    void BuildResultsPart();
    void BuildMenus();
    QMenu* BuildLoanMenu();
    QMenu* BuildYearEndingMenu(QMenu* parent);
    QAction* AddItem(QMenu* menu, const QString& text, const std::string& name);
    void AddLaterItem(QMenu* menu, const QString& text, const std::string& name);
    void BuildShortcuts();
    // F1 on a menu item with a help page: the page opens.
    bool HelpOnMenuItem(QObject* watched, QEvent* event);
    void WatchFieldFocus();

    void ShowResults();
    void HideResults();
    // The inputs changed: the schedule goes, the results hide, the marker turns red.
    void DropResults();
    void ApplyEnabling();
    void YieldKeysToMenus();
    void ShowStatus();
    void RebuildTabs(int selected);
    void ShowTab(int tab);
    void SelectTab(int tab);
    void SetYearEnding(int month);
    void SetState(const amortization::AmortCalcState& state);
    void ShowStateInMenus();
    bool AskValue(const AmortValueDialog::Question& question, framework::FieldValue& value);

    // The borrower and creditor of the disclosure statement, asked for once per window and
    // kept while it is open.
    std::unique_ptr<framework::TAccountDetails> disclosureAccount_;
    TfrmAprInfo* disclosureInfo_ = nullptr;
    AmortChartWindow* chart_ = nullptr;
    QMenuBar* menus_ = nullptr;
    QTabBar* years_ = nullptr;
    QTableView* grid_ = nullptr;
    AmortScheduleModel* model_ = nullptr;
    AmortTotalsPanel* totals_ = nullptr;
    AmortStatusBar* status_ = nullptr;
    QWidget* results_ = nullptr;
    QPushButton* recalc_ = nullptr;
    std::array<QPushButton*, 4> yearButtons_{};
    std::map<std::string, QAction*> items_;
    bool resultsShown_ = false;
};

// Registers the window for the calculator "amort".
void RegisterAmortizationWindows();

} // namespace quarvex::ui
