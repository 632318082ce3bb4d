#include "DbaseTestSupport.h"

#include "platform/dbase/DbaseErrors.h"
#include "platform/dbase/Journal.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace quarvex::dbase {
namespace {

using namespace testing;
using ::testing::HasSubstr;

// A sound table of two records, then one fault at a time: each must be refused with a message
// that names the file and the fault, and the file must stay as it was.
class DamagedFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        Database database(folder_.Path());
        Table& table = database.Open("Loans.dbf", LoanSchema());
        AppendRecords(database, table, 2, [](Record& record, int index) {
            record.SetText("LOANNO", std::to_string(index + 1));
            record.SetNumber("PV", 1000.0 * (index + 1));
        });
        database.Close(table);
        sound_ = FileBytes(folder_ / "Loans.dbf");
        std::filesystem::remove(folder_ / "Loans.qix");
    }

    quarvex::testing::TempDirectory folder_;
    Bytes sound_;
};

TEST_F(DamagedFileTest, EveryFaultIsRefusedClearlyAndNothingIsChanged) {
    const std::size_t header = sound_[8] | sound_[9] << 8;
    const auto setHeaderLength = [](Bytes& bytes, std::size_t length) {
        bytes[8] = static_cast<std::uint8_t>(length);
        bytes[9] = static_cast<std::uint8_t>(length >> 8);
    };
    struct Case {
        const char* name;
        std::function<void(Bytes&)> damage;
        const char* message;
    };
    const Case cases[] = {
        {"empty file", [](Bytes& bytes) { bytes.clear(); }, "shorter than a table header"},
        {"truncated header", [](Bytes& bytes) { bytes.resize(20); }, "shorter than a table header"},
        {"header cut inside the fields", [](Bytes& bytes) { bytes.resize(100); },
         "beyond the end of the file"},
        {"record count beyond the file", [](Bytes& bytes) { bytes[4] = 3; },
         "holds 3 records, but the file ends after 2"},
        {"huge record count", [](Bytes& bytes) { bytes[7] = 0x7F; }, "records, but the file ends"},
        {"record count lowered, the records still there", [](Bytes& bytes) { bytes[4] = 1; },
         "holds 1 records, but the file goes on for 71 bytes after them (1 more records)"},
        {"record count 0, the records still there", [](Bytes& bytes) { bytes[4] = 0; },
         "holds 0 records, but the file goes on for 141 bytes after them (2 more records)"},
        {"last record cut short", [&](Bytes& bytes) { bytes.resize(bytes.size() - 10); },
         "file ends after 1"},
        {"bytes after the end mark",
         [](Bytes& bytes) {
             bytes.insert(bytes.end(), {0, 0, 0});
         },
         "the file goes on for 4 bytes after them"},
        {"another byte in place of the end mark", [](Bytes& bytes) { bytes.back() = 'x'; },
         "the file goes on for 1 bytes after them"},
        {"bad terminator", [&](Bytes& bytes) { bytes[header - 1] = 0x20; },
         "does not end with the terminator byte 0x0D"},
        {"header length one more", [&](Bytes& bytes) { setHeaderLength(bytes, header + 1); },
         "the header length 226 does not match its 6 fields, which need 225"},
        {"header length one descriptor more",
         [&](Bytes& bytes) { setHeaderLength(bytes, header + 32); },
         "the header length 257 does not match its 6 fields"},
        {"header length one less", [&](Bytes& bytes) { setHeaderLength(bytes, header - 1); },
         "does not end with the terminator byte 0x0D"},
        {"record length that does not match", [](Bytes& bytes) { bytes[10] += 1; },
         "record length"},
        {"field width that does not match the record length",
         [](Bytes& bytes) { bytes[32 + 16] += 1; },
         "the record length 70 does not match its fields, which need 71"},
        {"memo field", [](Bytes& bytes) { bytes[32 + 11] = 'M'; }, "type 'M'"},
        {"other version", [](Bytes& bytes) { bytes[0] = 0x30; }, "first byte 0x30"},
        {"nameless field", [](Bytes& bytes) { bytes[32] = 0; }, "field 1 has no valid name"},
        {"bad date width", [](Bytes& bytes) { bytes[32 + 3 * 32 + 16] = 6; }, "width of 6"},
        {"header length too short", [&](Bytes& bytes) { setHeaderLength(bytes, 40); },
         "leaves no room for a field"},
    };
    for (const OpenMode mode : {OpenMode::Shared, OpenMode::Exclusive}) {
        for (const Case& c : cases) {
            Bytes damaged = sound_;
            c.damage(damaged);
            WriteBytes(folder_ / "Loans.dbf", damaged);
            try {
                Database database(folder_.Path());
                database.Open("Loans.dbf", LoanSchema(), mode);
                ADD_FAILURE() << c.name << ": opened";
            } catch (const EDamagedTable& error) {
                EXPECT_THAT(error.Message(), HasSubstr("\"Loans.dbf\"")) << c.name;
                EXPECT_THAT(error.Message(), HasSubstr(c.message)) << c.name;
            }
            EXPECT_EQ(FileBytes(folder_ / "Loans.dbf"), damaged) << c.name;
            EXPECT_FALSE(std::filesystem::exists(folder_ / "Loans.qix")) << c.name;
        }
    }
}

