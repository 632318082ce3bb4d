#pragma once

#include "framework/buffer/FieldSpec.h"
#include "framework/buffer/OptionsRecord.h"
#include "ui/framework/FieldComboBox.h"
#include "ui/framework/MaskedLineEdit.h"
#include "ui/platform/UiContext.h"

#include <optional>
#include <string>

namespace quarvex::ui {

// What the form needs to know to edit a value: a field of the data record or a local
// default of the options page.
struct EditorSpec {
    framework::FieldType type = framework::FieldType::Double;
    std::string_view designMask;
    masks::MaskKind maskKind = masks::MaskKind::None;
    framework::ListItems list;
    int helpContext = 0;
    bool result = false;

    static EditorSpec Of(const framework::FieldSpec& field);
    static EditorSpec Of(const framework::LocalDefaultSpec& localDefault);
};

// The control of one value: a drop-down list for a list field, otherwise a masked entry
// field with the field's design mask, or the country's mask of its kind when the country's
// masks replace the design masks.
class FieldEditor {
public:
    FieldEditor(const EditorSpec& spec, UiContext& ui, QWidget* parent);

    QWidget* Widget() const;
    MaskedLineEdit* LineEdit() const { return edit_; }
    FieldComboBox* ComboBox() const { return combo_; }

    void SetValue(const framework::FieldValue& value);
    // The value shown: the last good value of an entry field, the selected entry of a list.
    framework::FieldValue Value() const;
    // See MaskedLineEdit::Commit; a list has nothing to read.
    std::optional<std::string> Commit();

    // Calls `handler(value)` on every change the user makes.
    template <class Handler> void OnEdited(QObject* context, Handler handler) {
        if (edit_ != nullptr) {
            QObject::connect(edit_, &MaskedLineEdit::ValueEdited, context, handler);
        } else {
            QObject::connect(combo_, &FieldComboBox::ValueEdited, context, handler);
        }
    }

private:
    MaskedLineEdit* edit_ = nullptr;
    FieldComboBox* combo_ = nullptr;
};

// The picture a field shows with the run's masks.
std::string PictureFor(const EditorSpec& spec, const masks::TMasks& masks);

} // namespace quarvex::ui
