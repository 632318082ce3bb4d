#include "cli/JsonFields.h"

#include "cli/Json.h"
#include "framework/dates/DateText.h"

namespace quarvex::cli {

namespace {

std::string JsonValue(const framework::FieldSpec& field, const framework::FieldValue& value) {
    return std::visit(
        [&field](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, framework::Choice>) {
                const bool listed =
                    v.index >= 0 && static_cast<std::size_t>(v.index) < field.list.size();
                return "{\"index\": " + std::to_string(v.index) + ", \"text\": " +
                       JsonString(listed ? field.list[v.index] : std::string_view()) + "}";
            } else if constexpr (std::is_same_v<T, framework::Date>) {
                return v.day == dates::kNoDate ? "null" : JsonString(dates::FormatIsoDate(v.day));
            } else if constexpr (std::is_same_v<T, std::string>) {
                return JsonString(v);
            } else if constexpr (std::is_integral_v<T>) {
                return JsonNumber(static_cast<long long>(v));
            } else {
                return JsonNumber(v);
            }
        },
        value);
}

std::string JsonOutput(const framework::OutputValue& output) {
    return std::visit(
        [](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return "null";
            } else if constexpr (std::is_same_v<T, bool>) {
                return v ? "true" : "false";
            } else if constexpr (std::is_same_v<T, std::int64_t>) {
                return JsonNumber(static_cast<long long>(v));
            } else if constexpr (std::is_same_v<T, std::string>) {
                return JsonString(v);
            } else if constexpr (std::is_same_v<T, framework::OutputValue::List>) {
                std::string json = "[";
                for (std::size_t i = 0; i < v.size(); ++i) {
                    json += (i == 0 ? "" : ", ") + JsonOutput(v[i]);
                }
                return json + "]";
            } else if constexpr (std::is_same_v<T, framework::OutputValue::Members>) {
                std::string json = "{";
                for (std::size_t i = 0; i < v.size(); ++i) {
                    json += (i == 0 ? "" : ", ") + JsonString(v[i].name) + ": " +
                            JsonOutput(v[i].value);
                }
                return json + "}";
            } else {
                return JsonNumber(v);
            }
        },
        output.value);
}

} // namespace

std::string JsonFields(const framework::CalcBuffer& buffer) {
    const framework::DataRecord& data = buffer.Data();
    std::string json = "{\"calculator\": " + JsonString(buffer.Spec().stem) + ", \"fields\": {";
    for (std::size_t i = 0; i < data.Size(); ++i) {
        json += (i == 0 ? "" : ", ") + JsonString(data.Spec(i).Name()) + ": " +
                JsonValue(data.Spec(i), data.Value(i));
    }
    json += "}";
    if (!data.Series().empty()) {
        json += ", \"flows\": [";
        for (std::size_t i = 0; i < data.Series().size(); ++i) {
            const auto& entry = data.Series()[i];
            json += std::string(i == 0 ? "" : ", ") + "{\"date\": " +
                    (entry.date == dates::kNoDate ? std::string("null")
                                                  : JsonString(dates::FormatIsoDate(entry.date))) +
                    ", \"amount\": " + JsonNumber(entry.amount) + "}";
        }
        json += "]";
    }
    for (const framework::OutputMember& member : buffer.JsonMembers()) {
        json += ", " + JsonString(member.name) + ": " + JsonOutput(member.value);
    }
    return json + "}\n";
}

} // namespace quarvex::cli
