#pragma once

#include "ui/calculators/TcalcCashFlows.h"

namespace quarvex::ui {

// The net present value calculator's window: the discount rate, the count, the start date and
// the payment period, and a grid of the cash flows dated with the year in four digits.
class TcalcNetPV : public TcalcCashFlows {
    Q_OBJECT
public:
    using TcalcCashFlows::TcalcCashFlows;
};

} // namespace quarvex::ui
