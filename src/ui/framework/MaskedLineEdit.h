#pragma once

#include "framework/buffer/FieldValue.h"
#include "framework/masks/EntryMask.h"

#include <QLineEdit>

#include <optional>
#include <string>

namespace quarvex {
class Messages;
}

namespace quarvex::ui {

class MaskValidator;

// An entry field over a picture mask. It shows its value formatted through the picture,
// lets the user type and edit (selection, backspace, paste) but refuses any change the
// picture cannot take, and reads the text back as a typed value of the field:
//   - every change the user makes is reported by ValueEdited, with the typed value or, while
//     the text is not yet a whole value ("-", "1,23"), the last good one;
//   - text shaped like a value but not one (40000 in a count of up to 32,767, the date
//     13/45/2026) stays as typed; it is never cut to what the picture holds;
//   - leaving the field reads the text; text that is not a value of the field brings the
//     picture's message saying what is wrong, the text stays selected for correction, the
//     focus returns to the field and its value stays the last valid one;
//   - characters that belong in no value of the field are refused with a beep.
// A field without a picture is a plain text field.
class MaskedLineEdit : public QLineEdit {
    Q_OBJECT
public:
    // `conventions` are those the mask was made with.
    MaskedLineEdit(std::optional<masks::EntryMask> mask, framework::FieldType type,
                   const masks::NumberConventions& conventions, Messages& messages,
                   QWidget* parent = nullptr);
    ~MaskedLineEdit() override;

    // Shows a value; it becomes the last good value.
    void SetValue(const framework::FieldValue& value);
    // The last good value: the one shown or typed last.
    const framework::FieldValue& Value() const { return value_; }

    // Reads the text into the value and shows it formatted. On text that is not a value of
    // the field, shows the last good value again and returns the message that says what the
    // field takes (the caller shows it).
    std::optional<std::string> Commit();

    // The name of the entry its messages begin with (an entry of a grid: "Entry 5 (06/01/27)").
    void SetEntryName(const QString& name);

    // A result: read-only, reached by the mouse but skipped by Tab.
    void SetResultField(bool result);

    // A refusal's message waits for the event loop; the form is not to be used meanwhile.
    bool HasPendingMessage() const { return messagePending_; }

    const masks::EntryMask* Mask() const { return mask_ ? &*mask_ : nullptr; }
    framework::FieldType Type() const { return type_; }

signals:
    void ValueEdited(const quarvex::framework::FieldValue& value);
    // The user left the field and its text was read (after the commit of focusOutEvent).
    void Left();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::optional<framework::FieldValue> Read(const QString& text, std::string* error) const;
    QString Formatted(const framework::FieldValue& value) const;
    void OnTextEdited(const QString& text);
    void OnRefused(const QString& text);
    void ShowLater(const std::string& message);

    std::optional<masks::EntryMask> mask_;
    framework::FieldType type_;
    masks::NumberConventions conventions_;
    Messages& messages_;
    framework::FieldValue value_;
    framework::FieldValue valid_; // the value shown or read last
    QString entryName_;
    bool settingValue_ = false;
    bool messagePending_ = false;
};

} // namespace quarvex::ui
