#include "DbaseTestSupport.h"

#include "platform/dbase/DbaseErrors.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace quarvex::dbase {
namespace {

using namespace testing;

class IndexTest : public ::testing::Test {
protected:
    IndexTest()
        : database_(folder_.Path()), rows_(database_.Open("Trans.dbf", RowSchema())),
          accounts_(database_.Open("Accnts.dbf", AccountSchema())) {}

    // Appends rows of loans in the order given, each numbered within its loan from 0.
    void AddRows(const std::vector<std::string>& loans) {
        Transaction change = database_.Begin();
        for (const std::string& loan : loans) {
            Record record = rows_.NewRecord();
            record.SetText("LOANNO", loan);
            record.SetInteger("PMTNO", nextRow_[loan]++);
            change.Append(rows_, record);
        }
        change.Commit();
    }

    void AddAccounts(const std::vector<std::pair<std::string, std::string>>& accounts) {
        AppendRecords(database_, accounts_, static_cast<int>(accounts.size()),
                      [&](Record& record, int index) {
                          record.SetText("ACCOUNTNO", accounts[index].first);
                          record.SetText("LASTNAME", accounts[index].second);
                      });
    }

    // The row numbers of a loan, walking the LOANNO tag from a seek while the key matches.
    std::vector<std::int64_t> RowsOf(const std::string& loan) {
        Cursor cursor(rows_, "LOANNO");
        std::vector<std::int64_t> numbers;
        for (bool found = cursor.Seek(loan); found && cursor.Key() == loan; found = cursor.Next()) {
            numbers.push_back(*cursor.Current().Integer("PMTNO"));
        }
        return numbers;
    }

