#include "DbaseTestSupport.h"

#include "framework/codec/CodecErrors.h"
#include "platform/dbase/DbaseErrors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>

namespace quarvex::dbase {
namespace {

using namespace testing;
using ::testing::HasSubstr;

TableSchema EveryTypeSchema() {
    return TableSchema{{TextField("NAME", 20), NumberField("AMOUNT", 2), NumberField("RATE", 8),
                        IntegerField("COUNT", 6), DateField("DUE"), LogicalField("PAID"),
                        FieldSpec{"RATIO", FieldType::Float, 24, 4}},
                       {}};
}

class RecordTest : public ::testing::Test {
protected:
    // Writes the records made with Blank(), then reads them back through a new database on
    // the same folder.
    std::vector<Record> RoundTrip(const std::vector<Record>& records) {
        {
            Transaction change = database_->Begin();
            for (const Record& record : records) {
                change.Append(*table_, record);
            }
            change.Commit();
        }
        table_ = nullptr;
        database_.reset();
        Database database(folder_.Path());
        Table& table = database.Open("Every.dbf", EveryTypeSchema());
        std::vector<Record> read;
        for (RecNo number = 1; number <= table.RecordCount(); ++number) {
            read.push_back(table.Read(number));
        }
        return read;
    }

    Record Blank() {
        if (!table_) {
            database_ = std::make_unique<Database>(folder_.Path());
            table_ = &database_->Open("Every.dbf", EveryTypeSchema());
        }
        return table_->NewRecord();
    }

    quarvex::testing::TempDirectory folder_;
    std::unique_ptr<Database> database_;
    Table* table_ = nullptr;
};

TEST_F(RecordTest, EveryFieldTypeComesBack) {
    Record full = Blank();
    full.SetText("NAME", "Émile Zoë – 5 €");
    full.SetNumber("AMOUNT", -123456.78);
    full.SetNumber("RATE", 0.1);
    full.SetInteger("COUNT", -42);
    full.SetDate("DUE", Date{2024, 2, 29});
    full.SetLogical("PAID", true);
    full.SetNumber("RATIO", 1e-7);
    Record empty = Blank();
    Record other = Blank();
    other.SetText("name", "  leading kept   ");
    other.SetNumber("AMOUNT", 123456789.123456789);
    other.SetNumber("RATE", -DBL_MAX);
    other.SetDate("DUE", Date{1, 1, 1});
    other.SetLogical("PAID", false);

    const std::vector<Record> read = RoundTrip({full, empty, other});
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0].Text("NAME"), "Émile Zoë – 5 €");
    EXPECT_EQ(read[0].Number("AMOUNT"), -123456.78);
    EXPECT_EQ(read[0].Number("RATE"), 0.1);
    EXPECT_EQ(read[0].Integer("COUNT"), -42);
    EXPECT_EQ(read[0].DateValue("DUE"), (Date{2024, 2, 29}));
    EXPECT_EQ(read[0].Logical("PAID"), true);
    EXPECT_EQ(read[0].Number("RATIO"), 1e-7);
    EXPECT_FALSE(read[0].IsDeleted());

    EXPECT_EQ(read[1].Text("NAME"), "");
    EXPECT_EQ(read[1].Number("AMOUNT"), std::nullopt);
    EXPECT_EQ(read[1].DateValue("DUE"), std::nullopt);
    EXPECT_EQ(read[1].Logical("PAID"), std::nullopt);
    for (std::size_t field = 0; field < read[1].Fields().FieldCount(); ++field) {
        EXPECT_TRUE(read[1].IsEmpty(field)) << read[1].Fields().Field(field).name;
    }

    EXPECT_EQ(read[2].Text("NAME"), "  leading kept");
    EXPECT_EQ(read[2].Number("AMOUNT"), 123456789.123456789);
    EXPECT_EQ(read[2].Number("RATE"), -DBL_MAX);
    EXPECT_EQ(read[2].DateValue("DUE"), (Date{1, 1, 1}));
    EXPECT_EQ(read[2].Logical("PAID"), false);
}

TEST_F(RecordTest, TheStoredBytesAreWindows1252) {
    Record record = Blank();
    record.SetText("NAME", "Zoë €");
    EXPECT_EQ(record.Raw(0), std::string("Zo\xEB \x80") + std::string(15, ' '));
}

