#include "framework/buffer/FieldValue.h"

namespace quarvex::framework {

FieldValue ZeroValue(FieldType type) {
    switch (type) {
    case FieldType::Double:
        return 0.0;
    case FieldType::Single:
        return 0.0f;
    case FieldType::Extended:
        return 0.0L;
    case FieldType::Int16:
        return std::int16_t{0};
    case FieldType::Int32:
        return std::int32_t{0};
    case FieldType::Choice:
        return Choice{};
    case FieldType::Date:
        return Date{};
    case FieldType::Text:
        break;
    }
    return std::string();
}

bool HoldsType(const FieldValue& value, FieldType type) {
    return value.index() == ZeroValue(type).index();
}

double AsDouble(const FieldValue& value) {
    return std::visit(
        [](const auto& v) -> double {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, Choice>) {
                return v.index;
            } else if constexpr (std::is_same_v<T, Date>) {
                return v.day;
            } else if constexpr (std::is_same_v<T, std::string>) {
                return 0.0;
            } else {
                return static_cast<double>(v);
            }
        },
        value);
}

} // namespace quarvex::framework
