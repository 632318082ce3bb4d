#pragma once

#include "framework/buffer/FieldValue.h"
#include "framework/masks/EntryMask.h"

#include <optional>

namespace quarvex::ui {

// How a field of a calculator's record travels through an entry mask: its mask value type,
// and its value both ways. Choices have no entry mask (they are drop-down lists).
masks::ValueType EntryTypeOf(framework::FieldType type);
masks::EntryValue ToEntryValue(const framework::FieldValue& value);
// Nothing when the entry value does not fit the field (a number beyond its type).
std::optional<framework::FieldValue> ToFieldValue(const masks::EntryValue& value,
                                                  framework::FieldType type);

} // namespace quarvex::ui
