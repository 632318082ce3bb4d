#include "ui/framework/FieldEditor.h"

#include "ui/framework/FieldEntry.h"
#include "ui/framework/HelpContext.h"

namespace quarvex::ui {

using framework::FieldType;

EditorSpec EditorSpec::Of(const framework::FieldSpec& field) {
    return {field.type, field.designMask,  field.maskKind,
            field.list, field.helpContext, field.IsResult()};
}

EditorSpec EditorSpec::Of(const framework::LocalDefaultSpec& localDefault) {
    return {localDefault.type, localDefault.designMask,  localDefault.maskKind,
            localDefault.list, localDefault.helpContext, false};
}

std::string PictureFor(const EditorSpec& spec, const masks::TMasks& masks) {
    return masks.MaskFor(spec.maskKind, spec.designMask);
}

FieldEditor::FieldEditor(const EditorSpec& spec, UiContext& ui, QWidget* parent) {
    QWidget* widget = nullptr;
    if (spec.type == FieldType::Choice) {
        combo_ = new FieldComboBox(spec.list, parent);
        widget = combo_;
    } else {
        const std::string picture = PictureFor(spec, ui.masks);
        std::optional<masks::EntryMask> mask;
        if (!(spec.type == FieldType::Text && picture.empty())) {
            mask.emplace(picture, EntryTypeOf(spec.type), ui.buffers.conventions);
        }
        edit_ = new MaskedLineEdit(std::move(mask), spec.type, ui.buffers.conventions,
                                   ui.buffers.messages, parent);
        edit_->SetResultField(spec.result);
        widget = edit_;
    }
    SetHelpContext(widget, spec.helpContext);
}

QWidget* FieldEditor::Widget() const {
    return edit_ != nullptr ? static_cast<QWidget*>(edit_) : combo_;
}

void FieldEditor::SetValue(const framework::FieldValue& value) {
    if (edit_ != nullptr) {
        edit_->SetValue(value);
    } else if (const auto* choice = std::get_if<framework::Choice>(&value)) {
        combo_->SetValue(*choice);
    }
}

framework::FieldValue FieldEditor::Value() const {
    if (edit_ != nullptr) {
        return edit_->Value();
    }
    return combo_->Value();
}

std::optional<std::string> FieldEditor::Commit() {
    return edit_ != nullptr ? edit_->Commit() : std::nullopt;
}

} // namespace quarvex::ui