TEST_F(RecordTest, RefusesTextsItCannotStoreAndKeepsTheOldValue) {
    Record record = Blank();
    record.SetText("NAME", "kept");
    struct Case {
        std::string text;
        const char* why;
    };
    const Case cases[] = {
        {"twenty-one characters", "too long"},
        {"日本", "cannot be stored"},
        {"\xC3(", "cannot be stored"},
        {std::string("a\0b", 3), "NUL"},
    };
    for (const Case& c : cases) {
        try {
            record.SetText("NAME", c.text);
            ADD_FAILURE() << "accepted \"" << c.text << "\"";
        } catch (const codec::ENotStorable& error) {
            EXPECT_THAT(error.Message(), HasSubstr(c.why)) << c.text;
            EXPECT_THAT(error.Message(), HasSubstr("NAME")) << c.text;
            EXPECT_THAT(error.Message(), HasSubstr("Every.dbf")) << c.text;
        }
        EXPECT_EQ(record.Text("NAME"), "kept");
    }
    // Exactly as wide as the field, and trailing blanks that carry nothing, are fine.
    record.SetText("NAME", "twenty characters!!!");
    record.SetText("NAME", "nineteen characters    ");
    EXPECT_EQ(record.Text("NAME"), "nineteen characters");
}

TEST_F(RecordTest, RefusesNumbersAndDatesItCannotStore) {
    Record record = Blank();
    record.SetNumber("AMOUNT", 1.5);
    EXPECT_THROW(record.SetNumber("AMOUNT", NAN), codec::ENotStorable);
    EXPECT_THROW(record.SetNumber("AMOUNT", -INFINITY), codec::ENotStorable);
    EXPECT_THROW(record.SetNumber("COUNT", 2.5), codec::ENotStorable);
    EXPECT_THROW(record.SetInteger("COUNT", 12345678), codec::ENotStorable);
    EXPECT_THROW(record.SetDate("DUE", Date{2023, 2, 29}), codec::ENotStorable);
    EXPECT_THROW(record.SetDate("DUE", Date{10000, 1, 1}), codec::ENotStorable);
    EXPECT_EQ(record.Number("AMOUNT"), 1.5);
    EXPECT_EQ(record.DateValue("DUE"), std::nullopt);
}

TEST_F(RecordTest, RefusesValuesOfTheWrongKindAndUnknownFields) {
    Record record = Blank();
    EXPECT_THROW(record.SetText("AMOUNT", "12"), EInvalidRequest);
    EXPECT_THROW(record.SetNumber("NAME", 12), EInvalidRequest);
    EXPECT_THROW(record.SetLogical("DUE", true), EInvalidRequest);
    EXPECT_THROW((void)record.Number("PAID"), EInvalidRequest);
    EXPECT_THROW(record.SetText("NOSUCH", "x"), EInvalidRequest);
    EXPECT_THROW(record.SetText(99, "x"), EInvalidRequest);
}

TEST_F(RecordTest, ValuesAFileHoldsInTheWrongFormAreReportedNotGuessed) {
    {
        Database database(folder_.Path());
        Table& table = database.Open("Every.dbf", EveryTypeSchema());
        AppendRecords(database, table, 1, [](Record& record, int) {
            record.SetNumber("AMOUNT", 1);
            record.SetDate("DUE", Date{2024, 1, 31});
        });
    }
    // Damage the stored texts of the number and the date in place, as another program might.
    const auto path = folder_.Path() / "Every.dbf";
    Bytes bytes = FileBytes(path);
    const std::size_t header = bytes[8] | bytes[9] << 8;
    const std::size_t amount = header + 1 + 20;
    std::memcpy(&bytes[amount], "                  12a ", 22);
    const std::size_t due = amount + 24 + 24 + 6;
    std::memcpy(&bytes[due], "20240231", 8);
    WriteBytes(path, bytes);

    Database database(folder_.Path());
    Record record = database.Open("Every.dbf", EveryTypeSchema()).Read(1);
    try {
        (void)record.Number("AMOUNT");
        ADD_FAILURE() << "read a damaged number";
    } catch (const EDamagedTable& error) {
        EXPECT_THAT(error.Message(), HasSubstr("record 1"));
        EXPECT_THAT(error.Message(), HasSubstr("AMOUNT"));
        EXPECT_THAT(error.Message(), HasSubstr("12a"));
    }
    EXPECT_THROW((void)record.DateValue("DUE"), EDamagedTable);
}

} // namespace
} // namespace quarvex::dbase
