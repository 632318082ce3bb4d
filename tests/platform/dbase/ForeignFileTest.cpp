#include "DbaseTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace quarvex::dbase {
namespace {

using namespace testing;

// A table as other dBASE III writers commonly leave it, built byte by byte: a header with a
// padding byte after the terminator (header length 32n + 34), the language byte 0x57, the
// field offsets filled into the descriptors' address bytes, names in mixed case, a text
// padded with NULs, numbers without our padding, Y/N logicals, a deleted record, no end mark,
// and a year byte of 1999.
Bytes ForeignTable() {
    Bytes bytes;
    const auto put = [&](std::initializer_list<int> values) {
        for (const int value : values) {
            bytes.push_back(static_cast<std::uint8_t>(value));
        }
    };
    const auto text = [&](const std::string& value) {
        bytes.insert(bytes.end(), value.begin(), value.end());
    };
    const auto descriptor = [&](const std::string& name, char type, int offset, int length,
                                int decimals) {
        text(name);
        bytes.insert(bytes.end(), 11 - name.size(), 0);
        put({type, offset, 0, 0, 0, length, decimals});
        bytes.insert(bytes.end(), 14, 0);
    };
    put({0x03, 99, 12, 31});          // dBASE III, updated 31 December 1999
    put({3, 0, 0, 0});                // three records
    put({32 + 4 * 32 + 2, 0});        // header length with one padding byte
    put({1 + 10 + 8 + 8 + 1, 0});     // record length 28
    bytes.insert(bytes.end(), 17, 0); // reserved
    put({0x57, 0, 0});                // language driver of another writer, reserved
    descriptor("Name", 'C', 1, 10, 0);
    descriptor("Amount", 'N', 11, 8, 2);
    descriptor("Due", 'D', 19, 8, 0);
    descriptor("Ok", 'L', 27, 1, 0);
    put({0x0D, 0x00}); // terminator and the padding byte
    text(" Smith");
    put({0, 0, 0, 0, 0}); // NUL padding
    text("   12.50");
    text("19991231");
    text("Y");
    text("*Gone      ");
    text("    1.00");
    text("        ");
    text("N");
    text(" Jones     ");
    text("-1234.5 "); // left-aligned, as some writers do
    text("        ");
    text("?");
    return bytes; // no 0x1A at the end
}

TEST(ForeignFileTest, ReadsAnotherWritersTableAndKeepsItsBytesWhenChangingIt) {
    quarvex::testing::TempDirectory folder;
    const Bytes original = ForeignTable();
    WriteBytes(folder / "OTHER.DBF", original);
    FixedClock clock(k5March2024);
    Database database(folder.Path(), WithClock(clock));
    Table& table = database.Open("other.dbf", TableSchema{{}, {{"NAME", "UPPER(NAME)"}}});

    ASSERT_EQ(table.RecordCount(), 3u);
    const Record smith = table.Read(1);
    EXPECT_EQ(smith.Text("NAME"), "Smith");
    EXPECT_EQ(smith.Number("AMOUNT"), 12.5);
    EXPECT_EQ(smith.DateValue("DUE"), (Date{1999, 12, 31}));
    EXPECT_EQ(smith.Logical("OK"), true);
    EXPECT_TRUE(table.Read(2).IsDeleted());
    EXPECT_EQ(table.Read(2).Logical("OK"), false);
    const Record jones = table.Read(3);
    EXPECT_EQ(jones.Number("AMOUNT"), -1234.5);
    EXPECT_EQ(jones.DateValue("DUE"), std::nullopt);
    EXPECT_EQ(jones.Logical("OK"), std::nullopt);

    Cursor byName(table, "NAME");
    EXPECT_EQ(Walk(byName, "NAME"), (std::vector<std::string>{"Jones", "Smith"}));

    Record added = table.NewRecord();
    added.SetText("NAME", "Brown");
    added.SetNumber("AMOUNT", 7.25);
    added.SetLogical("OK", true);
    Transaction change = database.Begin();
    change.Append(table, added);
    Record edited = table.Read(3);
    edited.SetNumber("AMOUNT", 99);
    change.Replace(table, 3, edited);
    change.Commit();

    const Bytes after = FileBytes(folder / "OTHER.DBF");
    ASSERT_EQ(after.size(), original.size() + 28 + 1);
    // Only the date, the count and our counter changed in the header; the other writer's
    // bytes (address bytes, language, padding) are as they were.
    for (std::size_t at = 0; at < 162; ++at) {
        const bool ours = (at >= 1 && at <= 7) || (at >= 16 && at <= 19);
        if (!ours) {
            EXPECT_EQ(after[at], original[at]) << "header byte " << at;
        }
    }
    EXPECT_EQ(after[1], 124);
    EXPECT_EQ(after[4], 4);
    EXPECT_EQ(std::string(after.begin() + 162, after.begin() + 162 + 56),
              std::string(original.begin() + 162, original.begin() + 162 + 56));
    EXPECT_EQ(std::string(after.begin() + 162 + 56 + 11, after.begin() + 162 + 56 + 19),
              "   99.00");
    EXPECT_EQ(std::string(after.begin() + 162 + 84, after.end()),
              std::string(" Brown         7.25        T\x1A"));
    EXPECT_EQ(Walk(byName, "NAME"), (std::vector<std::string>{"Brown", "Jones", "Smith"}));
}

} // namespace
} // namespace quarvex::dbase
