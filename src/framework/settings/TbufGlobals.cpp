#include "framework/settings/TbufGlobals.h"

#include "framework/settings/SettingsKeys.h"
#include "framework/settings/TextLimits.h"
#include "framework/store/RegIni.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace quarvex::framework {

namespace {

std::size_t IndexOf(GlobalSetting setting) {
    const auto index = static_cast<std::size_t>(setting);
    if (index >= kGlobalSettingCount) {
        throw std::invalid_argument("no such global setting");
    }
    return index;
}

SettingValue ZeroOf(SettingKind kind) {
    switch (kind) {
    case SettingKind::Single:
        return 0.0f;
    case SettingKind::Double:
        return 0.0;
    case SettingKind::SmallInteger:
        return std::int16_t{0};
    case SettingKind::Integer:
    case SettingKind::ListIndex:
        return std::int32_t{0};
    case SettingKind::Text:
        return std::string();
    }
    return std::int32_t{0};
}

SettingValue PublisherValueOf(const GlobalSettingRow& row) {
    switch (row.kind) {
    case SettingKind::Single:
        return static_cast<float>(row.publisherValue);
    case SettingKind::Double:
        return row.publisherValue;
    case SettingKind::SmallInteger:
        return static_cast<std::int16_t>(row.publisherValue);
    case SettingKind::Integer:
    case SettingKind::ListIndex:
        return static_cast<std::int32_t>(row.publisherValue);
    case SettingKind::Text:
        return std::string();
    }
    return ZeroOf(row.kind);
}

bool IsListCode(const GlobalSettingRow& row, std::int32_t code) {
    return DisplayLists::Standard().IsCode(row.list, code);
}

std::string_view KindName(SettingKind kind) {
    constexpr std::array<std::string_view, 6> kNames = {"single",  "double",     "16-bit integer",
                                                        "integer", "list index", "text"};
    return kNames[static_cast<std::size_t>(kind)];
}

[[noreturn]] void Refuse(const GlobalSettingRow& row, const std::string& why) {
    throw std::invalid_argument("global setting \"" + std::string(row.prompt) + "\" (" +
                                std::string(KindName(row.kind)) + "): " + why);
}

// The value read for a row, or the current one when the stored value does not fit the row.
SettingValue ReadRow(const RegIni& store, const GlobalSettingRow& row, const SettingValue& current,
                     std::string_view textDefault) {
    switch (row.kind) {
    case SettingKind::Single: {
        const float value = store.ReadFloat(row.valueName, std::get<float>(current));
        return std::isfinite(value) ? SettingValue(value) : current;
    }
    case SettingKind::Double: {
        const double value = store.ReadReal(row.valueName, std::get<double>(current));
        return std::isfinite(value) ? SettingValue(value) : current;
    }
    case SettingKind::SmallInteger:
        return store.ReadInt16(row.valueName, std::get<std::int16_t>(current));
    case SettingKind::Integer:
        return store.ReadInteger(row.valueName, std::get<std::int32_t>(current));
    case SettingKind::ListIndex: {
        const std::int32_t code = store.ReadInteger(row.valueName, std::get<std::int32_t>(current));
        return IsListCode(row, code) ? SettingValue(code) : current;
    }
    case SettingKind::Text:
        return CutToCharacters(store.ReadText(row.valueName, textDefault), row.maxLength);
    }
    return current;
}

void WriteRow(RegIni& store, const GlobalSettingRow& row, const SettingValue& value) {
    switch (row.kind) {
    case SettingKind::Single:
        store.WriteFloat(row.valueName, std::get<float>(value));
        break;
    case SettingKind::Double:
        store.WriteReal(row.valueName, std::get<double>(value));
        break;
    case SettingKind::SmallInteger:
        store.WriteInt16(row.valueName, std::get<std::int16_t>(value));
        break;
    case SettingKind::Integer:
    case SettingKind::ListIndex:
        store.WriteInteger(row.valueName, std::get<std::int32_t>(value));
        break;
    case SettingKind::Text:
        store.WriteText(row.valueName, std::get<std::string>(value));
        break;
    }
}

} // namespace

