#pragma once

#include "amortization/TAmortSchedule.h"
#include "framework/masks/NumberConventions.h"

#include <QAbstractTableModel>

#include <cstddef>

namespace quarvex::ui {

// The rows of an amortization schedule as the grid shows them: "#/YR" (the row's label with
// ‡ after a rate change and † after an extra payment), "Date", "Payment", "Principal",
// "Interest", "Balance". It reads the schedule's rows where they are, one range at a time
// (every row, or one fiscal year's), so a schedule of any length shows at once: the view asks
// only for the cells it paints.
class AmortScheduleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Label, Date, Payment, Principal, Interest, Balance, ColumnCount };

    AmortScheduleModel(const amortization::TAmortSchedule& schedule,
                       const masks::NumberConventions& conventions, QObject* parent = nullptr);

    // Shows rows `first` to `end` - 1 of the schedule (clipped to the rows there are).
    void ShowRows(std::size_t first, std::size_t end);
    // Shows no row (the schedule is gone).
    void Clear() { ShowRows(0, 0); }
    std::size_t FirstRow() const { return first_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The text of a cell, as the grid shows it.
    QString CellText(const amortization::TTransRec& row, int column) const;
    // The label of a row: its payment number and year, then its marks.
    static QString RowLabel(const amortization::TTransRec& row);

private:
    const amortization::TAmortSchedule& schedule_;
    const masks::NumberConventions& conventions_;
    std::size_t first_ = 0;
    std::size_t end_ = 0;
};

} // namespace quarvex::ui
