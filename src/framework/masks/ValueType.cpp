#include "framework/masks/ValueType.h"

#include <cstdint>
#include <limits>

namespace quarvex::masks {

namespace {

template <class T> constexpr NumberRange Limits() {
    return {static_cast<double>(std::numeric_limits<T>::lowest()),
            static_cast<double>(std::numeric_limits<T>::max())};
}

} // namespace

bool IsNumeric(ValueType type) {
    switch (type) {
    case ValueType::Double:
    case ValueType::Single:
    case ValueType::Extended:
    case ValueType::Int16:
    case ValueType::Int32:
    case ValueType::UInt16:
    case ValueType::Byte:
        return true;
    case ValueType::Date:
    case ValueType::YesNo:
    case ValueType::Text:
        break;
    }
    return false;
}

bool IsWholeNumber(ValueType type) {
    switch (type) {
    case ValueType::Int16:
    case ValueType::Int32:
    case ValueType::UInt16:
    case ValueType::Byte:
        return true;
    default:
        return false;
    }
}

NumberRange RangeOf(ValueType type) {
    switch (type) {
    case ValueType::Double:
    case ValueType::Extended:
        return Limits<double>();
    case ValueType::Single:
        return Limits<float>();
    case ValueType::Int16:
        return Limits<std::int16_t>();
    case ValueType::Int32:
        return Limits<std::int32_t>();
    case ValueType::UInt16:
        return Limits<std::uint16_t>();
    case ValueType::Byte:
        return Limits<std::uint8_t>();
    case ValueType::Date:
    case ValueType::YesNo:
    case ValueType::Text:
        break;
    }
    return {0, 0};
}

} // namespace quarvex::masks
