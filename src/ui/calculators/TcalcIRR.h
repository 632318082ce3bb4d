#pragma once

#include "ui/calculators/TcalcCashFlows.h"

namespace quarvex::ui {

// The internal rate of return calculator's window (not the engine's IRR solver of the same
// name): the count, the start date and the payment period, and a grid of the cash flows dated
// "mm/dd/yy".
class TcalcIRR : public TcalcCashFlows {
    Q_OBJECT
public:
    using TcalcCashFlows::TcalcCashFlows;
};

} // namespace quarvex::ui
