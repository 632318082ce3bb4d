#pragma once

#include "framework/masks/NumberConventions.h"

#include <string>
#include <string_view>

namespace quarvex::masks {

// A finite number rounded to a number of decimals and split into its digits: the building
// block of every number the program shows.
struct DecimalText {
    bool negative = false; // never set for a value that rounds to zero
    std::string whole;     // at least one digit, no leading zeros ("0" for zero)
    std::string fraction;  // exactly `decimals` digits
};

// The highest number of decimals shown; more are taken as this many.
inline constexpr int kMaxDecimals = 15;

// `value` rounded to `decimals` places (0 to kMaxDecimals; outside that range the nearest
// end is used) as a decimal number would be: the exact value of the double decides, and an
// exact half rounds away from zero (7.125 gives 7.13, 1.005 gives 1.00). `value` must be
// finite.
DecimalText ToDecimalText(double value, int decimals);

// `digits` with `separator` between groups of three counted from the right: "1234567" gives
// "1,234,567".
std::string GroupThousands(std::string_view digits, std::string_view separator);

// Puts the currency symbol of `conventions` beside an unsigned number, on the left or on the
// right, and writes a negative amount in the country's form ("($1,234.50)", "-1.234,50 €",
// "€ -1.234,50").
std::string AttachCurrency(std::string_view number, bool negative, bool symbolLeft,
                           const NumberConventions& conventions);

} // namespace quarvex::masks
