#include "ui/calculators/CommonButtons.h"

#include "ui/framework/CalculatorWindow.h"

#include <QPushButton>
#include <QShortcut>

namespace quarvex::ui {

void AddPrintShortcut(CalculatorWindow& window) {
    QPushButton* print = window.ButtonOf(framework::Button::Print);
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), &window);
    QObject::connect(shortcut, &QShortcut::activated, print, [print] {
        if (print->isEnabled()) {
            print->click();
        }
    });
}

} // namespace quarvex::ui
