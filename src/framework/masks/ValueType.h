#pragma once

#include <cstdint>

namespace quarvex::masks {

// The value an entry field holds. Numbers travel as double: every value of the whole-number
// types is exact in one, and the widest picture of an extended field (14 significant digits)
// fits a double's precision, so an extended field's range is that of a double here.
enum class ValueType : std::uint8_t {
    Double,
    Single,
    Extended,
    Int16,
    Int32,
    UInt16,
    Byte,
    Date,  // a day, month and year (DateParts), or no date
    YesNo, // the "Y" picture: true or false
    Text,  // a picture of digit positions and fixed characters, such as "999-999-9999"
};

// The lowest and highest value of a numeric type.
struct NumberRange {
    double lowest;
    double highest;
};

bool IsNumeric(ValueType type);
bool IsWholeNumber(ValueType type);

// The range of a numeric type; {0, 0} for the others.
NumberRange RangeOf(ValueType type);

} // namespace quarvex::masks
