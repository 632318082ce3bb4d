#include "ui/framework/TcalcBaseVI1.h"

#include <QStackedWidget>

namespace quarvex::ui {

TcalcBaseVI1::TcalcBaseVI1(std::unique_ptr<framework::CalculatorController> controller,
                           UiContext& ui, const EditorSpec& entry, QWidget* parent)
    : TcalcBase(std::move(controller), ui, parent) {
    grid_ = new EntryGrid(entry, ui_, Pages()->widget(0));
    AddBelowFields(grid_);
    AddSaveLoadButtons();
}

} // namespace quarvex::ui
