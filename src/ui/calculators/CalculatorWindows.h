#pragma once

namespace quarvex::ui {

// Registers the special windows of the calculators that have one (the Loan calculator's
// TcalcLoan for stem "loan"). The program calls it once at start-up, before it opens a
// calculator; MakeCalculatorWindow then makes them.
void RegisterCalculatorWindows();

} // namespace quarvex::ui
