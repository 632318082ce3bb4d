#pragma once

#include "framework/buffer/FieldSpec.h"

#include <optional>
#include <string>
#include <string_view>

namespace quarvex::framework {

class RegIni;

// Writes a field's value under `name` in the store's current key: reals as 8-byte reals
// (singles widened), counts, list indexes and dates as 32-bit integers, texts as texts.
void WriteFieldValue(RegIni& store, std::string_view name, const FieldValue& value);

// A field's value as read from the store, and why a stored value was left aside.
struct StoredField {
    FieldValue value;
    // Set when a value was stored but cannot stand in the field: "99999 is not a whole number
    // from -32768 to 32767". The value is then the current one.
    std::optional<std::string> ignored;
};

// Reads a field's value stored under `name`, or keeps `current` when the value is absent,
// of another kind, or does not fit the field (a list index outside its list, a count beyond
// 16 bits, a real that is not finite, a date outside the calendar); the last two say why.
StoredField ReadStoredField(const RegIni& store, std::string_view name, FieldType type,
                            ListItems list, const FieldValue& current);

// ReadStoredField's value alone.
FieldValue ReadFieldValue(const RegIni& store, std::string_view name, FieldType type,
                          ListItems list, const FieldValue& current);

// What a field of `type` takes, as the messages about refused values say it: "a whole number
// from -32768 to 32767".
std::string WhatTheFieldTakes(FieldType type, ListItems list);

// Whether a value may stand in a field: of its type, finite, within its list or the calendar.
bool FitsField(const FieldValue& value, FieldType type, ListItems list);

} // namespace quarvex::framework
