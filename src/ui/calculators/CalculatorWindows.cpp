#include "ui/calculators/CalculatorWindows.h"

#include "ui/calculators/TcalcLoan.h"

namespace quarvex::ui {

namespace {

template <class Window> void Register(std::string_view stem) {
    RegisterWindowMaker(
        stem, [](std::unique_ptr<framework::CalculatorController> controller, UiContext& ui) {
            return static_cast<CalculatorWindow*>(new Window(std::move(controller), ui));
        });
}

} // namespace

void RegisterCalculatorWindows() {
    Register<TcalcLoan>("loan");
}

} // namespace quarvex::ui
