#pragma once

#include "ui/framework/TcalcBase.h"

class QTableWidget;

namespace quarvex::ui {

// The window of the four depreciation calculators: the fields generated from the calculator's
// table and, under them, the schedule of the last calculation (Year, Depreciation, Adjusted
// Basis). A schedule that does not fit the table's height is shown in two groups of columns
// side by side, filled left to right a row at a time.
class TcalcDepreciation : public TcalcBase {
    Q_OBJECT
public:
    TcalcDepreciation(std::unique_ptr<framework::CalculatorController> controller, UiContext& ui,
                      QWidget* parent = nullptr);

    QTableWidget* ScheduleTable() const { return table_; }
    // The groups of columns the schedule takes now: 1 or 2.
    int ColumnGroups() const;

protected:
    void RefreshForm() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowSchedule();
    void FillWidth();

    QTableWidget* table_ = nullptr;
};

// Makes the four calculators' windows known by their stems.
void RegisterDepreciationWindows();

} // namespace quarvex::ui
