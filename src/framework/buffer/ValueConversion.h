#pragma once

#include "framework/buffer/FieldValue.h"

#include <optional>

namespace quarvex::framework {

// A value moved into a field of another type, as the defaults levels do (a single rate into a
// double field, a list index into a choice). Nothing when it cannot be represented there
// (a count that does not fit 16 bits, a real that is not finite, a text into a number).
std::optional<FieldValue> ConvertValue(const FieldValue& value, FieldType to);

} // namespace quarvex::framework
