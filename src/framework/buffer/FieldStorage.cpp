#include "framework/buffer/FieldStorage.h"

#include "framework/buffer/ValueConversion.h"
#include "framework/dates/Calendar.h"
#include "framework/store/RegIni.h"

#include <cmath>

namespace quarvex::framework {

void WriteFieldValue(RegIni& store, std::string_view name, const FieldValue& value) {
    std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, double>) {
                store.WriteReal(name, v);
            } else if constexpr (std::is_same_v<T, float>) {
                store.WriteFloat(name, v);
            } else if constexpr (std::is_same_v<T, long double>) {
                store.WriteReal(name, static_cast<double>(v));
            } else if constexpr (std::is_same_v<T, std::int16_t>) {
                store.WriteInt16(name, v);
            } else if constexpr (std::is_same_v<T, std::int32_t>) {
                store.WriteInteger(name, v);
            } else if constexpr (std::is_same_v<T, Choice>) {
                store.WriteInteger(name, v.index);
            } else if constexpr (std::is_same_v<T, Date>) {
                store.WriteInteger(name, v.day);
            } else {
                store.WriteText(name, v);
            }
        },
        value);
}

FieldValue ReadFieldValue(const RegIni& store, std::string_view name, FieldType type,
                          ListItems list, const FieldValue& current) {
    const auto stored = store.ReadValue(name);
    if (!stored) {
        return current;
    }
    std::optional<FieldValue> value;
    if (const auto* text = std::get_if<std::string>(&*stored)) {
        if (type == FieldType::Text) {
            value = FieldValue(*text);
        }
    } else if (const auto* real = std::get_if<double>(&*stored)) {
        if (type == FieldType::Double || type == FieldType::Single || type == FieldType::Extended) {
            value = ConvertValue(FieldValue(*real), type);
        }
    } else if (const auto* integer = std::get_if<std::int32_t>(&*stored)) {
        if (type != FieldType::Text) {
            value = ConvertValue(FieldValue(*integer), type);
        }
    }
    if (!value || !FitsField(*value, type, list)) {
        return current;
    }
    return *value;
}

bool FitsField(const FieldValue& value, FieldType type, ListItems list) {
    if (!HoldsType(value, type)) {
        return false;
    }
    if (const auto* choice = std::get_if<Choice>(&value)) {
        return choice->index >= 0 && static_cast<std::size_t>(choice->index) < list.size();
    }
    if (const auto* date = std::get_if<Date>(&value)) {
        return date->day == dates::kNoDate || dates::IsValidDayNumber(date->day);
    }
    if (std::holds_alternative<std::string>(value)) {
        return true;
    }
    return std::isfinite(AsDouble(value));
}

} // namespace quarvex::framework
