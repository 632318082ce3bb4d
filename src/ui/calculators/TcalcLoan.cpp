#include "ui/calculators/TcalcLoan.h"

#include <QPushButton>
#include <QShortcut>

namespace quarvex::ui {

using framework::Button;

namespace {

struct ButtonHelp {
    Button button;
    int context;
};

constexpr ButtonHelp kButtonHelp[] = {
    {Button::Calc, 118},  {Button::Copy, 27},     {Button::Print, 20},
    {Button::Help, 18},   {Button::Reset, 129},   {Button::Undo, 29},
    {Button::Close, 381}, {Button::Options, 301}, {Button::Help2, 301},
};

} // namespace

TcalcLoan::TcalcLoan(std::unique_ptr<framework::CalculatorController> controller, UiContext& ui,
                     QWidget* parent)
    : TcalcBase(std::move(controller), ui, parent) {
    SetButtonHint(Button::Print, "Print schedule [Ctrl][P]");
    SetButtonHint(Button::Options, "Switch between option page and inputs.");
    for (const auto& [button, context] : kButtonHelp) {
        SetButtonHelpContext(button, context);
    }
    auto* print = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    connect(print, &QShortcut::activated, ButtonOf(Button::Print), [this] {
        if (ButtonOf(Button::Print)->isEnabled()) {
            ButtonOf(Button::Print)->click();
        }
    });
}

} // namespace quarvex::ui
