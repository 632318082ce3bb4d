#pragma once

namespace quarvex::ui {

// Registers the windows of the calculators under their stems: TcalcLoan ("loan"), the
// single-formula windows ("payreq", "preval", "intrate", "equrate", "interest", "secmor",
// "accpmt", "ballpmt", "affhse", "eoq") and the cash-flow windows TcalcNetPV ("netpv") and
// TcalcIRR ("irr"). The program calls it once at start-up, before it opens a calculator;
// MakeCalculatorWindow then makes them.
void RegisterCalculatorWindows();

} // namespace quarvex::ui
