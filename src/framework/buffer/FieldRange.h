#pragma once

#include "framework/buffer/FieldSpec.h"

#include <optional>
#include <string>

namespace quarvex::framework {

// The values a numeric field can show, as its window's entry mask allows them: the design
// mask's digit positions within the field type's own range ("$###,###,###.##" holds up to
// 999,999,999.99). Values from elsewhere (the command line) are held to the same range, so a
// figure no window could show or take never reaches a calculation.
// Nothing when the value fits, or the field has no numeric mask; otherwise the mask's own
// message: "Enter a number from -$999,999,999.99 to $999,999,999.99."
std::optional<std::string> OutsideFieldRange(const FieldSpec& field, const FieldValue& value);

} // namespace quarvex::framework
