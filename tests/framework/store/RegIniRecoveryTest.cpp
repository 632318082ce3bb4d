#include "framework/store/ERegIni.h"
#include "framework/store/RegIni.h"

#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quarvex::framework {
namespace {

using quarvex::testing::ReadFileText;
using quarvex::testing::TempDirectory;
using quarvex::testing::WriteFileText;

constexpr const char* kRoot = "Software\\Kelvarn Software\\Quarvex!";

class RegIniRecovery : public ::testing::Test {
protected:
    std::filesystem::path File() const { return dir_ / "settings.ini"; }

    // A valid file holding a few values, written by the store itself.
    std::string WriteGoodFile() {
        RegIni store(File());
        store.SetCurSubKey(kRoot);
        RegIni::Batch batch(store);
        store.WriteText("Prepared By:", "Jane Doe");
        store.WriteReal("Annual &Rate? (%):", 7.5);
        store.WriteInteger("Run times", 12);
        batch.Commit();
        return ReadFileText(File());
    }

    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir_.Path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // Opens the damaged file and checks the common outcome: kept aside under asideName with its
    // bytes, a notice once, an empty store that saves normally again.
    void ExpectRecovered(const std::string& damaged, const std::string& asideName) {
        RegIni store(File());
        store.SetCurSubKey(kRoot);
        auto notice = store.TakeRecoveryNotice();
        ASSERT_TRUE(notice.has_value()) << "no notice for a damaged file";
        EXPECT_NE(notice->find(File().string()), std::string::npos) << *notice;
        EXPECT_NE(notice->find(asideName), std::string::npos) << *notice;
        EXPECT_FALSE(store.TakeRecoveryNotice().has_value()) << "the notice came twice";

        EXPECT_EQ(ReadFileText(dir_ / asideName), damaged);
        EXPECT_FALSE(std::filesystem::exists(File()));
        EXPECT_EQ(store.ReadText("Prepared By:", "empty"), "empty");

        store.WriteInteger("Run times", 1);
        RegIni reopened(File());
        reopened.SetCurSubKey(kRoot);
        EXPECT_EQ(reopened.ReadInteger("Run times", 0), 1);
        EXPECT_FALSE(reopened.TakeRecoveryNotice().has_value());
    }

    TempDirectory dir_;
};

TEST_F(RegIniRecovery, ASyntaxErrorIsSetAsideReportedOnceAndTheStoreStartsEmpty) {
    std::string damaged = WriteGoodFile();
    damaged.replace(damaged.find("= real 7.5"), 10, "= real 7,5");
    WriteFileText(File(), damaged);
    ExpectRecovered(damaged, "settings.ini.corrupt");
}

TEST_F(RegIniRecovery, ATruncatedFileIsDetectedAndAnEarlierCopyIsNotOverwritten) {
    const std::string good = WriteGoodFile();
    WriteFileText(dir_ / "settings.ini.corrupt", "an earlier damaged file");
    const std::string cut = good.substr(0, good.size() / 2);
    WriteFileText(File(), cut);
    ExpectRecovered(cut, "settings.ini.2.corrupt");
    EXPECT_EQ(ReadFileText(dir_ / "settings.ini.corrupt"), "an earlier damaged file");
}

TEST_F(RegIniRecovery, EveryCutOfAGoodFileIsCaught) {
    const std::string good = WriteGoodFile();
    for (std::size_t length = 0; length < good.size(); ++length) {
        auto parsed = ParseRegText(good.substr(0, length));
        EXPECT_TRUE(std::holds_alternative<RegTextError>(parsed)) << "cut at " << length;
    }
}

TEST_F(RegIniRecovery, TextThatIsNotUtf8IsDamage) {
    std::string damaged = WriteGoodFile();
    damaged.replace(damaged.find("Jane"), 4, "J\xe4ne");
    WriteFileText(File(), damaged);
    ExpectRecovered(damaged, "settings.ini.corrupt");
}

TEST_F(RegIniRecovery, DamageDoneByAnotherProgramWhileRunningIsNoticedOnTheNextRead) {
    WriteGoodFile();
    RegIni store(File());
    store.SetCurSubKey(kRoot);
    EXPECT_EQ(store.ReadText("Prepared By:", ""), "Jane Doe");
    WriteFileText(File(), "garbage\n");
    EXPECT_EQ(store.ReadText("Prepared By:", "empty"), "empty");
    EXPECT_TRUE(store.TakeRecoveryNotice().has_value());
    EXPECT_EQ(ReadFileText(dir_ / "settings.ini.corrupt"), "garbage\n");
}

TEST_F(RegIniRecovery, AnInterruptedWriteLeavesTheOldFileAndRetriesLater) {
    const std::string before = WriteGoodFile();
    bool interrupt = true;
    RegIniOptions options;
    options.beforeReplace = [&interrupt](const std::filesystem::path& temporary) {
        EXPECT_TRUE(std::filesystem::exists(temporary));
        if (interrupt) {
            throw std::runtime_error("power cut");
        }
    };
    RegIni store(File(), options);
    store.SetCurSubKey(kRoot);
    EXPECT_THROW(store.WriteText("Prepared By:", "John Roe"), std::runtime_error);

    EXPECT_EQ(ReadFileText(File()), before);
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"settings.ini", "settings.ini.lock"}))
        << "the temporary file was left behind";
    EXPECT_EQ(store.ReadText("Prepared By:", ""), "John Roe") << "the change is kept pending";
    EXPECT_TRUE(store.HasPendingChanges());

    interrupt = false;
    store.WriteInteger("Run times", 13);
    RegIni reopened(File());
    reopened.SetCurSubKey(kRoot);
    EXPECT_EQ(reopened.ReadText("Prepared By:", ""), "John Roe");
    EXPECT_EQ(reopened.ReadInteger("Run times", 0), 13);
}

TEST_F(RegIniRecovery, AnUnwritableFolderRaisesAClearErrorAndKeepsTheValuesInMemory) {
    WriteFileText(dir_ / "not a folder", "a file where the folder should be");
    RegIni store(dir_ / "not a folder" / "settings.ini");
    store.SetCurSubKey(kRoot);
    try {
        store.WriteText("Prepared By:", "Jane Doe");
        FAIL() << "no exception";
    } catch (const ERegIni& error) {
        EXPECT_NE(error.Message().find("not a folder"), std::string::npos) << error.Message();
        EXPECT_NE(error.Message().find("Not a directory"), std::string::npos) << error.Message();
    }
    EXPECT_EQ(store.ReadText("Prepared By:", ""), "Jane Doe");
    EXPECT_EQ(ReadFileText(dir_ / "not a folder"), "a file where the folder should be");
}

TEST_F(RegIniRecovery, ABatchLeftByAnExceptionKeepsItsChangesForTheNextWrite) {
    WriteGoodFile();
    RegIni store(File());
    store.SetCurSubKey(kRoot);
    try {
        RegIni::Batch batch(store);
        store.WriteInteger("Run times", 99);
        throw std::runtime_error("calculation failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(store.HasPendingChanges());
    store.Flush();
    RegIni reopened(File());
    reopened.SetCurSubKey(kRoot);
    EXPECT_EQ(reopened.ReadInteger("Run times", 0), 99);
}

} // namespace
} // namespace quarvex::framework
