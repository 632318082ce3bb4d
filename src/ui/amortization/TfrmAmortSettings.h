#pragma once

#include "amortization/AmortSettings.h"

#include <QDialog>

#include <array>

namespace quarvex {
class Help;
}

class QComboBox;

namespace quarvex::ui {

// "Loan Settings": the twelve settings of a loan, each a drop-down list of its entries. It
// opens on the calculator's settings; any choice marks it changed; OK keeps the choices,
// Cancel forgets them.
class TfrmAmortSettings : public QDialog {
    Q_OBJECT
public:
    static constexpr std::size_t kListCount = 12;

    // The lists' object names, in the dialog's order.
    static const std::array<const char*, kListCount>& ListNames();

    TfrmAmortSettings(const amortization::AmortSettings& settings, Help& help,
                      QWidget* parent = nullptr);

    // The settings the lists show.
    amortization::AmortSettings Settings() const;
    // Whether a list was changed since the dialog opened.
    bool Changed() const { return changed_; }
    // The list of the dialog's `position`-th setting (0 "Rate Basis?:" ... 11).
    QComboBox* List(std::size_t position) const { return lists_.at(position); }

private:
    amortization::AmortSettings opened_;
    std::array<QComboBox*, kListCount> lists_{};
    bool changed_ = false;
};

} // namespace quarvex::ui
