#pragma once

#include "framework/masks/NumberConventions.h"

#include <string>

// The number formats of copied and printed results. Each rounds to `decimals` places (0 to
// 15) as a decimal number would be rounded: the exact value of the double decides and an
// exact half goes away from zero, so 7.125 shows as 7.13 and 1.005 as 1.00. A value that
// rounds to zero never shows a minus sign. A value that is not a number or infinite shows as
// kNotANumberText, so a failed computation can never print "nan" or "inf".
namespace quarvex::masks {

inline constexpr const char* kNotANumberText = "Error";

// Money in the country's form: "$1,234.50" and "($1,234.50)" in the United States,
// "1.234,50 €" and "-1.234,50 €" in Germany.
std::string FormatMoney(double value, int decimals, const NumberConventions& conventions);

// A number with thousands separators: "1,234.50", "-1,234.50"; "1.234,50" in Germany.
std::string FormatNumber(double value, int decimals, const NumberConventions& conventions);

// A number without thousands separators: "1234.50", "-1234.50"; "1234,50" in Germany.
std::string FormatFixed(double value, int decimals, const NumberConventions& conventions);

} // namespace quarvex::masks
