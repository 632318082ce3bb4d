#include "AmortDbTestSupport.h"
#include "support/ChildProcess.h"

#include "framework/codec/CodecErrors.h"

#include <chrono>
#include <csignal>
#include <random>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// Saves of a loan killed at every step that changes the disk, at random moments, on a full
// disk, or failing at a step: afterwards the tables open and every loan is whole, the old
// version or the new one, never a mix.
namespace quarvex::amortization::database {
namespace {

using namespace testing;
using quarvex::testing::InChild;

constexpr std::string_view kLoanNo = "7";
constexpr std::string_view kOtherLoanNo = "70";

// Version v of loan 7: amount 1000 v, 6 + 4 v payments, each row commented "version v".
CalculatedLoan Version(int version) {
    CalculatedLoan loan =
        Calculate("pv=" + std::to_string(1000 * version) + " n=" + std::to_string(6 + 4 * version));
    for (TTransRec& row : loan.schedule.Records()) {
        row.Comment = "version " + std::to_string(version);
    }
    return loan;
}

const std::vector<CalculatedLoan>& Versions() {
    // Index 0 is not used.
    static const std::vector<CalculatedLoan> versions = {Version(1), Version(1), Version(2),
                                                         Version(3), Version(4)};
    return versions;
}

void SaveVersion(TAmortDatabase& database, const std::string& account, int version) {
    const CalculatedLoan& loan = Versions()[static_cast<std::size_t>(version)];
    database.SaveLoan(account, loan.Record(std::string(kLoanNo)), loan.schedule);
}

// The version of loan 7 after opening the folder afresh; fails the test and gives -1 for a
// loan whose record and rows are not all of one version, or when loan 70 is not whole.
int SavedVersion(const std::filesystem::path& folder) {
    TAmortDatabase database(folder, TestOptions());
    EXPECT_FALSE(std::filesystem::exists(folder / "tables.journal"));
    const LoadedLoan other = database.LoadLoan(kOtherLoanNo);
    EXPECT_EQ(other.schedule.Count(), Versions()[4].schedule.Count()) << "loan 70 was hurt";
    const LoadedLoan loaded = database.LoadLoan(kLoanNo);
    const int version = static_cast<int>(loaded.loan.PV / 1000);
    if (version < 1 || version > 3) {
        ADD_FAILURE() << "loan record of amount " << loaded.loan.PV;
        return -1;
    }
    const CalculatedLoan& expected = Versions()[static_cast<std::size_t>(version)];
    bool whole = loaded.loan == expected.Record(std::string(kLoanNo)) &&
                 loaded.schedule.Count() == expected.schedule.Count();
    for (int i = 0; whole && i < loaded.schedule.Count(); ++i) {
        whole = loaded.schedule[i].Comment == expected.schedule[i].Comment &&
                loaded.schedule[i].TransNo == i &&
                loaded.schedule[i].PrinBal == expected.schedule[i].PrinBal;
    }
    if (!whole) {
        ADD_FAILURE() << "loan 7 is a mix around version " << version << ": "
                      << loaded.schedule.Count() << " rows";
        return -1;
    }
    EXPECT_EQ(database.LinksOf("SMIJOH001").size(), 2u);
    return version;
}

std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files[entry.path().filename().string()] = quarvex::testing::ReadFileText(entry.path());
    }
    return files;
}

void Restore(const std::filesystem::path& folder, const std::map<std::string, std::string>& files) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::filesystem::remove(entry.path());
    }
    for (const auto& [name, bytes] : files) {
        quarvex::testing::WriteFileText(folder / name, bytes);
    }
}

class CrashTest : public DatabaseTest {
protected:
    void SetUp() override {
        account_ = NewAccount("John", "Smith");
        const CalculatedLoan& other = Versions()[4];
        Db().SaveLoan(account_, other.Record(std::string(kOtherLoanNo)), other.schedule);
        SaveVersion(Db(), account_, 1);
        Reopen();
    }
    std::string account_;
};

