#pragma once

#include "framework/buffer/FieldSpec.h"

#include <QComboBox>

namespace quarvex::ui {

// A drop-down list over a field's list of entries; its value is the selected entry's index.
class FieldComboBox : public QComboBox {
    Q_OBJECT
public:
    FieldComboBox(framework::ListItems items, QWidget* parent = nullptr);

    // Selects an entry without reporting it as the user's choice; -1 selects nothing.
    void SetValue(framework::Choice choice);
    framework::Choice Value() const { return {static_cast<std::int32_t>(currentIndex())}; }

signals:
    // The user chose an entry.
    void ValueEdited(const quarvex::framework::FieldValue& value);
};

} // namespace quarvex::ui
