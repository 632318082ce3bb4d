#include "framework/store/RegIni.h"

#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace quarvex::framework {
namespace {

using quarvex::testing::TempDirectory;

constexpr const char* kRoot = "Software\\Kelvarn Software\\Quarvex!";

class RegIniSharing : public ::testing::Test {
protected:
    std::filesystem::path File() const { return dir_ / "settings.ini"; }

    RegIni Open() const {
        RegIni store(File());
        store.SetCurSubKey(kRoot);
        return store;
    }

    TempDirectory dir_;
};

TEST_F(RegIniSharing, TwoWritersKeepEachOthersValues) {
    RegIni first = Open();
    RegIni second = Open(); // loaded before the first one writes
    first.WriteText("Prepared By:", "Jane Doe");
    second.WriteInteger("Run times", 3);
    first.WriteBoolean("Tips", false);

    RegIni third = Open();
    EXPECT_EQ(third.ReadText("Prepared By:", ""), "Jane Doe");
    EXPECT_EQ(third.ReadInteger("Run times", 0), 3);
    EXPECT_FALSE(third.ReadBoolean("Tips", true));
    EXPECT_EQ(first.ReadInteger("Run times", 0), 3) << "a reader sees the other's write";
}

TEST_F(RegIniSharing, ABatchMergesWithWhatAnotherWriterStoredMeanwhile) {
    RegIni first = Open();
    RegIni second = Open();
    first.WriteReal("Annual &Rate? (%):", 5.0);
    {
        RegIni::Batch batch(first);
        first.WriteReal("Annual &Rate? (%):", 6.0);
        first.DeleteKey(std::string(kRoot) + "\\Old Calculator");
        second.WriteReal("P&oints? (%):", 1.5);                           // another value: kept
        second.CreateKey(std::string(kRoot) + "\\Old Calculator\\Child"); // deleted by the batch
        second.WriteReal("Annual &Rate? (%):", 9.0); // the same value: the later write wins
    }
    RegIni check = Open();
    EXPECT_EQ(check.ReadReal("Annual &Rate? (%):", 0), 6.0);
    EXPECT_EQ(check.ReadReal("P&oints? (%):", 0), 1.5);
    EXPECT_FALSE(check.KeyExists(std::string(kRoot) + "\\Old Calculator"));
    EXPECT_EQ(second.ReadReal("Annual &Rate? (%):", 0), 6.0);
}

TEST_F(RegIniSharing, AReaderSeesAChangeOfTheSameSize) {
    RegIni writer = Open();
    RegIni reader = Open();
    writer.WriteInteger("Run times", 1);
    EXPECT_EQ(reader.ReadInteger("Run times", 0), 1);
    writer.WriteInteger("Run times", 2);
    EXPECT_EQ(reader.ReadInteger("Run times", 0), 2);
    std::filesystem::remove(File());
    EXPECT_EQ(reader.ReadInteger("Run times", 0), 0) << "a removed file reads as empty";
}

TEST_F(RegIniSharing, TwoProcessesWritingAtOnceLoseNothing) {
    constexpr int kWrites = 40;
    auto writeMany = [this](const std::string& prefix) {
        RegIni store = Open();
        for (int i = 0; i < kWrites; ++i) {
            store.WriteInteger(prefix + std::to_string(i), i);
        }
    };
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int status = 0;
        try {
            writeMany("child ");
        } catch (...) {
            status = 1;
        }
        ::_exit(status);
    }
    writeMany("parent ");
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child failed";

    RegIni check = Open();
    for (int i = 0; i < kWrites; ++i) {
        EXPECT_EQ(check.ReadInteger("parent " + std::to_string(i), -1), i);
        EXPECT_EQ(check.ReadInteger("child " + std::to_string(i), -1), i);
    }
}

} // namespace
} // namespace quarvex::framework
