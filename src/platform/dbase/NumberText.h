#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// The text of number fields. A double is written as the shortest decimal text that reads back
// to exactly the same double (so 0.1 is "0.1", never 0.1000000000000000055...): in plain
// notation, padded with zeros to the field's decimals when there is room, or in exponent
// notation ("1e-300") when plain notation does not fit the width. A field with no decimals
// takes only whole numbers. Every reader that converts the text with the usual decimal rules
// gets the very same double back.
namespace quarvex::dbase {

enum class NumberFit {
    Fits,
    NotFinite, // NaN or an infinity
    NotWhole,  // a fraction for a field without decimals
    TooWide,   // no exact text fits the width
};

// Writes the right-aligned text of `value` into `out` (exactly `width` characters, 1 to 24).
// On anything but Fits, `out` is left as it was.
NumberFit FormatNumber(double value, std::size_t width, std::size_t decimals, char* out);

enum class NumberParse { Empty, Value, Invalid };

struct ParsedNumber {
    NumberParse status = NumberParse::Empty;
    double value = 0.0;
};

// Reads the text of a number field: blanks give Empty; surrounding blanks, a leading + and a
// decimal comma are accepted; anything else that is not a finite number gives Invalid.
ParsedNumber ParseNumber(std::string_view field);

} // namespace quarvex::dbase
