#pragma once

#include "ui/framework/EntryGrid.h"
#include "ui/framework/TcalcBase.h"

namespace quarvex::ui {

// The window of a calculator with a variable number of inputs: the fields generated from its
// table and, under them, a scroll box whose entries the calculator generates (EntryGrid of
// entries of kind `entry`); Save and Load below.
class TcalcBaseVI1 : public TcalcBase {
    Q_OBJECT
public:
    TcalcBaseVI1(std::unique_ptr<framework::CalculatorController> controller, UiContext& ui,
                 const EditorSpec& entry, QWidget* parent = nullptr);

    EntryGrid* Grid() const { return grid_; }

private:
    EntryGrid* grid_ = nullptr;
};

} // namespace quarvex::ui
