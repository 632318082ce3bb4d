#include "framework/settings/ApplicationValues.h"

#include "framework/settings/DataFolders.h"
#include "framework/settings/DisplayLists.h"
#include "framework/settings/SettingsKeys.h"
#include "framework/settings/TbufGlobals.h"
#include "framework/settings/TextLimits.h"
#include "framework/store/RegIni.h"

#include <stdexcept>
#include <utility>

namespace quarvex::framework {

namespace {

bool IsTwiceMonthlyCode(int code) {
    return DisplayLists::Standard().IsCode(DisplayListId::TwiceMonthly, code);
}

} // namespace

ApplicationValues::ApplicationValues() : defaultDataFolder_("Data/") {}

void ApplicationValues::LoadAtStartup(RegIni& store, const EnvironmentLookup& environment,
                                      const std::filesystem::path& currentDirectory) {
    namespace keys = settings_keys;
    defaultDataFolder_ = ResolveDefaultDataFolder(environment, currentDirectory);
    store.SetCurSubKey(keys::kRootKey);
    SetDataPath(store.ReadText(keys::kDataPathValue, defaultDataFolder_));
    SetPreparedBy(store.ReadText(keys::kPreparedByValue, keys::kPreparedByHint));
    const int twiceMonthly = store.ReadInteger(RowOf(GlobalSetting::TwiceMonthlyDays).valueName, 0);
    twiceMonthlyDays_ = IsTwiceMonthlyCode(twiceMonthly) ? twiceMonthly : 0;
}

void ApplicationValues::RefreshFromSettings(const TbufGlobals& settings) {
    SetTwiceMonthlyDays(settings.Integer(GlobalSetting::TwiceMonthlyDays));
    SetPreparedBy(settings.Text(GlobalSetting::PreparedBy));
    SetDataPath(settings.Text(GlobalSetting::DataPath));
}

void ApplicationValues::SetPreparedBy(std::string_view text) {
    preparedBy_ = CutToCharacters(text, settings_keys::kPreparedByMaxLength);
}

void ApplicationValues::SetDataPath(std::string_view text) {
    dataPath_ = CutToCharacters(text, settings_keys::kDataPathMaxLength);
}

void ApplicationValues::SetTwiceMonthlyDays(int code) {
    if (!IsTwiceMonthlyCode(code)) {
        throw std::invalid_argument("no twice-monthly choice " + std::to_string(code));
    }
    twiceMonthlyDays_ = code;
}

void ApplicationValues::SetDefaultDataFolder(std::string folder) {
    defaultDataFolder_ = std::move(folder);
}

TAccountDetails& ApplicationValues::EnsureAccountDetails() {
    if (!accountDetails_) {
        accountDetails_.emplace();
    }
    return *accountDetails_;
}

} // namespace quarvex::framework
