#include "LoanVersions.h"

#include "platform/dbase/DbaseErrors.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// Two programs on one folder: reads and changes take turns, and each sees what the other
// committed. A second Database in the same process holds its locks through its own open
// files, exactly as another program would.
namespace quarvex::dbase {
namespace {

using namespace testing;
using namespace std::chrono_literals;

DatabaseOptions Waiting(std::chrono::milliseconds timeout) {
    DatabaseOptions options;
    options.lockTimeout = timeout;
    return options;
}

class LockTest : public ::testing::Test {
protected:
    void SetUp() override {
        Database database(folder_.Path());
        SaveLoanVersion(database, 1);
    }
    quarvex::testing::TempDirectory folder_;
};

TEST_F(LockTest, AChangeWaitsForReadersAndReadersWaitForAChange) {
    Database reader(folder_.Path(), Waiting(30ms));
    Database writer(folder_.Path(), Waiting(30ms));
    Table& rows = reader.Open("Trans.dbf", RowSchema());
    writer.Open("Trans.dbf", RowSchema());
    {
        auto scope = reader.Read();
        EXPECT_THROW(SaveLoanVersion(writer, 2), ETableInUse);
    }
    {
        Transaction change = writer.Begin();
        EXPECT_THROW(rows.RecordCount(), ETableInUse);
        EXPECT_THROW(reader.Read(), ETableInUse);
    }
    SaveLoanVersion(writer, 2);
    EXPECT_EQ(rows.RecordsWithKey("LOANNO", "7").size(), 5u);
}

TEST_F(LockTest, AReaderSeesWhatAnotherProgramCommitted) {
    Database database(folder_.Path());
    Table& rows = database.Open("Trans.dbf", RowSchema());
    Table& loans = database.Open("Loans.dbf", LoanSchema());
    Cursor cursor(rows, "LOANNO");
    ASSERT_TRUE(cursor.Seek("7"));
    ASSERT_TRUE(cursor.Next());
    const RecNo second = cursor.Number();

    // Another program saves the loan again, twice, quickly: the size and times of the files
    // may not change between the two, the change counter does.
    const pid_t child = ::fork();
    if (child == 0) {
        try {
            Database other(folder_.Path());
            SaveLoanVersion(other, 2);
            SaveLoanVersion(other, 3);
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    EXPECT_EQ(rows.RecordsWithKey("LOANNO", "7").size(), 6u);
    EXPECT_EQ(loans.Read(loans.RecordsWithKey("LOANNO", "7").front()).Integer("PYR"), 3);
    // The cursor's record was deleted by the other program: at its next read it stands on
    // the row that followed it.
    EXPECT_EQ(cursor.Current().Integer("PMTNO"), 0);
    EXPECT_NE(cursor.Number(), second);
    ASSERT_TRUE(cursor.Next());
    EXPECT_EQ(cursor.Current().Integer("PMTNO"), 1);
    std::vector<std::int64_t> numbers;
    for (bool more = cursor.Seek("7"); more && cursor.Key() == "7"; more = cursor.Next()) {
        numbers.push_back(*cursor.Current().Integer("PMTNO"));
    }
    EXPECT_EQ(numbers, (std::vector<std::int64_t>{0, 1, 2, 3, 4, 5}));
}

TEST_F(LockTest, AReadScopeSeesOneStateWhileAnotherProgramWaits) {
    Database database(folder_.Path());
    Table& rows = database.Open("Trans.dbf", RowSchema());
    const pid_t child = [&] {
        auto scope = database.Read();
        const std::size_t before = rows.RecordsWithKey("LOANNO", "7").size();
        const pid_t started = ::fork();
        if (started == 0) {
            try {
                Database other(folder_.Path(), Waiting(5000ms));
                SaveLoanVersion(other, 2);
            } catch (...) {
                ::_exit(1);
            }
            ::_exit(0);
        }
        std::this_thread::sleep_for(100ms);
        EXPECT_EQ(rows.RecordsWithKey("LOANNO", "7").size(), before);
        return started;
    }();
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(rows.RecordsWithKey("LOANNO", "7").size(), 5u);
}

} // namespace
} // namespace quarvex::dbase