    quarvex::testing::TempDirectory folder_;
    Database database_;
    Table& rows_;
    Table& accounts_;
    std::map<std::string, int> nextRow_;
};

TEST_F(IndexTest, EqualKeysComeBackInTheOrderTheyWereWritten) {
    AddRows({"2", "1", "2", "1", "10", "2"});
    AddRows({"1", "2", "1"});
    EXPECT_EQ(RowsOf("1"), (std::vector<std::int64_t>{0, 1, 2, 3}));
    EXPECT_EQ(RowsOf("2"), (std::vector<std::int64_t>{0, 1, 2, 3}));
    EXPECT_EQ(RowsOf("10"), (std::vector<std::int64_t>{0}));
    EXPECT_EQ(rows_.RecordsWithKey("LOANNO", "2"), (std::vector<RecNo>{1, 3, 6, 8}));
}

TEST_F(IndexTest, ExactKeysNeverMatchLongerOnesAndPrefixesAreExplicit) {
    AddRows({"10", "11", "100"});
    Cursor cursor(rows_, "LOANNO");
    EXPECT_FALSE(cursor.Seek("1"));
    EXPECT_TRUE(cursor.HasRecord()); // soft position on the next key
    EXPECT_EQ(cursor.Key(), "10");
    EXPECT_TRUE(rows_.RecordsWithKey("LOANNO", "1").empty());
    EXPECT_TRUE(cursor.SeekPrefix("1"));
    EXPECT_EQ(cursor.Key(), "10");
    EXPECT_EQ(rows_.CountWithPrefix("LOANNO", "1"), 3u);
    EXPECT_EQ(rows_.CountWithPrefix("LOANNO", "10"), 2u);
    EXPECT_EQ(rows_.CountWithPrefix("LOANNO", "2"), 0u);
    EXPECT_TRUE(cursor.Seek("10  ")); // trailing blanks do not count
    EXPECT_EQ(cursor.Key(), "10");
    EXPECT_FALSE(cursor.Seek(" 10")); // leading ones do
}

TEST_F(IndexTest, SoftSeekFindsTheFirstKeyNotBelowTheSoughtOne) {
    AddAccounts({{"C1", "Cherry"}, {"A1", "apple"}, {"B1", "Banana"}});
    Cursor cursor(accounts_, "LASTNAME");
    EXPECT_TRUE(cursor.SoftSeek("b"));
    EXPECT_EQ(cursor.Current().Text("LASTNAME"), "Banana");
    EXPECT_TRUE(cursor.SoftSeek("BZ"));
    EXPECT_EQ(cursor.Current().Text("LASTNAME"), "Cherry");
    EXPECT_FALSE(cursor.SoftSeek("D"));
    EXPECT_TRUE(cursor.Eof());
    EXPECT_FALSE(cursor.HasRecord());
    EXPECT_FALSE(cursor.Seek("Zebra"));
    EXPECT_TRUE(cursor.Eof());
}

TEST_F(IndexTest, UpperTagsFindAnyCaseAndAccentedCapitals) {
    AddAccounts(
        {{"smijoh001", "smith"}, {"X2", "Émile"}, {"SMIJOH002", "SMITHERS"}, {"X3", "Smith"}});
    EXPECT_EQ(accounts_.RecordsWithKey("LASTNAME", "Smith"), (std::vector<RecNo>{1, 4}));
    EXPECT_EQ(accounts_.RecordsWithKey("LASTNAME", "émile"), (std::vector<RecNo>{2}));
    EXPECT_EQ(accounts_.CountWithPrefix("ACCOUNTNO", "SMIJOH"), 2u);
    Cursor cursor(accounts_, "LASTNAME");
    EXPECT_TRUE(cursor.SeekPrefix("smi"));
    EXPECT_EQ(cursor.Key(), "SMITH");
    EXPECT_EQ(cursor.Current().Text("LASTNAME"), "smith");
}

TEST_F(IndexTest, CursorsWalkBothWaysWithEofAndBof) {
    Cursor cursor(accounts_, "LASTNAME");
    EXPECT_FALSE(cursor.First());
    EXPECT_TRUE(cursor.Eof());
    EXPECT_TRUE(cursor.Bof());
    EXPECT_FALSE(cursor.Next());

    AddAccounts({{"B", "Baker"}, {"A", "Adams"}, {"C", "Clark"}});
    EXPECT_TRUE(cursor.Next()); // from before the first record
    EXPECT_EQ(cursor.Current().Text("LASTNAME"), "Adams");
    EXPECT_FALSE(cursor.Bof());
    EXPECT_FALSE(cursor.Prior());
    EXPECT_TRUE(cursor.Bof());
    EXPECT_FALSE(cursor.HasRecord());
    EXPECT_TRUE(cursor.Last());
    EXPECT_EQ(cursor.Current().Text("LASTNAME"), "Clark");
    EXPECT_FALSE(cursor.Next());
    EXPECT_TRUE(cursor.Eof());
    EXPECT_TRUE(cursor.Prior()); // from after the last record
    EXPECT_EQ(cursor.Current().Text("LASTNAME"), "Clark");
    EXPECT_TRUE(cursor.Prior());
    EXPECT_EQ(cursor.Current().Text("LASTNAME"), "Baker");
    EXPECT_EQ(cursor.Number(), 1u);

    cursor.SetTag("ACCOUNTNO"); // the current record stays current
    EXPECT_EQ(cursor.Current().Text("LASTNAME"), "Baker");
    EXPECT_TRUE(cursor.Next());
    EXPECT_EQ(cursor.Current().Text("ACCOUNTNO"), "C");
    cursor.SetTag("");
    EXPECT_EQ(Walk(cursor, "LASTNAME"), (std::vector<std::string>{"Baker", "Adams", "Clark"}));
    EXPECT_THROW(cursor.Seek("A"), EInvalidRequest);
    EXPECT_THROW(cursor.SetTag("NOSUCH"), EInvalidRequest);
}

TEST_F(IndexTest, DeletedRecordsAreHiddenAndChangedKeysMove) {
    AddAccounts({{"A", "Adams"}, {"B", "Baker"}, {"C", "Clark"}, {"D", "Davis"}});
    Cursor byName(accounts_, "LASTNAME");
    Cursor inOrder(accounts_);
    ASSERT_TRUE(byName.Seek("Baker"));
    {
        Transaction change = database_.Begin();
        change.Delete(accounts_, 2);
        Record renamed = accounts_.Read(4);
        renamed.SetText("LASTNAME", "Aaron");
        change.Replace(accounts_, 4, renamed);
        change.Commit();
    }
    // The cursor's record is gone: Next goes to the one that followed it, skipping nothing.
    ASSERT_TRUE(byName.Next());
    EXPECT_EQ(byName.Current().Text("LASTNAME"), "Clark");
    EXPECT_FALSE(byName.Next());
    EXPECT_EQ(Walk(byName, "LASTNAME"), (std::vector<std::string>{"Aaron", "Adams", "Clark"}));
    EXPECT_EQ(Walk(inOrder, "LASTNAME"), (std::vector<std::string>{"Adams", "Clark", "Aaron"}));
    EXPECT_TRUE(accounts_.RecordsWithKey("LASTNAME", "Baker").empty());
    EXPECT_TRUE(accounts_.RecordsWithKey("LASTNAME", "Davis").empty());
    EXPECT_FALSE(byName.GoTo(2));
    EXPECT_TRUE(accounts_.Read(2).IsDeleted());
    EXPECT_TRUE(byName.GoTo(3));
    EXPECT_EQ(byName.Key(), "CLARK");
    // A replaced record that was already deleted stays hidden.
    Transaction change = database_.Begin();
    Record again = accounts_.Read(2);
    again.SetText("LASTNAME", "Back");
    change.Replace(accounts_, 2, again);
    change.Commit();
    EXPECT_TRUE(accounts_.RecordsWithKey("LASTNAME", "Back").empty());
}

TEST_F(IndexTest, TagsSurviveReopeningWithOrWithoutTheirCache) {
    AddRows({"7", "3", "7", "5"});
    AddAccounts({{"A", "Adams"}});
    database_.Close(rows_);
    const auto cache = folder_.Path() / "Trans.qix";
    ASSERT_TRUE(std::filesystem::exists(cache));
    for (const char* how : {"cache", "damaged cache", "no cache"}) {
        if (std::string(how) == "damaged cache") {
            Bytes bytes = FileBytes(cache);
            bytes[bytes.size() / 2] ^= 0x55;
            WriteBytes(cache, bytes);
        } else if (std::string(how) == "no cache") {
            std::filesystem::remove(cache);
        }
        Database database(folder_.Path());
        Table& rows = database.Open("Trans.dbf", RowSchema());
        EXPECT_EQ(rows.RecordsWithKey("LOANNO", "7"), (std::vector<RecNo>{1, 3})) << how;
        Cursor cursor(rows, "LOANNO");
        EXPECT_EQ(Walk(cursor, "LOANNO"), (std::vector<std::string>{"3", "5", "7", "7"})) << how;
    }
}

TEST_F(IndexTest, ACacheOfAnotherStateOfTheTableIsNotUsed) {
    AddRows({"1", "2"});
    database_.Close(rows_);
    const Bytes cache = FileBytes(folder_.Path() / "Trans.qix");
    {
        Database other(folder_.Path());
        Table& rows = other.Open("Trans.dbf", RowSchema());
        Transaction change = other.Begin();
        Record record = rows.Read(1);
        record.SetText("LOANNO", "9");
        change.Replace(rows, 1, record);
        change.Commit();
    }
    WriteBytes(folder_.Path() / "Trans.qix", cache); // the cache of the state before
    Database database(folder_.Path());
    Table& rows = database.Open("Trans.dbf", RowSchema());
    EXPECT_EQ(rows.RecordsWithKey("LOANNO", "9"), (std::vector<RecNo>{1}));
    EXPECT_TRUE(rows.RecordsWithKey("LOANNO", "1").empty());
}

// A program killed while it wrote an index cache leaves its temporary file (megabytes for a
// large table); the next open removes those whose process is gone, and nothing else.
TEST_F(IndexTest, TemporariesOfProcessesThatAreGoneAreRemovedAtOpen) {
    const pid_t gone = ::fork();
    if (gone == 0) {
        ::_exit(0);
    }
    ASSERT_GT(gone, 0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const std::string dead = std::to_string(gone);
    const std::string live = std::to_string(::getpid());
    struct Case {
        std::string name;
        bool removed;
    };
    const Case cases[] = {
        {".Trans.qix.tmp-" + dead, true},
        {".Accnts.qix.tmp-" + dead, true},
        {".Trans.qix.tmp-" + live, false},       // a live process may be about to rename it
        {".Trans.qix.tmp-1", false},             // init: alive
        {".Trans.qix.tmp-" + dead + "x", false}, // not a name of ours
        {".Trans.qix.tmp-0" + dead, false},
        {"Trans.qix.tmp-" + dead, false},
        {".Trans.dbf.tmp-" + dead, false},
        {"..qix.tmp-" + dead, false},
    };
    for (const Case& c : cases) {
        WriteBytes(folder_.Path() / c.name, Bytes(100, 'x'));
    }
    Database database(folder_.Path());
    for (const Case& c : cases) {
        EXPECT_EQ(std::filesystem::exists(folder_.Path() / c.name), !c.removed) << c.name;
    }
}

} // namespace
} // namespace quarvex::dbase
