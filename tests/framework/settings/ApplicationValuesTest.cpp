#include "framework/settings/ApplicationValues.h"

#include "framework/settings/DataFolders.h"
#include "framework/settings/TbufGlobals.h"
#include "framework/store/RegIni.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <map>

namespace quarvex::framework {
namespace {

using quarvex::testing::TempDirectory;

constexpr const char* kRoot = "Software\\Kelvarn Software\\Quarvex!";

EnvironmentLookup FakeEnvironment(std::map<std::string, std::string> variables) {
    return [variables](const std::string& name) -> std::optional<std::string> {
        auto found = variables.find(name);
        return found == variables.end() ? std::nullopt : std::optional(found->second);
    };
}

class ApplicationValuesStartup : public ::testing::Test {
protected:
    std::filesystem::path Home() const { return dir_ / "home"; }
    std::filesystem::path WorkingDirectory() const { return dir_ / "work"; }
    EnvironmentLookup Environment() const { return FakeEnvironment({{"HOME", Home()}}); }
    std::string UserDataFolderText() const {
        return (Home() / ".local/share/Kelvarn Software/Quarvex!/Data/").string();
    }

    ApplicationValues LoadedValues() {
        ApplicationValues values;
        values.LoadAtStartup(store_, Environment(), WorkingDirectory());
        return values;
    }

    TempDirectory dir_;
    RegIni store_{dir_ / "config" / "settings.ini"};
};

TEST_F(ApplicationValuesStartup, TwiceMonthlyDaysComesFromTheStoredSettingAtStartUp) {
    store_.SetCurSubKey(kRoot);
    store_.WriteInteger("&Twice monthly payment days?:", 4);
    EXPECT_EQ(LoadedValues().TwiceMonthlyDays(), 4);

    store_.WriteInteger("&Twice monthly payment days?:", 13); // no such choice
    EXPECT_EQ(LoadedValues().TwiceMonthlyDays(), 0);
}

TEST_F(ApplicationValuesStartup, AnEmptyStoreGivesTheHintAndTheDefaultDataFolder) {
    ApplicationValues values = LoadedValues();
    EXPECT_EQ(values.PreparedBy(), "{Options}{Preferences} 3rd Page to set.");
    EXPECT_EQ(values.DefaultDataFolder(), UserDataFolderText());
    EXPECT_EQ(values.DataPath(), values.DefaultDataFolder());
    EXPECT_EQ(values.TwiceMonthlyDays(), 0);
    EXPECT_TRUE(std::filesystem::is_directory(values.DefaultDataFolder()))
        << "the per-user data folder is created";
    EXPECT_FALSE(values.AccountDetails().has_value());
}

TEST_F(ApplicationValuesStartup, StoredTextsAreCutToTheirLengths) {
    store_.SetCurSubKey(kRoot);
    store_.WriteText("Prepared By:", std::string(45, 'n'));
    store_.WriteText("Data Path:", "/" + std::string(300, 'p'));
    ApplicationValues values = LoadedValues();
    EXPECT_EQ(values.PreparedBy(), std::string(40, 'n'));
    EXPECT_EQ(values.DataPath(), "/" + std::string(254, 'p'));
}

TEST_F(ApplicationValuesStartup, ADataFolderInTheCurrentDirectoryWins) {
    std::filesystem::create_directories(WorkingDirectory() / "Data");
    ApplicationValues values = LoadedValues();
    EXPECT_EQ(values.DefaultDataFolder(), (WorkingDirectory() / "Data/").string());
    EXPECT_FALSE(std::filesystem::exists(UserDataFolderText()));
    // Loading again gives the same folder: nothing is appended to it.
    values.LoadAtStartup(store_, Environment(), WorkingDirectory());
    EXPECT_EQ(values.DefaultDataFolder(), (WorkingDirectory() / "Data/").string());
}

TEST_F(ApplicationValuesStartup, TheDialogRefreshesTheThreeValues) {
    ApplicationValues values = LoadedValues();
    TbufGlobals settings;
    settings.SetPublisherValues();
    settings.SetValue(GlobalSetting::TwiceMonthlyDays, std::int32_t{12});
    settings.SetValue(GlobalSetting::PreparedBy, std::string("Jane Doe"));
    settings.SetValue(GlobalSetting::DataPath, std::string("/srv/loans/"));
    values.RefreshFromSettings(settings);
    EXPECT_EQ(values.TwiceMonthlyDays(), 12);
    EXPECT_EQ(values.PreparedBy(), "Jane Doe");
    EXPECT_EQ(values.DataPath(), "/srv/loans/");
}

TEST(ApplicationValues, AccountDetailsAreMadeOnceAndKept) {
    ApplicationValues values;
    values.EnsureAccountDetails().firstName = "Ann";
    EXPECT_EQ(values.EnsureAccountDetails().firstName, "Ann");
    EXPECT_THROW(values.SetTwiceMonthlyDays(13), std::invalid_argument);
}

struct FolderCase {
    const char* what;
    std::map<std::string, std::string> environment;
    std::string expected;
};

TEST(UserDataFolder, FollowsTheEnvironment) {
    const std::vector<FolderCase> cases = {
        {"own variable", {{"QUARVEX_DATA_DIR", "/d"}, {"HOME", "/h"}}, "/d"},
        {"XDG folder",
         {{"XDG_DATA_HOME", "/x"}, {"HOME", "/h"}},
         "/x/Kelvarn Software/Quarvex!/Data"},
        {"home", {{"HOME", "/h"}}, "/h/.local/share/Kelvarn Software/Quarvex!/Data"},
        {"relative XDG ignored",
         {{"XDG_DATA_HOME", "x"}, {"HOME", "/h"}},
         "/h/.local/share/Kelvarn Software/Quarvex!/Data"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UserDataFolder(FakeEnvironment(c.environment)).string(), c.expected) << c.what;
    }
}

TEST(UserDataFolder, OwnVariableIsUsedAndCreated) {
    TempDirectory dir;
    const auto folder = dir / "mine";
    const std::string got = ResolveDefaultDataFolder(
        FakeEnvironment({{"QUARVEX_DATA_DIR", folder.string()}}), dir / "nowhere");
    EXPECT_EQ(got, folder.string() + "/");
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

} // namespace
} // namespace quarvex::framework
