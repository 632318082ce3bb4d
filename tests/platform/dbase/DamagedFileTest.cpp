#include "DbaseTestSupport.h"

#include "platform/dbase/DbaseErrors.h"

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
        {"last record cut short", [&](Bytes& bytes) { bytes.resize(bytes.size() - 10); },
         "file ends after 1"},
        {"bad terminator", [&](Bytes& bytes) { bytes[header - 1] = 0x20; },
         "does not end with the terminator byte 0x0D"},
        {"record length that does not match", [](Bytes& bytes) { bytes[10] += 1; },
         "record length"},
        {"memo field", [](Bytes& bytes) { bytes[32 + 11] = 'M'; }, "type 'M'"},
        {"other version", [](Bytes& bytes) { bytes[0] = 0x30; }, "first byte 0x30"},
        {"nameless field", [](Bytes& bytes) { bytes[32] = 0; }, "field 1 has no valid name"},
        {"bad date width", [](Bytes& bytes) { bytes[32 + 3 * 32 + 16] = 6; }, "width of 6"},
        {"header length too short", [](Bytes& bytes) { bytes[8] = 40, bytes[9] = 0; },
         "leaves no room for a field"},
    };
    for (const Case& c : cases) {
        Bytes damaged = sound_;
        c.damage(damaged);
        WriteBytes(folder_ / "Loans.dbf", damaged);
        try {
            Database database(folder_.Path());
            database.Open("Loans.dbf", LoanSchema());
            ADD_FAILURE() << c.name << ": opened";
        } catch (const EDamagedTable& error) {
            EXPECT_THAT(error.Message(), HasSubstr("\"Loans.dbf\"")) << c.name;
            EXPECT_THAT(error.Message(), HasSubstr(c.message)) << c.name;
        }
        EXPECT_EQ(FileBytes(folder_ / "Loans.dbf"), damaged) << c.name;
        EXPECT_FALSE(std::filesystem::exists(folder_ / "Loans.qix")) << c.name;
    }
}

TEST_F(DamagedFileTest, AMissingEndMarkAndExtraBytesAfterItAreAccepted) {
    Bytes bytes = sound_;
    bytes.pop_back();
    WriteBytes(folder_ / "Loans.dbf", bytes);
    {
        Database database(folder_.Path());
        EXPECT_EQ(database.Open("Loans.dbf", LoanSchema()).Read(2).Text("LOANNO"), "2");
    }
    bytes = sound_;
    bytes.insert(bytes.end(), {0, 0, 0});
    WriteBytes(folder_ / "Loans.dbf", bytes);
    Database database(folder_.Path());
    EXPECT_EQ(database.Open("Loans.dbf", LoanSchema()).RecordCount(), 2u);
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
