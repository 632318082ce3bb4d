#include "LoanVersions.h"
#include "support/ChildProcess.h"

#include "framework/codec/CodecErrors.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// Saves run in a child process that dies in the middle, as a program killed or crashing
// would; the parent then opens the tables and finds each of them whole, old or new.
namespace quarvex::dbase {
namespace {

using namespace testing;
using quarvex::testing::InChild;

class CrashTest : public ::testing::Test {
protected:
    void SetUp() override {
        Database database(folder_.Path());
        SaveLoanVersion(database, 1);
    }
    quarvex::testing::TempDirectory folder_;
};

TEST_F(CrashTest, AProcessThatDiesBeforeAnyStepLeavesAWholeLoan) {
    const auto before = Snapshot(folder_.Path());
    std::vector<std::string> steps;
    {
        DatabaseOptions options;
        options.writeStepHook = [&](std::string_view step) {
            steps.emplace_back(step);
        };
        Database database(folder_.Path(), options);
        SaveLoanVersion(database, 2);
    }
    std::size_t commitPoint = 0;
    for (std::size_t at = 0; at < steps.size(); ++at) {
        if (steps[at] == "journal-remove") {
            commitPoint = at;
        }
    }
    ASSERT_GT(commitPoint, 0u);
    for (std::size_t dying = 0; dying < steps.size(); ++dying) {
        Restore(folder_.Path(), before);
        const int status = InChild([&] {
            std::size_t step = 0;
            DatabaseOptions options;
            options.writeStepHook = [&](std::string_view) {
                if (step++ == dying) {
                    ::_exit(9); // no clean-up of any kind, as with a kill
                }
            };
            Database database(folder_.Path(), options);
            SaveLoanVersion(database, 2);
        });
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 9) << "step " << dying;
        const int expected = dying <= commitPoint ? 1 : 2;
        EXPECT_EQ(SavedLoanVersion(folder_.Path()), expected)
            << "died before step " << dying << " (" << steps[dying] << ")";
    }
}

TEST_F(CrashTest, KillsAtRandomMomentsNeverLeaveAMix) {
    std::mt19937 random(20240305);
    std::uniform_int_distribution<int> pause(0, 15000);
    int lastSeen = 1;
    for (int trial = 0; trial < 30; ++trial) {
        const pid_t child = ::fork();
        if (child == 0) {
            try {
                Database database(folder_.Path());
                for (int version = 2;; version = version == 2 ? 3 : 2) {
                    SaveLoanVersion(database, version);
                }
            } catch (...) {
                ::_exit(3);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(2000 + pause(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself";
        lastSeen = SavedLoanVersion(folder_.Path());
        ASSERT_TRUE(lastSeen == 1 || lastSeen == 2 || lastSeen == 3) << "trial " << trial;
    }
    Database database(folder_.Path());
    Table& rows = database.Open("Trans.dbf", RowSchema(), OpenMode::Exclusive);
    rows.Pack();
    database.Close(rows);
    EXPECT_EQ(SavedLoanVersion(folder_.Path()), lastSeen);
}

TEST_F(CrashTest, AFullDiskDuringASaveLeavesTheOldLoan) {
    const auto rowsSize = std::filesystem::file_size(folder_.Path() / "Trans.dbf");
    const int status = InChild([&] {
        // Files may not grow beyond a few bytes more than the rows table has now: the rows of
        // the new version cannot all be written, as on a full disk.
        ::signal(SIGXFSZ, SIG_IGN);
        const rlim_t limit = static_cast<rlim_t>(rowsSize + 100);
        const rlimit size{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size);
        Database database(folder_.Path());
        try {
            SaveLoanVersion(database, 2);
        } catch (const codec::EFileAccess&) {
            ::_exit(0);
        }
        ::_exit(1);
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save did not report the full disk";
    EXPECT_EQ(SavedLoanVersion(folder_.Path()), 1);
    EXPECT_EQ(std::filesystem::file_size(folder_.Path() / "Trans.dbf"), rowsSize);
}

} // namespace
} // namespace quarvex::dbase
