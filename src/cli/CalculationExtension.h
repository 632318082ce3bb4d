#pragma once

#include "framework/buffer/CalcBuffer.h"

#include <ostream>

namespace quarvex::cli {

// A command built on a run of a calculator (the schedule database's --save and --load): it may
// bring the buffer to its results in place of Calc, and may print in place of the calculator's
// output.
class CalculationExtension {
public:
    virtual ~CalculationExtension() = default;
    // Runs instead of Calc; false to let Calc run.
    virtual bool Calculate(framework::CalcBuffer& buffer) = 0;
    // Runs after the calculation; false to let the calculator's output be printed.
    virtual bool Print(framework::CalcBuffer& buffer, std::ostream& out) = 0;
};

} // namespace quarvex::cli
