#include "ui/framework/MaskedLineEdit.h"

#include "framework/masks/TypedNumber.h"
#include "platform/Messages.h"
#include "ui/framework/FieldEntry.h"
#include "ui/framework/MaskValidator.h"
#include "ui/platform/MessageOwner.h"
#include "ui/platform/QtText.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTimer>

namespace quarvex::ui {

MaskedLineEdit::MaskedLineEdit(std::optional<masks::EntryMask> mask, framework::FieldType type,
                               const masks::NumberConventions& conventions, Messages& messages,
                               QWidget* parent)
    : QLineEdit(parent), mask_(std::move(mask)), type_(type), conventions_(conventions),
      messages_(messages), value_(framework::ZeroValue(type)) {
    if (mask_) {
        setValidator(new MaskValidator(
            *mask_, [this](const QString& text) { OnRefused(text); }, this));
        if (masks::IsNumeric(mask_->Type())) {
            setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    connect(this, &QLineEdit::textEdited, this, &MaskedLineEdit::OnTextEdited);
    SetValue(value_);
}

MaskedLineEdit::~MaskedLineEdit() = default;

QString MaskedLineEdit::Formatted(const framework::FieldValue& value) const {
    if (!mask_) {
        const auto* text = std::get_if<std::string>(&value);
        return text ? ToQString(*text) : QString();
    }
    return ToQString(mask_->Format(ToEntryValue(value)));
}

void MaskedLineEdit::SetValue(const framework::FieldValue& value) {
    value_ = value;
    valid_ = value;
    // A value set by the program is shown as it is, even one wider than the picture; the
    // keystroke check must not take it for the user's typing.
    settingValue_ = true;
    setText(Formatted(value));
    settingValue_ = false;
    setCursorPosition(0);
}

std::optional<framework::FieldValue> MaskedLineEdit::Read(const QString& text,
                                                          std::string* error) const {
    const std::string typed = ToStdString(text);
    if (!mask_) {
        return framework::FieldValue(typed);
    }
    const auto parsed = mask_->Parse(typed);
    if (!parsed.Ok()) {
        if (error != nullptr) {
            *error = mask_->Refusal(typed);
        }
        return std::nullopt;
    }
    auto value = ToFieldValue(*parsed.value, type_);
    if (!value && error != nullptr) {
        *error = "The value does not fit this field.";
    }
    return value;
}

std::optional<std::string> MaskedLineEdit::Commit() {
    std::string error;
    const auto value = Read(text(), &error);
    if (!value) {
        // The text stays as typed, selected for correction; the value is the last valid one,
        // never what a part of the typing happened to make.
        selectAll();
        if (!(value_ == valid_)) {
            value_ = valid_;
            emit ValueEdited(value_);
        }
        return entryName_.isEmpty() ? error : ToStdString(entryName_) + ": " + error;
    }
    SetValue(*value);
    return std::nullopt;
}

void MaskedLineEdit::SetEntryName(const QString& name) {
    entryName_ = name;
}

void MaskedLineEdit::SetResultField(bool result) {
    setReadOnly(result);
    setFocusPolicy(result ? Qt::ClickFocus : Qt::StrongFocus);
    // A result reads as the program's, not as a box to type in: the window's colour behind
    // it, as the platform shows read-only text.
    QPalette shown = QApplication::palette(this);
    if (result) {
        shown.setColor(QPalette::Base, shown.color(QPalette::Window));
    }
    setPalette(shown);
}

void MaskedLineEdit::OnTextEdited(const QString& text) {
    if (const auto value = Read(text, nullptr)) {
        value_ = *value;
    } else if (mask_ && !mask_->AcceptsPartial(ToStdString(text))) {
        // Text that can no longer become a value (a month 13, a tenth digit of an amount)
        // leaves the last valid value in force until it is put right.
        value_ = valid_;
    }
    emit ValueEdited(value_);
}

void MaskedLineEdit::OnRefused(const QString&) {
    // Only characters that belong in no number or date are refused as they are typed (what
    // is wrong with a number or a date is said when the field is left).
    if (!settingValue_ && !isReadOnly()) {
        QApplication::beep();
    }
}

void MaskedLineEdit::ShowLater(const std::string& message) {
    // Refusals come in the middle of the line edit's key handling; the message box waits
    // until that is over. One message at a time.
    if (messagePending_) {
        return;
    }
    messagePending_ = true;
    QTimer::singleShot(0, this, [this, message] {
        messagePending_ = false;
        {
            const MessageOwner owner(this);
            messages_.Show(message, MessageIcon::Error, MessageButtons::Ok);
        }
        // Back to the field at fault, its text selected for correction.
        if (isVisible() && isEnabled()) {
            window()->activateWindow();
            setFocus(Qt::OtherFocusReason);
            selectAll();
        }
    });
}

void MaskedLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Leaving for another window or a menu is not leaving the field.
    if (isReadOnly() || event->reason() == Qt::ActiveWindowFocusReason ||
        event->reason() == Qt::PopupFocusReason) {
        return;
    }
    if (const auto error = Commit()) {
        ShowLater(*error);
    }
    emit Left();
}

} // namespace quarvex::ui