TEST_F(DamagedFileTest, AMissingEndMarkAndTheHeaderOfTheFirstDbase3AreAccepted) {
    Bytes bytes = sound_;
    bytes.pop_back();
    WriteBytes(folder_ / "Loans.dbf", bytes);
    {
        Database database(folder_.Path());
        EXPECT_EQ(database.Open("Loans.dbf", LoanSchema()).Read(2).Text("LOANNO"), "2");
    }
    // The first dBASE III put a NUL byte after the terminator and counted it in the header.
    bytes = sound_;
    const std::size_t header = bytes[8] | bytes[9] << 8;
    bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(header), 0);
    bytes[8] = static_cast<std::uint8_t>(header + 1);
    WriteBytes(folder_ / "Loans.dbf", bytes);
    Database database(folder_.Path());
    Table& table = database.Open("Loans.dbf", LoanSchema());
    EXPECT_EQ(table.RecordCount(), 2u);
    EXPECT_EQ(table.Read(2).Number("PV"), 2000.0);
}

// Another program damages the table while it is open: the next read and the next change are
// refused, and no byte of the file is written.
TEST_F(DamagedFileTest, ATableDamagedWhileOpenIsNeverWritten) {
    for (const OpenMode mode : {OpenMode::Shared, OpenMode::Exclusive}) {
        WriteBytes(folder_ / "Loans.dbf", sound_);
        Database database(folder_.Path());
        Table& table = database.Open("Loans.dbf", LoanSchema(), mode);
        ASSERT_EQ(table.RecordCount(), 2u);
        Bytes damaged = sound_;
        damaged[4] = 1; // the count lowered, both records still in the file
        WriteBytes(folder_ / "Loans.dbf", damaged);
        EXPECT_THROW(table.RecordCount(), EDamagedTable);
        {
            Transaction change = database.Begin();
            EXPECT_THROW(change.Append(table, table.NewRecord()), EDamagedTable);
        }
        EXPECT_EQ(FileBytes(folder_ / "Loans.dbf"), damaged);
    }
}

// Damage that comes between the start of a change and its commit, from a program that does
// not take our locks: the commit is refused before it writes.
TEST_F(DamagedFileTest, ATableDamagedDuringAChangeIsNotWritten) {
    Database database(folder_.Path());
    Table& table = database.Open("Loans.dbf", LoanSchema());
    Transaction change = database.Begin();
    Record record = table.NewRecord();
    record.SetText("LOANNO", "3");
    change.Append(table, record);
    Bytes damaged = sound_;
    damaged[4] = 1;
    WriteBytes(folder_ / "Loans.dbf", damaged);
    EXPECT_THROW(change.Commit(), ETableMismatch);
    EXPECT_EQ(FileBytes(folder_ / "Loans.dbf"), damaged);
    EXPECT_FALSE(std::filesystem::exists(folder_ / kJournalName));
}

TEST_F(DamagedFileTest, ATableWithoutTheFieldsTheProgramNeedsIsRefused) {
    Database database(folder_.Path());
    TableSchema more = LoanSchema();
    more.fields.push_back(NumberField("POINTS", 4));
    EXPECT_THROW(database.Open("Loans.dbf", more), ETableMismatch);
    TableSchema otherType = LoanSchema();
    otherType.fields[1] = TextField("PV", 24);
    EXPECT_THROW(database.Open("Loans.dbf", otherType), ETableMismatch);
    EXPECT_EQ(FileBytes(folder_ / "Loans.dbf"), sound_);
}

} // namespace
} // namespace quarvex::dbase
