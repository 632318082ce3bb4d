#include "ui/framework/FieldEntry.h"

#include "framework/buffer/FieldValueType.h"
#include "framework/buffer/ValueConversion.h"
#include "framework/dates/Calendar.h"

#include <stdexcept>

namespace quarvex::ui {

using framework::FieldType;
using framework::FieldValue;

masks::ValueType EntryTypeOf(FieldType type) {
    if (const auto entry = framework::EntryValueTypeOf(type)) {
        return *entry;
    }
    throw std::invalid_argument("A list field has no entry mask.");
}

masks::EntryValue ToEntryValue(const FieldValue& value) {
    if (const auto* date = std::get_if<framework::Date>(&value)) {
        if (!dates::IsValidDayNumber(date->day)) {
            return std::optional<masks::DateParts>();
        }
        const dates::CalendarDate parts = dates::DayNumberToDMY(date->day);
        return std::optional<masks::DateParts>(
            masks::DateParts{parts.day, parts.month, parts.year});
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    return framework::AsDouble(value);
}

std::optional<FieldValue> ToFieldValue(const masks::EntryValue& value, FieldType type) {
    if (const auto* number = std::get_if<double>(&value)) {
        return framework::ConvertValue(FieldValue(*number), type);
    }
    if (const auto* date = std::get_if<std::optional<masks::DateParts>>(&value)) {
        if (type != FieldType::Date) {
            return std::nullopt;
        }
        if (!*date) {
            return FieldValue(framework::Date{dates::kNoDate});
        }
        return FieldValue(
            framework::Date{dates::DMYToDayNumber((*date)->day, (*date)->month, (*date)->year)});
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        if (type != FieldType::Text) {
            return std::nullopt;
        }
        return FieldValue(*text);
    }
    return std::nullopt;
}

} // namespace quarvex::ui
