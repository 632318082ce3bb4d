#include "framework/settings/DataFolders.h"

#include "framework/store/RegIni.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

namespace quarvex::framework {
namespace {

using quarvex::testing::TempDirectory;

constexpr const char* kFvKey = "Software\\Kelvarn Software\\Quarvex!\\FV Calculator";
constexpr const char* kDefault = "/default/data/";

class DataFolderMemory : public ::testing::Test {
protected:
    TempDirectory dir_;
    RegIni store_{dir_ / "settings.ini"};
};

TEST_F(DataFolderMemory, ACalculatorRemembersTheFolderOfItsLastFile) {
    const auto folder = dir_ / "loans";
    std::filesystem::create_directories(folder);
    store_.SetCurSubKey("Software\\Elsewhere");

    WriteDataFolder(store_, "FV Calculator", (folder / "house.fv").string());
    EXPECT_EQ(ReadDataFolder(store_, "FV Calculator", kDefault), folder.string() + "/");
    EXPECT_EQ(ReadDataFolder(store_, "NPV Calculator", kDefault), kDefault) << "per calculator";
    EXPECT_EQ(store_.CurSubKey(), "Software\\Elsewhere") << "the current key is kept";

    store_.SetCurSubKey(kFvKey);
    EXPECT_EQ(store_.ReadText("Data", ""), folder.string() + "/");
}

TEST_F(DataFolderMemory, AFolderThatIsGoneFallsBackToTheDefault) {
    store_.SetCurSubKey(kFvKey);
    store_.WriteText("Data", (dir_ / "removed").string());
    EXPECT_EQ(ReadDataFolder(store_, "FV Calculator", kDefault), kDefault);
    store_.WriteText("Data", "");
    EXPECT_EQ(ReadDataFolder(store_, "FV Calculator", kDefault), kDefault);
}

TEST_F(DataFolderMemory, ANameWithoutAFolderChangesNothing) {
    WriteDataFolder(store_, "FV Calculator", "house.fv");
    store_.SetCurSubKey(kFvKey);
    EXPECT_FALSE(store_.ValueExists("Data"));
}

} // namespace
} // namespace quarvex::framework
