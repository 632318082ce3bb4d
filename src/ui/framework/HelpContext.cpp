#include "ui/framework/HelpContext.h"

#include <QVariant>
#include <QWidget>

namespace quarvex::ui {

namespace {
constexpr char kProperty[] = "quarvexHelpContext";
}

void SetHelpContext(QWidget* widget, int context) {
    widget->setProperty(kProperty, context);
}

int HelpContextOf(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        const int context = widget->property(kProperty).toInt();
        if (context != 0) {
            return context;
        }
        if (widget->isWindow()) {
            break;
        }
    }
    return 0;
}

} // namespace quarvex::ui
