#pragma once

#include "framework/masks/MaskErrors.h"

#include <string>
#include <string_view>

namespace quarvex::masks {

// The yes/no picture "Y": a field that shows "Y" or "N".
inline constexpr std::string_view kYesNoPicture = "Y";

std::string FormatYesNo(bool value);

// "Y" or "N" in either case; blank text is no. Anything else: "Enter Y or N."
Parsed<bool> ParseYesNo(std::string_view text);

// Blank, "Y" or "N" in either case.
bool AcceptsPartialYesNo(std::string_view text);

// A text picture of digit positions "9" and fixed characters, such as the telephone picture
// "999-999-9999". The field's value is its text as shown, fixed characters included.
class TextPicture {
public:
    // Throws EBadPicture for a picture without a digit position.
    explicit TextPicture(std::string_view picture);

    const std::string& Text() const { return picture_; }
    int DigitPositions() const { return digits_; }

    // The digits of `value` in the picture's positions; a value that does not read as one
    // (say, stored by hand) is shown as it is.
    std::string Format(std::string_view value) const;

    // The digits typed, with or without the fixed characters, blanks and parentheses around
    // them, placed into the digit positions from the left: "5551234567" and "(555) 123-4567"
    // both give "555-123-4567". The text ends after the last digit typed, so a partly filled
    // field gives "555-123"; blank text is an empty value. Refused: other characters, more
    // digits than the picture holds.
    Parsed<std::string> Parse(std::string_view text) const;

    // Whether `text` is, or can still become, a value of this picture.
    bool AcceptsPartial(std::string_view text) const;

private:
    std::string picture_;
    int digits_ = 0;
};

} // namespace quarvex::masks
