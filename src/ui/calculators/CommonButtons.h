#pragma once

#include "framework/buffer/CalculatorController.h"

namespace quarvex::ui {

class CalculatorWindow;

// The help page F1 opens on a button of a calculator window.
struct ButtonHelp {
    framework::Button button;
    int context;
};

// The help of the buttons every calculator window has, and of Save and Load.
inline constexpr ButtonHelp kCalculatorButtonHelp[] = {
    {framework::Button::Calc, 118},  {framework::Button::Copy, 27},
    {framework::Button::Print, 20},  {framework::Button::Help, 18},
    {framework::Button::Reset, 129}, {framework::Button::Undo, 29},
    {framework::Button::Close, 381}, {framework::Button::Options, 301},
    {framework::Button::Help2, 301},
};
inline constexpr ButtonHelp kSaveLoadButtonHelp[] = {
    {framework::Button::Save, 388},
    {framework::Button::Load, 358},
};

// Ctrl+P clicks Print while Print is enabled, for windows whose Print hint promises it.
void AddPrintShortcut(CalculatorWindow& window);

} // namespace quarvex::ui
