#pragma once

#include "framework/masks/MaskErrors.h"
#include "framework/masks/NumberConventions.h"
#include "framework/masks/ValueType.h"

#include <string>
#include <string_view>
#include <vector>

namespace quarvex::masks {

// A picture of a numeric entry field, such as "$###,###,###.##", "##.####" or "ii,iii":
//   #       a digit position; a picture with one allows negative values
//   9, i    digit positions
//   ,  .    the thousands and decimal separators, shown with the country's characters
//   $       the currency symbol where the country puts it (before or after the number)
//   c / C   the currency symbol left / right of the number
// Currency letters stand before or after the digits; a run of them only marks the side, and
// the whole symbol is shown whatever the run's length.
//
// The digit positions are the field's capacity: "##.####" holds -99.9999 to 99.9999. The
// sign takes no digit position. Shown values never hide digits: a result too wide for its
// picture is shown in full (parsing it back then reports the range), and a value that is not
// a number shows as "Error".
class NumericPicture {
public:
    enum class CurrencyPlace { None, Left, Right, Local };

    // Throws EBadPicture for a picture of other characters, without a digit position, with
    // two decimal separators or with currency letters of more than one kind.
    explicit NumericPicture(std::string_view picture);

    const std::string& Text() const { return picture_; }
    int WholeDigits() const { return wholeDigits_; }
    int Decimals() const { return decimals_; }
    bool AllowsSign() const { return allowsSign_; }
    CurrencyPlace Currency() const { return currency_; }

    // Throws EBadPicture when the picture cannot carry values of `type`: a type that is not
    // numeric, or a whole-number type with decimal positions.
    void CheckSuits(ValueType type) const;

    // The value rounded to the picture's decimals (halves away from zero) and written in the
    // country's form: 1234.5 through "$###,###,###.##" is "$1,234.50" in the United States
    // and, through "#,###,###.##CCC", "1.234,50 €" in Germany.
    std::string Format(double value, const NumberConventions& conventions) const;

    // The value of typed text (see ReadTypedNumber for what is accepted), or the message
    // telling what the field takes. Blank text is 0. Refused: text that is not a number,
    // more digits than the picture holds, more decimals than it shows (trailing zeros
    // aside), a negative value where the picture or type has no sign, a value outside the
    // type's range.
    Parsed<double> Parse(std::string_view text, ValueType type,
                         const NumberConventions& conventions) const;

    // What the user is told when Parse refuses `text`: what is wrong with it, quoting it, then
    // what the field takes ("\"40000\" is out of range. Enter a whole number from 0 to
    // 32,767.", "\"-15,7\" is not a number. ..."); empty when it is a value of the field.
    std::string Refusal(std::string_view text, ValueType type,
                        const NumberConventions& conventions) const;

    // Whether `text` is, or can still become, a value the field takes: the check of every
    // keystroke. "-" is accepted where negatives are, "40000" is not in a 16-bit field.
    bool AcceptsPartial(std::string_view text, ValueType type,
                        const NumberConventions& conventions) const;

    // "Enter a whole number from -32768 to 32767." / "Enter a number from -99.9999 to
    // 99.9999.": the range of `type` through this picture.
    std::string RangeMessage(ValueType type, const NumberConventions& conventions) const;

private:
    enum class Fault { None, NotANumber, NotWhole, TooManyDecimals, OutOfRange };
    struct Reading {
        Fault fault;
        double value;
    };
    Reading Read(std::string_view text, ValueType type, const NumberConventions& conventions) const;
    std::string DecimalsMessage() const;
    std::string Grouped(std::string_view wholeDigits, const NumberConventions& conventions) const;
    std::string Unsigned(std::string_view wholeDigits, std::string_view fraction,
                         const NumberConventions& conventions) const;
    std::string Bound(double typeBound, ValueType type, const NumberConventions& conventions) const;
    bool AllowsNegative(ValueType type) const;

    std::string picture_;
    int wholeDigits_ = 0;
    int decimals_ = 0;
    bool allowsSign_ = false;
    CurrencyPlace currency_ = CurrencyPlace::None;
    std::vector<bool> separatorLeftOf_; // by whole digit, counted from the right from 0
};

} // namespace quarvex::masks
