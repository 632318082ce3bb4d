#pragma once

class QWidget;

namespace quarvex::ui {

// The help context of a control: F1 opens its help page. 0 means none.
void SetHelpContext(QWidget* widget, int context);
// The context of a control or, when it has none, of the nearest parent that has one.
int HelpContextOf(const QWidget* widget);

} // namespace quarvex::ui
