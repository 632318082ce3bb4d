#include "ui/calculators/TcalcLoan.h"

#include "ui/calculators/CommonButtons.h"

namespace quarvex::ui {

using framework::Button;

TcalcLoan::TcalcLoan(std::unique_ptr<framework::CalculatorController> controller, UiContext& ui,
                     QWidget* parent)
    : TcalcBase(std::move(controller), ui, parent) {
    SetButtonHint(Button::Print, "Print schedule [Ctrl][P]");
    SetButtonHint(Button::Options, "Switch between option page and inputs.");
    for (const auto& [button, context] : kCalculatorButtonHelp) {
        SetButtonHelpContext(button, context);
    }
    AddPrintShortcut(*this);
}

} // namespace quarvex::ui
