#include "AmortDbTestSupport.h"

#include "amortization/database/LoanColumns.h"
#include "amortization/database/RowColumns.h"
#include "platform/dbase/Layout.h"
#include "platform/dbase/Record.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

// The number fields of real schedules as they are written: every value reads back bit for
// bit, rates and fractions never carry more decimals than their fields declare, and amounts
// of whole cents are written with exactly their 2 decimals.
namespace quarvex::amortization::database {
namespace {

using namespace testing;

bool SameBits(double left, double right) {
    return std::memcmp(&left, &right, sizeof left) == 0;
}

std::string Trimmed(std::string_view raw) {
    const std::size_t first = raw.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(raw.substr(first));
}

// The decimals of a number's text; -1 for exponent notation.
int DecimalsOf(const std::string& text) {
    if (text.find_first_of("eE") != std::string::npos) {
        return -1;
    }
    const std::size_t point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

bool IsWholeCents(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return SameBits(std::strtod(text, nullptr), value);
}

// Checks every number field with decimals of a written record.
void ExpectDeclaredDecimals(const dbase::Record& record, const std::string& context) {
    const dbase::Layout& layout = record.Fields();
    for (std::size_t field = 0; field < layout.FieldCount(); ++field) {
        const dbase::FieldSpec& spec = layout.Field(field);
        if (spec.type != dbase::FieldType::Numeric || spec.decimals == 0) {
            continue;
        }
        const std::string text = Trimmed(record.Raw(field));
        const double value = std::strtod(text.c_str(), nullptr);
        if (spec.decimals == 2 && !IsWholeCents(value)) {
            continue; // an amount the engine left with more digits: kept whole, all the same
        }
        EXPECT_EQ(DecimalsOf(text), static_cast<int>(spec.decimals))
            << context << " " << spec.name << " " << text;
    }
}

template <typename Schema>
std::shared_ptr<const dbase::Layout> LayoutOf(std::string_view file, const Schema& schema) {
    return std::make_shared<const dbase::Layout>(std::string(file), schema.fields);
}

constexpr const char* kLoans[] = {
    "",
    "pv=250000 n=360 rate=6.875",
    "pv=12345.67 n=60 rate=0.5 points=1.25",
    "pv=98765.43 n=180 rate=19.99 period=2",
    "pv=5000 n=36 rate=3.3 method=1",
};

// Writes every row of the loan into a record of the layout and reads it back: each number
// must come back bit for bit; `declared` checks the decimals as written too.
void ExpectRowsComeBack(const std::shared_ptr<const dbase::Layout>& layout, const char* words,
                        bool declared) {
    const RowColumns columns(*layout);
    const CalculatedLoan loan = Calculate(words);
    for (const TTransRec& row : loan.schedule.Records()) {
        const std::string context = std::string(words) + " row " + std::to_string(row.TransNo);
        dbase::Record record(layout);
        columns.Fill(record, "1", row, FixedStamp());
        if (declared) {
            ExpectDeclaredDecimals(record, context);
        }
        const TTransRec read = columns.Read(record, "1");
        const std::pair<double, double> values[] = {
            {read.Principal, row.Principal},
            {read.Interest, row.Interest},
            {read.PrinBal, row.PrinBal},
            {read.Pmt, row.Pmt},
            {read.ExtraPmt, row.ExtraPmt},
            {read.Advance, row.Advance},
            {read.AccruedInt, row.AccruedInt},
            {read.PerSince, row.PerSince},
            {static_cast<double>(read.Rate), static_cast<double>(row.Rate)},
            {static_cast<double>(read.AccrualRt), static_cast<double>(row.AccrualRt)},
            {static_cast<double>(read.AccPerRt), static_cast<double>(row.AccPerRt)},
            {static_cast<double>(read.AccDlyRt), static_cast<double>(row.AccDlyRt)},
        };
        for (const auto& [got, wrote] : values) {
            EXPECT_TRUE(SameBits(got, wrote)) << context << ": wrote " << wrote;
        }
    }
}

TEST(NumberColumnsTest, RealSchedulesKeepEveryDigitWithinTheDeclaredDecimals) {
    const auto loanLayout = LayoutOf(kLoansFile, LoansSchema());
    const LoanColumns loanColumns(*loanLayout);
    for (const char* words : kLoans) {
        dbase::Record loanRecord(loanLayout);
        const TLoanRec stored = Calculate(words).Record("1");
        loanColumns.Fill(loanRecord, stored, FixedStamp());
        ExpectDeclaredDecimals(loanRecord, std::string(words) + " loan");
        EXPECT_EQ(loanColumns.Read(loanRecord), stored) << words;
        ExpectRowsComeBack(LayoutOf(kRowsFile, RowsSchema()), words, true);
    }
}

// Tables made with fewer decimals (as this program's first tables were, and other programs'
// may be) still take and give back every digit.
TEST(NumberColumnsTest, TablesDeclaringFewerDecimalsKeepEveryDigitToo) {
    dbase::TableSchema older = RowsSchema();
    for (dbase::FieldSpec& field : older.fields) {
        if (field.type == dbase::FieldType::Numeric && field.decimals > 2) {
            field.decimals = 4;
        }
    }
    for (const char* words : kLoans) {
        ExpectRowsComeBack(LayoutOf(kRowsFile, older), words, false);
    }
}

} // namespace
} // namespace quarvex::amortization::database
