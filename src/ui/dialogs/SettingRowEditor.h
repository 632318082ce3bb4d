#pragma once

#include "framework/settings/GlobalSettingsTable.h"

#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace quarvex {
class Messages;
}

namespace quarvex::masks {
struct NumberConventions;
struct TMasks;
} // namespace quarvex::masks

namespace quarvex::framework {
class TbufGlobals;
}

namespace quarvex::ui {

class MaskedLineEdit;

// One row of the "Global Settings" dialog: its caption and the control its kind asks for (a
// masked entry field for numbers, a drop-down list for list rows, a text field for texts).
// The control carries the row's control name as its object name.
class SettingRowEditor {
public:
    SettingRowEditor(const framework::GlobalSettingRow& row, const masks::TMasks& masks,
                     const masks::NumberConventions& conventions, Messages& messages,
                     QWidget* page);

    const framework::GlobalSettingRow& Row() const { return row_; }
    QLabel* Label() const { return label_; }
    // The control that takes the focus and sits beside the caption.
    QWidget* Control() const;
    QLineEdit* TextField() const { return text_; } // Text rows; null otherwise

    // Shows the row's caption, list and value from the settings.
    void Show(const framework::TbufGlobals& settings);
    // Puts the control's value into the settings. A number the row cannot take keeps the
    // last good value in the control, and its message is returned.
    std::optional<std::string> Collect(framework::TbufGlobals& settings);

private:
    const framework::GlobalSettingRow& row_;
    QLabel* label_ = nullptr;
    MaskedLineEdit* number_ = nullptr;
    QComboBox* list_ = nullptr;
    QLineEdit* text_ = nullptr;
};

} // namespace quarvex::ui
