#pragma once

namespace quarvex::amortization {
class TcbAmort;
}

namespace quarvex::ui {

struct UiContext;
class TfrmAprInfo;

// The calculator's "&APR Disclosure": derives the APR of the calculated loan (an error is shown
// and nothing else happens when it cannot be found), asks for the disclosure information and,
// when the dialog ends with OK, prints the statement through the report system (setup and
// preview first).
void PrintAprDisclosure(UiContext& ui, amortization::TcbAmort& amort, TfrmAprInfo& dialog);

} // namespace quarvex::ui
