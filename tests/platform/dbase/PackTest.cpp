#include "DbaseTestSupport.h"

#include "platform/dbase/DbaseErrors.h"

#include <gtest/gtest.h>

namespace quarvex::dbase {
namespace {

using namespace testing;

struct ProgressLog {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> calls;
    Progress Hook() {
        return [this](std::uint64_t done, std::uint64_t total) {
            calls.emplace_back(done, total);
        };
    }
    // Starts at 0, never goes back, ends at the total.
    void ExpectComplete(std::uint64_t total) const {
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls.front(), std::make_pair(std::uint64_t{0}, total));
        EXPECT_EQ(calls.back(), std::make_pair(total, total));
        for (std::size_t at = 1; at < calls.size(); ++at) {
            EXPECT_GE(calls[at].first, calls[at - 1].first);
            EXPECT_EQ(calls[at].second, total);
        }
    }
};

class PackTest : public ::testing::Test {
protected:
    // Ten rows, alternately of loans "A" and "B"; rows 2, 3, 5 and 8 (counting from 0) deleted.
    void SetUp() override {
        Database database(folder_.Path());
        Table& rows = database.Open("Trans.dbf", RowSchema());
        AppendRecords(database, rows, 10, [](Record& record, int index) {
            record.SetText("LOANNO", index % 2 == 0 ? "A" : "B");
            record.SetInteger("PMTNO", index);
            record.SetText("COMMENT", "row " + std::to_string(index));
        });
        Transaction change = database.Begin();
        for (const RecNo record : {3u, 4u, 6u, 9u}) {
            change.Delete(rows, record);
        }
        change.Commit();
    }

    std::vector<std::string> Comments(Table& table) {
        std::vector<std::string> comments;
        for (RecNo record = 1; record <= table.RecordCount(); ++record) {
            comments.push_back(table.Read(record).Text("COMMENT"));
        }
        return comments;
    }

    quarvex::testing::TempDirectory folder_;
};

TEST_F(PackTest, PackDropsDeletedRecordsKeepsTheOrderAndReportsProgress) {
    Database database(folder_.Path());
    Table& rows = database.Open("Trans.dbf", RowSchema(), OpenMode::Exclusive);
    ProgressLog progress;
    rows.Pack(progress.Hook());
    progress.ExpectComplete(10);

    EXPECT_EQ(Comments(rows),
              (std::vector<std::string>{"row 0", "row 1", "row 4", "row 6", "row 7", "row 9"}));
    EXPECT_EQ(rows.RecordsWithKey("LOANNO", "A"), (std::vector<RecNo>{1, 3, 4}));
    const Bytes bytes = FileBytes(rows.Path());
    const std::size_t header = bytes[8] | bytes[9] << 8;
    const std::size_t length = bytes[10] | bytes[11] << 8;
    EXPECT_EQ(bytes.size(), header + 6 * length + 1);
    EXPECT_EQ(bytes[4], 6);
    EXPECT_EQ(bytes.back(), 0x1A);
    for (const auto& entry : std::filesystem::directory_iterator(folder_.Path())) {
        EXPECT_EQ(entry.path().filename().string().find(".pack"), std::string::npos);
    }
    database.Close(rows);

    Database again(folder_.Path());
    Table& reopened = again.Open("Trans.dbf", RowSchema());
    EXPECT_EQ(Comments(reopened).size(), 6u);
    EXPECT_EQ(reopened.RecordsWithKey("LOANNO", "B"), (std::vector<RecNo>{2, 5, 6}));
}

TEST_F(PackTest, ReindexRebuildsTheTagsWithProgress) {
    std::filesystem::remove(folder_.Path() / "Trans.qix");
    Database database(folder_.Path());
    Table& rows = database.Open("Trans.dbf", RowSchema(), OpenMode::Exclusive);
    ProgressLog progress;
    rows.Reindex(progress.Hook());
    progress.ExpectComplete(10);
    EXPECT_EQ(rows.RecordsWithKey("LOANNO", "B"), (std::vector<RecNo>{2, 8, 10}));
    EXPECT_TRUE(std::filesystem::exists(folder_.Path() / "Trans.qix"));
}

TEST_F(PackTest, PackAndReindexNeedExclusiveUse) {
    Database database(folder_.Path());
    Table& rows = database.Open("Trans.dbf", RowSchema());
    EXPECT_THROW(rows.Pack(), ETableInUse);
    EXPECT_THROW(rows.Reindex(), ETableInUse);
    // While it is open (here by another database, as another program would), exclusive use is
    // refused at once.
    Database other(folder_.Path());
    EXPECT_THROW(other.Open("Trans.dbf", RowSchema(), OpenMode::Exclusive), ETableInUse);
    database.Close(rows);
    Table& exclusive = other.Open("Trans.dbf", RowSchema(), OpenMode::Exclusive);
    EXPECT_THROW(database.Open("Trans.dbf", RowSchema(), OpenMode::Exclusive), ETableInUse);
    DatabaseOptions impatient;
    impatient.lockTimeout = std::chrono::milliseconds(20);
    Database third(folder_.Path(), impatient);
    EXPECT_THROW(third.Open("Trans.dbf", RowSchema()), ETableInUse);
    {
        // Packing renumbers the records under a change that is being staged: refused.
        Transaction change = other.Begin();
        change.Delete(exclusive, 1);
        EXPECT_THROW(exclusive.Pack(), EInvalidRequest);
    }
    exclusive.Pack();
    EXPECT_EQ(exclusive.RecordCount(), 6u);
}

TEST_F(PackTest, AFailedPackLeavesTheTableAsItWas) {
    const Bytes before = FileBytes(folder_.Path() / "Trans.dbf");
    for (const char* failing : {"pack-write", "pack-sync", "pack-rename"}) {
        DatabaseOptions options;
        options.writeStepHook = [&](std::string_view step) {
            if (step == failing) {
                throw std::runtime_error("injected");
            }
        };
        Database database(folder_.Path(), options);
        Table& rows = database.Open("Trans.dbf", RowSchema(), OpenMode::Exclusive);
        EXPECT_THROW(rows.Pack(), std::runtime_error) << failing;
        EXPECT_EQ(FileBytes(folder_.Path() / "Trans.dbf"), before) << failing;
        EXPECT_EQ(rows.RecordCount(), 10u);
        EXPECT_EQ(Comments(rows).size(), 10u);
    }
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.Path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 2u); // Trans.dbf and Trans.qix
}

} // namespace
} // namespace quarvex::dbase