TbufGlobals::TbufGlobals() {
    for (const auto& row : GlobalSettingRows()) {
        values_[IndexOf(row.id)] = ZeroOf(row.kind);
    }
}

void TbufGlobals::SetPublisherValues(const DisplayLists& lists) {
    for (const auto& row : GlobalSettingRows()) {
        const std::size_t index = IndexOf(row.id);
        prompts_[index] = std::string(row.prompt);
        lists_[index] = row.list == DisplayListId::None ? DisplayList() : lists.Copy(row.list);
        values_[index] = PublisherValueOf(row);
    }
    for (std::size_t page = 0; page < pageCaptions_.size(); ++page) {
        pageCaptions_[page] = std::string(kGlobalSettingsPageCaptions[page]);
    }
}

void TbufGlobals::LoadFromRegistry(RegIni& store, std::string_view defaultDataFolder) {
    store.SetCurSubKey(settings_keys::kRootKey);
    for (const auto& row : GlobalSettingRows()) {
        const std::size_t index = IndexOf(row.id);
        const std::string_view textDefault =
            row.id == GlobalSetting::DataPath ? defaultDataFolder : settings_keys::kPreparedByHint;
        values_[index] = ReadRow(store, row, values_[index], textDefault);
    }
}

void TbufGlobals::SaveToRegistry(RegIni& store) const {
    store.SetCurSubKey(settings_keys::kRootKey);
    RegIni::Batch batch(store);
    for (const auto& row : GlobalSettingRows()) {
        WriteRow(store, row, values_[IndexOf(row.id)]);
    }
    batch.Commit();
}

const std::string& TbufGlobals::Prompt(GlobalSetting setting) const {
    return prompts_[IndexOf(setting)];
}

const DisplayList& TbufGlobals::List(GlobalSetting setting) const {
    return lists_[IndexOf(setting)];
}

const SettingValue& TbufGlobals::Value(GlobalSetting setting) const {
    return values_[IndexOf(setting)];
}

float TbufGlobals::Single(GlobalSetting setting) const {
    const auto* value = std::get_if<float>(&Value(setting));
    if (value == nullptr) {
        Refuse(RowOf(setting), "read as a single");
    }
    return *value;
}

double TbufGlobals::Real(GlobalSetting setting) const {
    const auto* value = std::get_if<double>(&Value(setting));
    if (value == nullptr) {
        Refuse(RowOf(setting), "read as a double");
    }
    return *value;
}

std::int32_t TbufGlobals::Integer(GlobalSetting setting) const {
    const SettingValue& value = Value(setting);
    if (const auto* small = std::get_if<std::int16_t>(&value)) {
        return *small;
    }
    if (const auto* whole = std::get_if<std::int32_t>(&value)) {
        return *whole;
    }
    Refuse(RowOf(setting), "read as an integer");
}

const std::string& TbufGlobals::Text(GlobalSetting setting) const {
    const auto* value = std::get_if<std::string>(&Value(setting));
    if (value == nullptr) {
        Refuse(RowOf(setting), "read as a text");
    }
    return *value;
}

void TbufGlobals::SetValue(GlobalSetting setting, SettingValue value) {
    const GlobalSettingRow& row = RowOf(setting);
    const std::size_t index = IndexOf(setting);
    if (row.kind == SettingKind::SmallInteger && std::holds_alternative<std::int32_t>(value)) {
        const std::int32_t wide = std::get<std::int32_t>(value);
        if (wide < std::numeric_limits<std::int16_t>::min() ||
            wide > std::numeric_limits<std::int16_t>::max()) {
            Refuse(row, std::to_string(wide) + " does not fit");
        }
        value = static_cast<std::int16_t>(wide);
    }
    if (value.index() != values_[index].index()) {
        Refuse(row, "a value of another kind");
    }
    if (row.kind == SettingKind::ListIndex && !IsListCode(row, std::get<std::int32_t>(value))) {
        Refuse(row, std::to_string(std::get<std::int32_t>(value)) + " is not in its list");
    }
    if (row.kind == SettingKind::Text) {
        value = CutToCharacters(std::get<std::string>(value), row.maxLength);
    }
    values_[index] = std::move(value);
}

} // namespace quarvex::framework
