#pragma once

#include "framework/buffer/FieldSpec.h"

#include <string_view>

namespace quarvex::framework {

class RegIni;

// Writes a field's value under `name` in the store's current key: reals as 8-byte reals
// (singles widened), counts, list indexes and dates as 32-bit integers, texts as texts.
void WriteFieldValue(RegIni& store, std::string_view name, const FieldValue& value);

// Reads a field's value stored under `name`, or returns `current` when the value is absent,
// of another kind, or does not fit the field (a list index outside its list, a count beyond
// 16 bits, a real that is not finite, a date outside the calendar).
FieldValue ReadFieldValue(const RegIni& store, std::string_view name, FieldType type,
                          ListItems list, const FieldValue& current);

// Whether a value may stand in a field: of its type, finite, within its list or the calendar.
bool FitsField(const FieldValue& value, FieldType type, ListItems list);

} // namespace quarvex::framework
