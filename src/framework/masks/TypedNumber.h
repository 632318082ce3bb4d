#pragma once

#include "framework/masks/NumberConventions.h"

#include <optional>
#include <string>
#include <string_view>

namespace quarvex::masks {

// A number as a user typed it, taken apart: its sign and its digits.
struct TypedNumber {
    bool negative = false; // a minus sign or parentheses around the number
    std::string whole;     // the digits before the decimal separator, separators removed
    std::string fraction;  // the digits after it
    bool hasPoint = false; // whether the decimal separator was typed

    bool HasDigits() const { return !whole.empty() || !fraction.empty(); }
};

// Reads typed text in the country's form. Accepted around the digits: blanks, a leading
// minus or plus sign, parentheses for a negative amount, the currency symbol on either side
// (once). Thousands separators are optional, but where they are typed they must stand between
// groups of three digits, so that in Germany "1234.50" is refused rather than read as 123450.
// When the separator is a blank, the no-break spaces count as one too.
//
// With `partial`, the text only has to be the beginning of such a number: "(", "-", "$",
// "1,23" and "12," are accepted while the user is still typing. Without it, the text must be
// complete and hold at least one digit. nullopt when the text does not qualify.
std::optional<TypedNumber> ReadTypedNumber(std::string_view text,
                                           const NumberConventions& conventions, bool partial);

// `text` without blanks (including the no-break spaces) at either end.
std::string_view TrimBlanks(std::string_view text);

} // namespace quarvex::masks
