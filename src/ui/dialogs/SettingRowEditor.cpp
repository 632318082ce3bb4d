#include "ui/dialogs/SettingRowEditor.h"

#include "framework/masks/TMasks.h"
#include "framework/settings/TbufGlobals.h"
#include "ui/framework/FieldEntry.h"
#include "ui/framework/MaskedLineEdit.h"
#include "ui/platform/QtText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <stdexcept>

namespace quarvex::ui {

using framework::FieldType;
using framework::FieldValue;
using framework::SettingKind;
using framework::SettingValue;

namespace {

FieldType FieldTypeOf(SettingKind kind) {
    switch (kind) {
    case SettingKind::Single:
        return FieldType::Single;
    case SettingKind::Double:
        return FieldType::Double;
    case SettingKind::SmallInteger:
        return FieldType::Int16;
    case SettingKind::Integer:
        return FieldType::Int32;
    case SettingKind::ListIndex:
    case SettingKind::Text:
        break;
    }
    throw std::invalid_argument("not a number row");
}

// The money rows take the country's money picture; the others keep their own.
std::string PictureOf(const framework::GlobalSettingRow& row, const masks::TMasks& masks) {
    if (row.mask == framework::kDefaultMoneyMask) {
        return masks.MaskFor(masks::MaskKind::Money, row.mask);
    }
    return std::string(row.mask);
}

FieldValue ToFieldValue(const SettingValue& value) {
    return std::visit([](const auto& v) { return FieldValue(v); }, value);
}

SettingValue ToSettingValue(const FieldValue& value) {
    if (const auto* v = std::get_if<float>(&value)) {
        return *v;
    }
    if (const auto* v = std::get_if<double>(&value)) {
        return *v;
    }
    if (const auto* v = std::get_if<std::int16_t>(&value)) {
        return *v;
    }
    if (const auto* v = std::get_if<std::int32_t>(&value)) {
        return *v;
    }
    throw std::invalid_argument("not a number of a setting");
}

} // namespace

SettingRowEditor::SettingRowEditor(const framework::GlobalSettingRow& row,
                                   const masks::TMasks& masks,
                                   const masks::NumberConventions& conventions, Messages& messages,
                                   QWidget* page)
    : row_(row) {
    label_ = new QLabel(page);
    QWidget* control = nullptr;
    switch (row.kind) {
    case SettingKind::ListIndex:
        list_ = new QComboBox(page);
        control = list_;
        break;
    case SettingKind::Text:
        text_ = new QLineEdit(page);
        text_->setMaxLength(static_cast<int>(row.maxLength));
        control = text_;
        break;
    default: {
        const FieldType type = FieldTypeOf(row.kind);
        number_ = new MaskedLineEdit(
            masks::EntryMask(PictureOf(row, masks), EntryTypeOf(type), conventions), type,
            conventions, messages, page);
        control = number_;
        break;
    }
    }
    control->setObjectName(ToQString(row.control));
    label_->setObjectName(QStringLiteral("l") + ToQString(row.control).mid(3));
    label_->setBuddy(control);
}

QWidget* SettingRowEditor::Control() const {
    if (number_ != nullptr) {
        return number_;
    }
    if (list_ != nullptr) {
        return list_;
    }
    return text_;
}

void SettingRowEditor::Show(const framework::TbufGlobals& settings) {
    label_->setText(ToQString(settings.Prompt(row_.id)));
    if (list_ != nullptr) {
        list_->clear();
        for (const std::string& item : settings.List(row_.id)) {
            list_->addItem(ToQString(item));
        }
        list_->setCurrentIndex(settings.Integer(row_.id));
    } else if (text_ != nullptr) {
        text_->setText(ToQString(settings.Text(row_.id)));
        text_->setCursorPosition(0);
    } else {
        number_->SetValue(ToFieldValue(settings.Value(row_.id)));
    }
}

std::optional<std::string> SettingRowEditor::Collect(framework::TbufGlobals& settings) {
    if (list_ != nullptr) {
        // A list always has a selection once shown; keep the stored one otherwise.
        if (list_->currentIndex() >= 0) {
            settings.SetValue(row_.id, std::int32_t{list_->currentIndex()});
        }
        return std::nullopt;
    }
    if (text_ != nullptr) {
        settings.SetValue(row_.id, ToStdString(text_->text()));
        return std::nullopt;
    }
    auto error = number_->Commit();
    settings.SetValue(row_.id, ToSettingValue(number_->Value()));
    return error;
}

} // namespace quarvex::ui
