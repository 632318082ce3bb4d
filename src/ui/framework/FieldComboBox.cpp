#include "ui/framework/FieldComboBox.h"

#include "ui/platform/QtText.h"

#include <QSignalBlocker>

namespace quarvex::ui {

FieldComboBox::FieldComboBox(framework::ListItems items, QWidget* parent) : QComboBox(parent) {
    for (const std::string_view item : items) {
        addItem(ToQString(item));
    }
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        emit ValueEdited(framework::FieldValue(framework::Choice{index}));
    });
}

void FieldComboBox::SetValue(framework::Choice choice) {
    const QSignalBlocker quiet(this);
    setCurrentIndex(choice.index >= 0 && choice.index < count() ? choice.index : -1);
}

} // namespace quarvex::ui
