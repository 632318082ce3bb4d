#pragma once

#include "ui/framework/TcalcBase.h"

namespace quarvex::ui {

// The Loan calculator's window: the window generated from the loan's field table, with the
// loan's own hints on Print and Options, its help contexts on the buttons, and Ctrl+P for
// Print as its hint promises.
class TcalcLoan : public TcalcBase {
    Q_OBJECT
public:
    TcalcLoan(std::unique_ptr<framework::CalculatorController> controller, UiContext& ui,
              QWidget* parent = nullptr);
};

} // namespace quarvex::ui
