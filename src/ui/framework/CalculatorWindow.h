#pragma once

#include "framework/buffer/CalculatorController.h"
#include "ui/platform/UiContext.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string_view>

namespace quarvex::ui {

// A calculator's window: fixed size, the calculator and options panels stacked, the buttons
// of every calculator. It draws what its controller says and forwards the user's actions to
// it; it computes, stores and formats nothing itself.
class CalculatorWindow : public QDialog {
    Q_OBJECT
public:
    CalculatorWindow(std::unique_ptr<framework::CalculatorController> controller, UiContext& ui,
                     QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    framework::CalculatorController& Controller() { return *controller_; }

signals:
    // The window ran its close handling (last entries, position stored, slot freed); it
    // deletes itself afterwards.
    void Closed(quarvex::ui::CalculatorWindow* window);

protected:
    std::unique_ptr<framework::CalculatorController> controller_;
    UiContext& ui_;
};

// Makes the window of a calculator: the special window registered for its stem, or the
// window generated from its field table.
using WindowMaker = std::function<CalculatorWindow*(
    std::unique_ptr<framework::CalculatorController> controller, UiContext& ui)>;
void RegisterWindowMaker(std::string_view stem, WindowMaker maker);
CalculatorWindow* MakeCalculatorWindow(std::string_view stem,
                                       std::unique_ptr<framework::CalculatorController> controller,
                                       UiContext& ui);

} // namespace quarvex::ui
