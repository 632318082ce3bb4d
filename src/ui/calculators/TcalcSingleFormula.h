#pragma once

#include "ui/framework/TcalcBase.h"

namespace quarvex::ui {

// The window of a calculator that answers one question with one formula: the window
// generated from its field table (with its note, the weekdays beside their dates, the order
// or share line under the results) and the help of the common buttons.
class TcalcSingleFormula : public TcalcBase {
    Q_OBJECT
public:
    TcalcSingleFormula(std::unique_ptr<framework::CalculatorController> controller, UiContext& ui,
                       QWidget* parent = nullptr);
};

// The windows by their calculators' names; each is the generated window of its table.
using TcalcPayReq = TcalcSingleFormula;
using TcalcPreVal = TcalcSingleFormula;
using TcalcIntRate = TcalcSingleFormula;
using TcalcEquivalentRate = TcalcSingleFormula;
using TcalcInterest = TcalcSingleFormula;
using TcalcSecMor = TcalcSingleFormula;
using TcalcAccPmt = TcalcSingleFormula;
using TcalcBallPmt = TcalcSingleFormula;
using TcalcAffHse = TcalcSingleFormula;
using TcalcEOQ = TcalcSingleFormula;
using TcalcRemBal = TcalcSingleFormula;

} // namespace quarvex::ui
