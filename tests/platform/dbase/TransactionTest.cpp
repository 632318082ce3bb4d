#include "LoanVersions.h"

#include "framework/codec/CodecErrors.h"
#include "platform/dbase/DbaseErrors.h"
#include "platform/dbase/Journal.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

namespace quarvex::dbase {
namespace {

using namespace testing;

class TransactionTest : public ::testing::Test {
protected:
    void SetUp() override {
        Database database(folder_.Path());
        SaveLoanVersion(database, 1);
    }

    // The names of the steps a save of version 2 goes through.
    std::vector<std::string> StepsOfASave() {
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
        Restore(folder_.Path(), before);
        return steps;
    }

    quarvex::testing::TempDirectory folder_;
};

TEST_F(TransactionTest, StagedChangesShowOnlyAfterCommitAndADroppedOneLeavesNothing) {
    Database database(folder_.Path());
    Table& rows = database.Open("Trans.dbf", RowSchema());
    const Bytes before = FileBytes(rows.Path());
    {
        Transaction change = database.Begin();
        Record record = rows.NewRecord();
        record.SetText("LOANNO", "8");
        EXPECT_EQ(change.Append(rows, record), 5u);
        change.Delete(rows, 1);
        EXPECT_EQ(rows.RecordCount(), 4u);
        EXPECT_TRUE(rows.RecordsWithKey("LOANNO", "8").empty());
        EXPECT_FALSE(rows.Read(1).IsDeleted());
    }
    EXPECT_EQ(FileBytes(rows.Path()), before);
    EXPECT_EQ(SavedLoanVersion(folder_.Path()), 1);
    SaveLoanVersion(database, 2);
    EXPECT_EQ(SavedLoanVersion(folder_.Path()), 2);
}

TEST_F(TransactionTest, MisusedChangesAreRefused) {
    Database database(folder_.Path());
    Table& rows = database.Open("Trans.dbf", RowSchema());
    Table& loans = database.Open("Loans.dbf", LoanSchema());
    Transaction change = database.Begin();
    EXPECT_THROW(change.Append(rows, loans.NewRecord()), EInvalidRequest);
    EXPECT_THROW(change.Delete(rows, 0), EInvalidRequest);
    EXPECT_THROW(change.Delete(rows, 5), EInvalidRequest);
    EXPECT_THROW(change.Replace(rows, 9, rows.NewRecord()), EInvalidRequest);
    change.Commit();
    EXPECT_THROW(change.Commit(), EInvalidRequest);
    auto scope = database.Read(); // a change cannot begin inside a read
    EXPECT_THROW(database.Begin(), EInvalidRequest);
}

// A failure at any one step of a save (a write refused, a full disk) leaves the old loan,
// whole; the failure is reported, and the tables can be read and saved again.
TEST_F(TransactionTest, AFailureAtAnyStepLeavesTheOldLoanWhole) {
    const std::vector<std::string> steps = StepsOfASave();
    ASSERT_GE(steps.size(), 10u);
    const auto before = Snapshot(folder_.Path());
    for (const bool diskStaysBroken : {false, true}) {
        for (std::size_t failing = 0; failing < steps.size(); ++failing) {
            Restore(folder_.Path(), before);
            std::size_t step = 0;
            DatabaseOptions options;
            options.writeStepHook = [&](std::string_view) {
                const std::size_t now = step++;
                if (now == failing || (diskStaysBroken && now > failing)) {
                    throw codec::EFileAccess("injected failure");
                }
            };
            bool reported = false;
            {
                Database database(folder_.Path(), options);
                try {
                    SaveLoanVersion(database, 2);
                } catch (const codec::EFileAccess&) {
                    reported = true;
                }
            }
            // Only the last step, flushing the folder after the journal is gone, comes after
            // the change took effect: its failure costs durability, not the change.
            const bool afterCommit = failing == steps.size() - 1;
            EXPECT_EQ(reported, !afterCommit) << "step " << failing << " " << steps[failing];
            EXPECT_EQ(SavedLoanVersion(folder_.Path()), afterCommit ? 2 : 1)
                << "failing at step " << failing << " (" << steps[failing] << ")"
                << (diskStaysBroken ? ", the disk failing from then on" : "");
            Database database(folder_.Path());
            SaveLoanVersion(database, 3);
            EXPECT_EQ(SavedLoanVersion(folder_.Path()), 3);
        }
    }
}

TEST_F(TransactionTest, AJournalCutShortIsDroppedWithoutTouchingTheTables) {
    const auto before = Snapshot(folder_.Path());
    std::vector<JournalEntry> entries{{"Trans.dbf", 10, {{0, {1, 2, 3}}}}};
    Bytes journal = EncodeJournal(entries);
    journal.resize(journal.size() - 3);
    WriteBytes(folder_.Path() / kJournalName, journal);
    EXPECT_EQ(SavedLoanVersion(folder_.Path()), 1);
    EXPECT_FALSE(std::filesystem::exists(folder_.Path() / kJournalName));
    auto after = Snapshot(folder_.Path());
    EXPECT_EQ(after["Trans.dbf"], before.at("Trans.dbf"));
    EXPECT_EQ(after.size(), before.size()); // nothing kept aside
}

TEST_F(TransactionTest, AWholeJournalPutsTheOldBytesBack) {
    const auto before = Snapshot(folder_.Path());
    const std::filesystem::path trans = folder_.Path() / "Trans.dbf";
    const Bytes original = FileBytes(trans);
    const std::vector<JournalEntry> entries{
        {"Trans.dbf", original.size(), {{4, {original.begin() + 4, original.begin() + 8}}}}};
    WriteBytes(folder_.Path() / kJournalName, EncodeJournal(entries));
    Bytes scribbled = original;
    scribbled[4] = 99;
    scribbled.insert(scribbled.end(), 500, 'x');
    WriteBytes(trans, scribbled);
    EXPECT_EQ(SavedLoanVersion(folder_.Path()), 1);
    EXPECT_EQ(FileBytes(trans), original);
}

// A journal that was written whole but no longer reads may be the only copy of the old rows:
// it is kept under a name of its own (never over an earlier one), the user is told, and the
// tables are not changed until the kept file is moved away. Reading stays possible.
TEST_F(TransactionTest, AWholeJournalThatCannotBeReadIsKeptAndStopsChanges) {
    const std::filesystem::path folder = folder_.Path();
    const Bytes trans = FileBytes(folder / "Trans.dbf");
    const std::vector<JournalEntry> entries{
        {"Trans.dbf", trans.size(), {{4, {trans.begin() + 4, trans.begin() + 8}}}}};
    Bytes unreadable = EncodeJournal(entries);
    unreadable[12] ^= 0x40; // the table count: the checksum no longer holds
    for (const int kept : {1, 2}) {
        WriteBytes(folder / kJournalName, unreadable);
        const std::string keptName = "tables.journal.kept-" + std::to_string(kept);
        try {
            Database database(folder);
            ADD_FAILURE() << "opened";
        } catch (const EUnreadableJournal& error) {
            EXPECT_THAT(error.Message(), ::testing::HasSubstr((folder / keptName).string()));
            EXPECT_THAT(error.Message(), ::testing::HasSubstr("cannot be undone"));
        }
        EXPECT_FALSE(std::filesystem::exists(folder / kJournalName));
        EXPECT_EQ(FileBytes(folder / keptName), unreadable);
        unreadable[20] ^= 0x01; // the second differs from the first
    }
    EXPECT_EQ(FileBytes(folder / "Trans.dbf"), trans);
    EXPECT_EQ(SavedLoanVersion(folder), 1);
    {
        Database database(folder);
        EXPECT_THROW(SaveLoanVersion(database, 2), EUnreadableJournal);
    }
    EXPECT_EQ(FileBytes(folder / "Trans.dbf"), trans);
    std::filesystem::remove(folder / "tables.journal.kept-1");
    std::filesystem::remove(folder / "tables.journal.kept-2");
    Database database(folder);
    SaveLoanVersion(database, 2);
    EXPECT_EQ(SavedLoanVersion(folder), 2);
}

} // namespace
} // namespace quarvex::dbase
