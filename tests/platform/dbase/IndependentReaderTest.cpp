#include "DbaseTestSupport.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "support/Dbfread.h"

// Our tables read by an independent dBASE reader, Python's dbfread (installed by
// scripts/setup; its absence fails the test): the columns, types and values it finds must
// be those we wrote, the lengths in the header must account for the whole file, and rates
// must carry exactly the decimals their field declares.
namespace quarvex::dbase {
namespace {

using namespace testing;
using quarvex::testing::FindPythonWithDbfread;
using quarvex::testing::OutputLines;

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream stream(line);
    while (std::getline(stream, part, '|')) {
        parts.push_back(part);
    }
    return parts;
}

bool SameBits(double left, double right) {
    return std::memcmp(&left, &right, sizeof left) == 0;
}

TEST(IndependentReaderTest, DbfreadFindsOurColumnsAndValues) {
    const std::string python = FindPythonWithDbfread();
    ASSERT_FALSE(python.empty()) << "no Python with dbfread: scripts/setup installs it";
    quarvex::testing::TempDirectory folder;
    const std::vector<double> amounts = {0.1,  1e-7,    123456789.123456789, -999999999999.99,
                                         -0.5, DBL_MAX, 1.0 / 3.0,           322.67};
    // Rates and fractions as a schedule holds them, in a field declared for them.
    const std::vector<double> rates = {7.25,      7.25 / 12, 7.25 / 365,         0.0,
                                       1.0 / 365, 999.5,     1.0333333333333334, 0.0001};
    {
        Database database(folder.Path());
        Table& table = database.Open(
            "Loans.dbf",
            TableSchema{{TextField("NAME", 20), NumberField("AMOUNT", 2), IntegerField("COUNT", 5),
                         DateField("DUE"), LogicalField("PAID"), NumberField("RATE", 24, 20)},
                        {}});
        const int count = static_cast<int>(amounts.size());
        AppendRecords(database, table, count + 1, [&](Record& record, int index) {
            if (index == count) {
                record.SetText("NAME", "deleted");
                return;
            }
            record.SetText("NAME", index == 0 ? "Émile Zoë €" : "row " + std::to_string(index));
            record.SetNumber("AMOUNT", amounts[index]);
            record.SetInteger("COUNT", -index);
            if (index % 2 == 0) {
                record.SetDate("DUE", Date{2024, 2, 29});
            }
            record.SetLogical("PAID", index % 3 == 0);
            record.SetNumber("RATE", rates[index]);
        });
        Transaction change = database.Begin();
        change.Delete(table, static_cast<RecNo>(count + 1));
        change.Commit();
    }
    const std::filesystem::path script = folder / "read.py";
    {
        std::ofstream out(script);
        out << "import sys, dbfread\n"
               "table = dbfread.DBF(sys.argv[1], load=True)\n"
               "print('|'.join('%s:%s:%d:%d' % (f.name, f.type, f.length, f.decimal_count)"
               " for f in table.fields))\n"
               "for record in table.records:\n"
               "    print('|'.join(repr(value) for value in record.values()))\n"
               "print('deleted %d' % len(table.deleted))\n"
               "header = table.header\n"
               "with open(sys.argv[1], 'rb') as f: data = f.read()\n"
               "print('lengths %d %d %d' % (header.headerlen - 33 - 32 * len(table.fields),"
               " header.recordlen - 1 - sum(f.length for f in table.fields),"
               " len(data) - header.headerlen - header.numrecords * header.recordlen))\n"
               "print('end mark %d' % data[-1])\n"
               "raw = dbfread.DBF(sys.argv[1], raw=True, load=True)\n"
               "print('rates %s' % ' '.join(r['RATE'].strip().decode() for r in raw.records))\n";
    }
    const std::vector<std::string> lines =
        OutputLines("PYTHONIOENCODING=utf-8 " + python + " " + script.string() + " " +
                    (folder / "Loans.dbf").string() + " 2>&1");
    ASSERT_EQ(lines.size(), amounts.size() + 5) << (lines.empty() ? "" : lines.front());
    EXPECT_EQ(lines[0], "NAME:C:20:0|AMOUNT:N:24:2|COUNT:N:5:0|DUE:D:8:0|PAID:L:1:0|RATE:N:24:20");
    // dbfread hides deleted records.
    EXPECT_EQ(lines[amounts.size() + 1], "deleted 1");
    // Header length and record length those of the fields; the records and the end mark
    // fill the file exactly.
    EXPECT_EQ(lines[amounts.size() + 2], "lengths 0 0 1");
    EXPECT_EQ(lines[amounts.size() + 3], "end mark 26");
    // Every rate has exactly the 20 decimals its field declares, and reads back exactly.
    std::istringstream written(lines.back().substr(std::string("rates ").size()));
    for (const double rate : rates) {
        std::string text;
        written >> text;
        EXPECT_EQ(text.size() - text.find('.') - 1, 20u) << text;
        EXPECT_TRUE(SameBits(std::strtod(text.c_str(), nullptr), rate)) << text;
    }
    for (std::size_t index = 0; index < amounts.size(); ++index) {
        const std::vector<std::string> values = Split(lines[index + 1]);
        ASSERT_EQ(values.size(), 6u) << lines[index + 1];
        EXPECT_EQ(values[0], index == 0 ? "'Émile Zoë €'" : "'row " + std::to_string(index) + "'");
        const double amount = std::strtod(values[1].c_str(), nullptr);
        EXPECT_TRUE(SameBits(amount, amounts[index]))
            << "wrote " << amounts[index] << ", dbfread read " << values[1];
        EXPECT_EQ(values[2], std::to_string(-static_cast<int>(index)));
        EXPECT_EQ(values[3], index % 2 == 0 ? "datetime.date(2024, 2, 29)" : "None");
        EXPECT_EQ(values[4], index % 3 == 0 ? "True" : "False");
    }
}

} // namespace
} // namespace quarvex::dbase
