#include "framework/buffer/FieldStorage.h"

#include "framework/buffer/ValueConversion.h"
#include "framework/dates/Calendar.h"
#include "framework/store/RegIni.h"

#include <charconv>
#include <cmath>

namespace quarvex::framework {

namespace {

std::string StoredText(const RegValue& stored) {
    return std::visit(
        [](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::string>) {
                return "the text \"" + v + "\"";
            } else if constexpr (std::is_same_v<T, bool>) {
                return v ? "true" : "false";
            } else {
                char text[64];
                const auto result = std::to_chars(text, text + sizeof text, v);
                return std::string(text, result.ptr);
            }
        },
        stored);
}

} // namespace

std::string WhatTheFieldTakes(FieldType type, ListItems list) {
    switch (type) {
    case FieldType::Int16:
        return "a whole number from -32768 to 32767";
    case FieldType::Int32:
        return "a whole number from -2147483648 to 2147483647";
    case FieldType::Single:
        return "a number within the range of a single-precision real";
    case FieldType::Double:
    case FieldType::Extended:
        return "a finite number";
    case FieldType::Choice:
        return "an index of its list, from 0 to " + std::to_string(list.size()) + " less one";
    case FieldType::Date:
        return "a day of the calendar";
    case FieldType::Text:
        break;
    }
    return "a text";
}

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

StoredField ReadStoredField(const RegIni& store, std::string_view name, FieldType type,
                            ListItems list, const FieldValue& current) {
    const auto stored = store.ReadValue(name);
    if (!stored) {
        return {current, std::nullopt};
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
        return {current, StoredText(*stored) + " is not " + WhatTheFieldTakes(type, list)};
    }
    return {*value, std::nullopt};
}

FieldValue ReadFieldValue(const RegIni& store, std::string_view name, FieldType type,
                          ListItems list, const FieldValue& current) {
    return ReadStoredField(store, name, type, list, current).value;
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
