#pragma once

#include "framework/buffer/FieldSpec.h"

#include <string>
#include <string_view>
#include <variant>

namespace quarvex::cli {

// A value typed on the command line for a field, or the reason it cannot be used.
using FieldInput = std::variant<framework::FieldValue, std::string>;

// Reads VALUE for a field: a plain number in C notation that fits the field's type, a list
// entry by its text (any case) or its 0-based index, a date as YYYY-MM-DD, or any text.
FieldInput ParseFieldInput(const framework::FieldSpec& field, std::string_view text);

// A field's value as the --fields listing and the error messages show it.
std::string DescribeValue(const framework::FieldSpec& field, const framework::FieldValue& value);

// The name of a field type in the --fields listing.
std::string_view TypeName(framework::FieldType type);

} // namespace quarvex::cli
