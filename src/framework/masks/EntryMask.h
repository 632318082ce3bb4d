#pragma once

#include "framework/masks/DatePicture.h"
#include "framework/masks/MaskErrors.h"
#include "framework/masks/NumberConventions.h"
#include "framework/masks/NumericPicture.h"
#include "framework/masks/TextPicture.h"
#include "framework/masks/ValueType.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace quarvex::masks {

// The value of an entry field by its type: numbers as double, a date as its parts or none,
// yes/no as bool, a picture text as its text.
using EntryValue = std::variant<double, std::optional<DateParts>, bool, std::string>;

// One entry field's picture and value type, with the country's conventions: what a masked
// line edit asks on every keystroke (AcceptsPartial), when it shows a value (Format) and when
// the user leaves the field (Parse).
class EntryMask {
public:
    // Throws EBadPicture when the picture does not suit the type: numbers need a number
    // picture (whole numbers one without decimals), dates a date picture, yes/no "Y", text a
    // picture of digit positions. `epoch` is the start of the two-digit-year window.
    EntryMask(std::string_view picture, ValueType type, NumberConventions conventions,
              int epoch = kDefaultEpoch);

    ValueType Type() const { return type_; }
    const std::string& Picture() const { return picture_; }

    // The text the field shows. Throws std::invalid_argument for a value of another type.
    std::string Format(const EntryValue& value) const;

    // The value of the text, or the message that says what the field takes.
    Parsed<EntryValue> Parse(std::string_view text) const;

    // What a user who typed `text` is told when Parse refuses it: what is wrong with it (a
    // number malformed or out of range) and what the field takes. Empty for a value.
    std::string Refusal(std::string_view text) const;

    // Whether `text` is, or can still become, a value of the field.
    bool AcceptsPartial(std::string_view text) const;

    // Whether the field keeps `text` as the user typed it: it can still become a value, or it
    // is made of what a number or a date is made of (a number too large, a month 13), so that
    // Parse says what is wrong with it instead of the field silently dropping a keystroke and
    // holding a value the user never typed.
    bool KeepsAsTyped(std::string_view text) const;

private:
    // How much longer than the picture typed text may be (a sign, parentheses, a blank).
    static constexpr std::size_t kTypingAllowance = 4;

    std::string picture_;
    ValueType type_;
    NumberConventions conventions_;
    std::variant<std::monostate, NumericPicture, DatePicture, TextPicture> engine_;
};

// The keystroke check without keeping an EntryMask; throws EBadPicture as its constructor.
bool AcceptsPartial(std::string_view text, std::string_view picture, ValueType type,
                    const NumberConventions& conventions);

} // namespace quarvex::masks
