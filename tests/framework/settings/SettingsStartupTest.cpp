#include "framework/settings/SettingsStartup.h"

#include "framework/store/RegIni.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

namespace quarvex::framework {
namespace {

using quarvex::testing::TempDirectory;

constexpr const char* kRoot = "Software\\Kelvarn Software\\Quarvex!";
constexpr const char* kHint = "{Options}{Preferences} 3rd Page to set.";

class SettingsStartup : public ::testing::Test {
protected:
    SettingsStartup() {
        RegIniOptions options;
        options.beforeReplace = [this](const std::filesystem::path&) {
            ++fileWrites_;
        };
        store_.emplace(dir_ / "settings.ini", options);
    }

    // What an earlier run left: a version stamp, a name, settings and calculator keys.
    void StoreEarlierRun(const std::string& version) {
        RegIni& store = *store_;
        RegIni::Batch batch(store);
        store.SetCurSubKey(kRoot);
        store.WriteText("Version", version);
        store.WriteText("Prepared By:", "Jane Doe");
        store.WriteFloat("Annual &Rate? (%):", 8.5f);
        store.WriteInteger("Run times", 7);
        store.SetCurSubKey(std::string(kRoot) + "\\Loan Calculator");
        store.WriteReal("&Amount of Loan?:", 10000);
        store.CreateKey(std::string(kRoot) + "\\Loan Calculator 1");
        store.SetCurSubKey("Software\\Kelvarn Software");
        store.WriteText("Other program", "kept");
        batch.Commit();
        fileWrites_ = 0;
    }

    TempDirectory dir_;
    std::optional<RegIni> store_;
    int fileWrites_ = 0;
};

TEST_F(SettingsStartup, AFirstStartWritesTheStampAndTheHint) {
    StartSettingsUnit(*store_);
    RegIni check(dir_ / "settings.ini");
    check.SetCurSubKey(kRoot);
    EXPECT_EQ(check.ReadText("Version", ""), "5.00a");
    EXPECT_EQ(check.ReadText("Prepared By:", ""), kHint);
    EXPECT_EQ(fileWrites_, 1);
}

TEST_F(SettingsStartup, AnotherStampWipesTheProgramsKeyButKeepsPreparedBy) {
    StoreEarlierRun("5.00");
    StartSettingsUnit(*store_);

    RegIni check(dir_ / "settings.ini");
    check.SetCurSubKey(kRoot);
    EXPECT_EQ(check.ReadText("Version", ""), "5.00a");
    EXPECT_EQ(check.ReadText("Prepared By:", ""), "Jane Doe");
    EXPECT_FALSE(check.ValueExists("Annual &Rate? (%):"));
    EXPECT_FALSE(check.ValueExists("Run times"));
    EXPECT_TRUE(check.SubKeyNames().empty());
    check.SetCurSubKey("Software\\Kelvarn Software");
    EXPECT_EQ(check.ReadText("Other program", ""), "kept");
    EXPECT_EQ(fileWrites_, 1) << "the reset is one file replacement";
}

TEST_F(SettingsStartup, TheCurrentStampKeepsEverything) {
    StoreEarlierRun("5.00a");
    StartSettingsUnit(*store_);

    RegIni check(dir_ / "settings.ini");
    check.SetCurSubKey(kRoot);
    EXPECT_EQ(check.ReadText("Prepared By:", ""), "Jane Doe");
    EXPECT_EQ(check.ReadReal("Annual &Rate? (%):", 0), 8.5);
    EXPECT_TRUE(check.KeyExists(std::string(kRoot) + "\\Loan Calculator"));
}

TEST_F(SettingsStartup, TheStampIsComparedExactly) {
    StoreEarlierRun("5.00A");
    StartSettingsUnit(*store_);
    store_->SetCurSubKey(kRoot);
    EXPECT_EQ(store_->ReadText("Version", ""), "5.00a");
    EXPECT_FALSE(store_->ValueExists("Run times"));
}

} // namespace
} // namespace quarvex::framework
