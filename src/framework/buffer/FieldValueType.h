#pragma once

#include "framework/buffer/FieldSpec.h"
#include "framework/masks/ValueType.h"

#include <optional>

namespace quarvex::framework {

// The kind of value a field's entry mask reads and writes; a list field has none.
std::optional<masks::ValueType> EntryValueTypeOf(FieldType type);

} // namespace quarvex::framework
