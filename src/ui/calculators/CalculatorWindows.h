#pragma once

#include <string_view>

namespace quarvex::ui {

// Registers the windows of the calculators under their stems: TcalcLoan ("loan"), the
// single-formula windows ("payreq", "preval", "intrate", "equrate", "interest", "secmor",
// "accpmt", "ballpmt", "affhse", "eoq") and the cash-flow windows TcalcNetPV ("netpv") and
// TcalcIRR ("irr"). The program calls it once at start-up, before it opens a calculator;
// MakeCalculatorWindow then makes them.
void RegisterCalculatorWindows();

// Whether the desktop program has a window for the calculator: its own, registered, or the
// generated one when the calculator can do with it. A calculator without one is shown as not
// available yet.
bool HasCalculatorWindow(std::string_view stem);

} // namespace quarvex::ui
