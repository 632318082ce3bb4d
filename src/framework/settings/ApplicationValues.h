#pragma once

#include "framework/settings/AccountDetails.h"
#include "framework/store/Environment.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quarvex::framework {

class RegIni;
class TbufGlobals;

// The values the whole program shares while it runs, in one place: the name printed after
// "Prepared By: ", the schedule database's folder, the twice-monthly payment days, the default
// data folder and the account details of the "Account Information" dialog.
class ApplicationValues {
public:
    // Before start-up: empty texts, the first twice-monthly choice ("1st & 15th"), no account
    // details, and the default data folder "Data/".
    ApplicationValues();

    // Reads everything at start-up: the default data folder (see ResolveDefaultDataFolder),
    // then from the program's key "Data Path:" (default: that folder), "Prepared By:"
    // (default: the hint text) and the twice-monthly choice of the global settings.
    // Values that do not fit (an unknown twice-monthly choice) keep their defaults.
    void LoadAtStartup(RegIni& store, const EnvironmentLookup& environment,
                       const std::filesystem::path& currentDirectory);

    // Takes the three values the settings dialog edits (rows 23, 31 and 34) when the dialog
    // is shown and when it closes.
    void RefreshFromSettings(const TbufGlobals& settings);

    const std::string& PreparedBy() const { return preparedBy_; }
    void SetPreparedBy(std::string_view text); // cut to 40 characters

    const std::string& DataPath() const { return dataPath_; }
    void SetDataPath(std::string_view text); // cut to 255 characters

    // An index into TwiceMonthlyList.
    int TwiceMonthlyDays() const { return twiceMonthlyDays_; }
    void SetTwiceMonthlyDays(int code); // throws std::invalid_argument outside the list

    // Absolute, ending in '/'.
    const std::string& DefaultDataFolder() const { return defaultDataFolder_; }
    void SetDefaultDataFolder(std::string folder);

    // Made the first time the "Account Information" dialog is used.
    const std::optional<TAccountDetails>& AccountDetails() const { return accountDetails_; }
    TAccountDetails& EnsureAccountDetails();

private:
    std::string preparedBy_;
    std::string dataPath_;
    int twiceMonthlyDays_ = 0;
    std::string defaultDataFolder_;
    std::optional<TAccountDetails> accountDetails_;
};

} // namespace quarvex::framework
