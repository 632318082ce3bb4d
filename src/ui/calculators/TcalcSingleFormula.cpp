#include "ui/calculators/TcalcSingleFormula.h"

#include "ui/calculators/CommonButtons.h"

namespace quarvex::ui {

TcalcSingleFormula::TcalcSingleFormula(std::unique_ptr<framework::CalculatorController> controller,
                                       UiContext& ui, QWidget* parent)
    : TcalcBase(std::move(controller), ui, parent) {
    for (const auto& [button, context] : kCalculatorButtonHelp) {
        SetButtonHelpContext(button, context);
    }
}

} // namespace quarvex::ui
