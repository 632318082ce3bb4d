#include "cli/FieldInput.h"

#include "framework/buffer/FieldStorage.h"
#include "framework/buffer/ValueConversion.h"
#include "framework/dates/DateText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace quarvex::cli {

namespace {

using framework::FieldType;
using framework::FieldValue;

bool SameText(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::optional<double> ParseNumber(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

FieldInput ParseChoice(const framework::FieldSpec& field, std::string_view text) {
    for (std::size_t i = 0; i < field.list.size(); ++i) {
        if (SameText(field.list[i], text)) {
            return FieldValue(framework::Choice{static_cast<std::int32_t>(i)});
        }
    }
    const auto index = ParseNumber(text);
    if (index && std::trunc(*index) == *index && *index >= 0 &&
        *index < static_cast<double>(field.list.size())) {
        return FieldValue(framework::Choice{static_cast<std::int32_t>(*index)});
    }
    std::string items;
    for (std::size_t i = 0; i < field.list.size(); ++i) {
        items +=
            (i == 0 ? "" : ", ") + std::to_string(i) + " \"" + std::string(field.list[i]) + "\"";
    }
    return std::string("'") + std::string(text) + "' is not an entry of " +
           std::string(field.Name()) + ": " + items;
}

} // namespace

FieldInput ParseFieldInput(const framework::FieldSpec& field, std::string_view text) {
    switch (field.type) {
    case FieldType::Choice:
        return ParseChoice(field, text);
    case FieldType::Date: {
        const auto day = dates::ParseIsoDate(text);
        if (day == dates::kNoDate) {
            return std::string(field.Name()) + " takes a date as YYYY-MM-DD, not '" +
                   std::string(text) + "'";
        }
        return FieldValue(framework::Date{day});
    }
    case FieldType::Text:
        return FieldValue(std::string(text));
    default:
        break;
    }
    const auto number = ParseNumber(text);
    const auto value =
        number ? framework::ConvertValue(FieldValue(*number), field.type) : std::nullopt;
    if (!value) {
        return std::string(field.Name()) + " takes " +
               framework::WhatTheFieldTakes(field.type, field.list) + ", not '" +
               std::string(text) + "'";
    }
    return *value;
}

std::string DescribeValue(const framework::FieldSpec& field, const FieldValue& value) {
    return std::visit(
        [&field](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, framework::Choice>) {
                return framework::FitsField(FieldValue(v), FieldType::Choice, field.list)
                           ? std::string(field.list[v.index])
                           : std::to_string(v.index);
            } else if constexpr (std::is_same_v<T, framework::Date>) {
                return v.day == dates::kNoDate ? std::string("none") : dates::FormatIsoDate(v.day);
            } else if constexpr (std::is_same_v<T, std::string>) {
                return v;
            } else {
                char text[64];
                const auto result = std::to_chars(text, text + sizeof text, v);
                return std::string(text, result.ptr);
            }
        },
        value);
}

std::string_view TypeName(FieldType type) {
    switch (type) {
    case FieldType::Double:
        return "double";
    case FieldType::Single:
        return "single";
    case FieldType::Extended:
        return "extended";
    case FieldType::Int16:
        return "int16";
    case FieldType::Int32:
        return "int32";
    case FieldType::Choice:
        return "list";
    case FieldType::Date:
        return "date";
    case FieldType::Text:
        break;
    }
    return "text";
}

} // namespace quarvex::cli
