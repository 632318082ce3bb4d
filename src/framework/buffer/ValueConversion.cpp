#include "framework/buffer/ValueConversion.h"

#include <cmath>
#include <limits>
#include <string>

namespace quarvex::framework {

namespace {

template <class Integer> std::optional<FieldValue> WholeNumber(double number) {
    if (!std::isfinite(number) || std::trunc(number) != number ||
        number < std::numeric_limits<Integer>::min() ||
        number > std::numeric_limits<Integer>::max()) {
        return std::nullopt;
    }
    return FieldValue(static_cast<Integer>(number));
}

} // namespace

std::optional<FieldValue> ConvertValue(const FieldValue& value, FieldType to) {
    if (HoldsType(value, to)) {
        return value;
    }
    if (std::holds_alternative<std::string>(value) || to == FieldType::Text) {
        return std::nullopt;
    }
    const double number = AsDouble(value);
    if (!std::isfinite(number)) {
        return std::nullopt;
    }
    switch (to) {
    case FieldType::Double:
        return FieldValue(number);
    case FieldType::Single:
        if (std::fabs(number) > std::numeric_limits<float>::max()) {
            return std::nullopt;
        }
        return FieldValue(static_cast<float>(number));
    case FieldType::Extended:
        return FieldValue(static_cast<long double>(number));
    case FieldType::Int16:
        return WholeNumber<std::int16_t>(number);
    case FieldType::Int32:
        return WholeNumber<std::int32_t>(number);
    case FieldType::Choice:
        if (const auto index = WholeNumber<std::int32_t>(number)) {
            return FieldValue(Choice{std::get<std::int32_t>(*index)});
        }
        return std::nullopt;
    case FieldType::Date:
        if (const auto day = WholeNumber<std::int32_t>(number)) {
            return FieldValue(Date{std::get<std::int32_t>(*day)});
        }
        return std::nullopt;
    case FieldType::Text:
        break;
    }
    return std::nullopt;
}

} // namespace quarvex::framework
