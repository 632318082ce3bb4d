#pragma once

#include "framework/settings/DisplayLists.h"
#include "framework/settings/GlobalSettingsTable.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace quarvex::framework {

class RegIni;

// A setting's value, of the alternative its row's kind names: float (Single), double
// (Double), int16 (SmallInteger), int32 (Integer and ListIndex) or text (Text).
using SettingValue = std::variant<float, double, std::int16_t, std::int32_t, std::string>;

// The 34 global settings with their prompts, page captions and private list copies. Lives
// inside one settings dialog, or briefly while a calculator copies its global defaults.
class TbufGlobals {
public:
    // Everything empty: no prompts, no lists, every value zero or empty.
    TbufGlobals();

    // The prompts, page captions, a fresh copy of each row's list and the publisher's values.
    void SetPublisherValues(const DisplayLists& lists = DisplayLists::Standard());

    // Reads every setting from the program's key with its current value as the default, so
    // absent values keep what the object holds. "Data Path:" defaults to defaultDataFolder,
    // "Prepared By:" to the hint text. A stored value that does not fit its row (an index
    // outside the list, a real that is not finite or too big for a single) keeps the current
    // value; texts are cut to their row's length. Leaves the store's current key at the
    // program's key.
    void LoadFromRegistry(RegIni& store, std::string_view defaultDataFolder);

    // Writes every setting under its value name, all in one file replacement. Leaves the
    // store's current key at the program's key. Throws ERegIni when the file cannot be written.
    void SaveToRegistry(RegIni& store) const;

    const std::string& Prompt(GlobalSetting setting) const;
    const std::array<std::string, 3>& PageCaptions() const { return pageCaptions_; }
    // The row's own copy of its list; empty for rows without one or before SetPublisherValues.
    const DisplayList& List(GlobalSetting setting) const;

    const SettingValue& Value(GlobalSetting setting) const;
    float Single(GlobalSetting setting) const;
    double Real(GlobalSetting setting) const;
    // SmallInteger, Integer and ListIndex rows.
    std::int32_t Integer(GlobalSetting setting) const;
    const std::string& Text(GlobalSetting setting) const;

    // Sets a value of the row's kind (an int32 is accepted for SmallInteger rows when it
    // fits). Texts are cut to the row's length. Throws std::invalid_argument for a value of
    // another kind, a list index outside the list or an integer that does not fit.
    void SetValue(GlobalSetting setting, SettingValue value);

private:
    std::array<std::string, kGlobalSettingCount> prompts_;
    std::array<SettingValue, kGlobalSettingCount> values_;
    std::array<DisplayList, kGlobalSettingCount> lists_;
    std::array<std::string, 3> pageCaptions_;
};

} // namespace quarvex::framework
