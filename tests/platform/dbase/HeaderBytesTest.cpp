#include "DbaseTestSupport.h"

#include "platform/dbase/Date.h"

#include <gtest/gtest.h>

#include <string>

namespace quarvex::dbase {
namespace {

using namespace testing;

// The bytes the dBASE III format prescribes for a small table, put together by hand from the
// published layout rather than from the engine's own encoder.
class ExpectedFile {
public:
    void Byte(int value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
    void Zeros(int count) { bytes_.insert(bytes_.end(), static_cast<std::size_t>(count), 0); }
    void Text(const std::string& text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }
    void Descriptor(const std::string& name, char type, int length, int decimals) {
        Text(name);
        Zeros(11 - static_cast<int>(name.size())); // name, NUL-padded to 11 bytes
        Byte(type);
        Zeros(4); // field data address, unused on disk
        Byte(length);
        Byte(decimals);
        Zeros(14); // reserved
    }
    const Bytes& Get() const { return bytes_; }

private:
    Bytes bytes_;
};

TEST(HeaderBytesTest, ATinyTableHasThePublishedLayoutByteForByte) {
    quarvex::testing::TempDirectory folder;
    FixedClock clock(k5March2024);
    {
        Database database(folder.Path(), WithClock(clock));
        const TableSchema schema{{TextField("NAME", 6), FieldSpec{"QTY", FieldType::Numeric, 5, 1},
                                  DateField("DUE"), LogicalField("PAID")},
                                 {}};
        Table& table = database.Open("Tiny.dbf", schema);
        AppendRecords(database, table, 2, [](Record& record, int index) {
            if (index == 0) {
                record.SetText("NAME", "Zoë");
                record.SetNumber("QTY", 12.5);
                record.SetDate("DUE", Date{2024, 2, 29});
                record.SetLogical("PAID", true);
            } else {
                record.SetText("NAME", "Amy");
                record.SetNumber("QTY", 0);
            }
        });
        Transaction change = database.Begin();
        change.Delete(table, 2);
        change.Commit();
    }

    ExpectedFile expected;
    expected.Byte(0x03);        // dBASE III, no memo file
    expected.Byte(2024 - 1900); // last update: year - 1900,
    expected.Byte(3);           // month,
    expected.Byte(5);           // day
    expected.Byte(2);           // record count, 32 bits little-endian
    expected.Zeros(3);
    expected.Byte(161); // header length: 32 + 4 * 32 + 1
    expected.Byte(0);
    expected.Byte(21); // record length: 1 + 6 + 5 + 8 + 1
    expected.Byte(0);
    expected.Zeros(4); // reserved
    expected.Byte(2);  // our change counter: two changes since creation
    expected.Zeros(3);
    expected.Zeros(9);   // reserved
    expected.Byte(0x03); // language driver: Windows ANSI (code page 1252)
    expected.Zeros(2);   // reserved
    expected.Descriptor("NAME", 'C', 6, 0);
    expected.Descriptor("QTY", 'N', 5, 1);
    expected.Descriptor("DUE", 'D', 8, 0);
    expected.Descriptor("PAID", 'L', 1, 0);
    expected.Byte(0x0D);         // end of the field descriptors
    expected.Text(" Zo\xEB   "); // kept record: flag, name in Windows-1252, blank-padded
    expected.Text(" 12.5");      // number right-aligned
    expected.Text("20240229");   // date YYYYMMDD
    expected.Text("T");          // logical
    expected.Text("*Amy   ");    // deleted record
    expected.Text("  0.0");
    expected.Text("        "); // no date
    expected.Text(" ");        // unset logical
    expected.Byte(0x1A);       // end of file

    const Bytes actual = FileBytes(folder / "Tiny.dbf");
    ASSERT_EQ(actual.size(), expected.Get().size());
    for (std::size_t at = 0; at < actual.size(); ++at) {
        EXPECT_EQ(actual[at], expected.Get()[at]) << "byte " << at;
    }
}

TEST(HeaderBytesTest, DayNumbersBecomeCalendarDates) {
    EXPECT_EQ(DateFromDayNumber(0), (Date{1600, 1, 1}));
    EXPECT_EQ(DateFromDayNumber(59), (Date{1600, 2, 29}));
    EXPECT_EQ(DateFromDayNumber(k5March2024), (Date{2024, 3, 5}));
    EXPECT_EQ(DateFromDayNumber(876581), (Date{3999, 12, 31}));
}

} // namespace
} // namespace quarvex::dbase