TEST_F(CrashTest, AWriterKilledBeforeAnyStepOfASaveLeavesAWholeLoan) {
    const auto before = Snapshot(folder_.Path());
    std::vector<std::string> steps;
    {
        AmortDatabaseOptions options = TestOptions();
        options.writeStepHook = [&](std::string_view step) {
            steps.emplace_back(step);
        };
        TAmortDatabase database(folder_.Path(), options);
        SaveVersion(database, account_, 2);
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
            AmortDatabaseOptions options = TestOptions();
            options.writeStepHook = [&](std::string_view) {
                if (step++ == dying) {
                    ::_exit(9); // no clean-up of any kind, as with a kill
                }
            };
            TAmortDatabase database(folder_.Path(), options);
            SaveVersion(database, account_, 2);
        });
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 9) << "step " << dying;
        EXPECT_EQ(SavedVersion(folder_.Path()), dying <= commitPoint ? 1 : 2)
            << "killed before step " << dying << " (" << steps[dying] << ")";
    }
}

TEST_F(CrashTest, AFailureAtAnyStepLeavesTheOldLoanAndTheNextSaveWorks) {
    for (std::size_t failing = 0;; ++failing) {
        std::size_t step = 0;
        bool reported = false;
        AmortDatabaseOptions options = TestOptions();
        options.writeStepHook = [&](std::string_view name) {
            if (step++ == failing) {
                throw codec::EFileAccess("injected failure before " + std::string(name));
            }
        };
        {
            TAmortDatabase database(folder_.Path(), options);
            try {
                SaveVersion(database, account_, 2);
            } catch (const codec::EFileAccess&) {
                reported = true;
            }
        }
        if (step <= failing) {
            break; // the save ran through without reaching the step: every step was tried
        }
        // A save that reports a failure changed nothing; one that does not is whole (a failure
        // after the change took effect, while making the folder durable, is not reported).
        EXPECT_EQ(SavedVersion(folder_.Path()), reported ? 1 : 2) << "failure at step " << failing;
        // The tables stay usable: saving the old version again works.
        TAmortDatabase database(folder_.Path(), TestOptions());
        SaveVersion(database, account_, 1);
    }
}

TEST_F(CrashTest, KillsAtRandomMomentsNeverLeaveAMix) {
    std::mt19937 random(20240301);
    std::uniform_int_distribution<int> pause(0, 20000);
    for (int trial = 0; trial < 25; ++trial) {
        const pid_t child = ::fork();
        if (child == 0) {
            try {
                TAmortDatabase database(folder_.Path(), TestOptions());
                for (int version = 2;; version = version == 2 ? 3 : 2) {
                    SaveVersion(database, account_, version);
                }
            } catch (...) {
                ::_exit(3);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(3000 + pause(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself";
        const int version = SavedVersion(folder_.Path());
        ASSERT_TRUE(version >= 1 && version <= 3) << "trial " << trial;
    }
}

TEST_F(CrashTest, AFullDiskDuringASaveLeavesTheOldLoan) {
    const auto rowsSize = std::filesystem::file_size(folder_ / "Trans.dbf");
    const int status = InChild([&] {
        // No file may grow beyond a little more than the rows table is now: the rows of the
        // new version cannot all be written, as on a full disk.
        ::signal(SIGXFSZ, SIG_IGN);
        const rlim_t limit = static_cast<rlim_t>(rowsSize + 300);
        const rlimit size{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size);
        TAmortDatabase database(folder_.Path(), TestOptions());
        try {
            SaveVersion(database, account_, 3);
        } catch (const codec::EFileAccess&) {
            ::_exit(0);
        }
        ::_exit(1);
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save did not report the full disk";
    EXPECT_EQ(SavedVersion(folder_.Path()), 1);
}

} // namespace
} // namespace quarvex::amortization::database
