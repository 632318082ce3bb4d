#pragma once

#include "framework/masks/NumberConventions.h"
#include "platform/Exception.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace quarvex::report {

// One argument of Format: a text, a whole number or a real number.
using FormatArg = std::variant<std::string, std::int64_t, double>;

// printf-style formatting of copied and printed rows, with two conversions of our own:
//   %s  text            %d  whole number          %f  fixed point (2 decimals unless given)
//   %m  money in the country's form, e.g. "$1,234.50" and "($1,234.50)"
//   %n  number with thousands separators, e.g. "1,234.50"
// Each takes an optional '-' (left-justify), a width and a precision ("%-24s", "%16.2m",
// "%0.0n"); "%%" is a percent sign. Reals are rounded to the decimal shown, halves away
// from zero. An argument of the wrong kind, or a missing one, raises EFormatError.
std::string Format(std::string_view pattern, std::span<const FormatArg> args,
                   const masks::NumberConventions& conventions);

inline std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args,
                          const masks::NumberConventions& conventions) {
    return Format(pattern, std::span<const FormatArg>(args.begin(), args.size()), conventions);
}

class EFormatError : public Exception {
public:
    using Exception::Exception;
};

} // namespace quarvex::report
