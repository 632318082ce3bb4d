#pragma once

#include "amortization/calculator/TcbAmort.h"
#include "framework/masks/NumberConventions.h"

#include <QWidget>

#include <array>

class QLabel;

namespace quarvex::ui {

// The totals under the grid: "Annual Totals:" and "Running Totals:", each with the payments,
// principal and interest of what the year tab shows.
class AmortTotalsPanel : public QWidget {
    Q_OBJECT
public:
    enum Line { Annual, Running };
    enum Amount { Payment, Principal, Interest };

    explicit AmortTotalsPanel(const masks::NumberConventions& conventions,
                              QWidget* parent = nullptr);

    // Puts each amount under its column of the grid: the captions take `captionWidth` pixels
    // from the panel's left edge, the amounts the widths of the grid's Payment, Principal
    // and Interest columns, their figures as far from the right edge as the grid's.
    void AlignUnder(int captionWidth, const std::array<int, 3>& amountWidths, int inset);

    void Show(const amortization::TcbAmort::TabView& view);
    QString Text(Line line, Amount amount) const;
    const QLabel& AmountLabel(Line line, Amount amount) const;

private:
    const masks::NumberConventions& conventions_;
    std::array<QLabel*, 2> captions_{};
    std::array<std::array<QLabel*, 3>, 2> amounts_{};
};

} // namespace quarvex::ui
