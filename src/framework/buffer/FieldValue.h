#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace quarvex::framework {

// The selected entry of a drop-down list: its 0-based index, which is what every record,
// engine call and stored value carries. -1 means nothing is selected.
struct Choice {
    std::int32_t index = 0;
    friend bool operator==(const Choice&, const Choice&) = default;
};

// A calendar date as a day number (0 = 1 January 1600, -1 = no date).
struct Date {
    std::int32_t day = -1;
    friend bool operator==(const Date&, const Date&) = default;
};

// The value types of a calculator's fields, in the precision the calculator keeps them:
// money and most reals are doubles, rates singles, counts 16-bit integers.
enum class FieldType : std::uint8_t {
    Double,
    Single,
    Extended,
    Int16,
    Int32,
    Choice,
    Date,
    Text,
};

// One field's value; the alternative always matches the field's FieldType.
using FieldValue =
    std::variant<double, float, long double, std::int16_t, std::int32_t, Choice, Date, std::string>;

// The empty value of a type: 0, the first list entry, no date, an empty text.
FieldValue ZeroValue(FieldType type);

// Whether `value` holds the alternative of `type`.
bool HoldsType(const FieldValue& value, FieldType type);

// Numeric fields as a double (choices give their index, dates their day number); 0 for text.
double AsDouble(const FieldValue& value);

} // namespace quarvex::framework
