#include "AmortDbTestSupport.h"
#include "ForeignDbf.h"

#include "amortization/database/EAmortDB.h"
#include "amortization/database/LoanColumns.h"
#include "amortization/database/RowColumns.h"
#include "platform/dbase/Layout.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/Dbfread.h"

// Tables written by another program: read as they are, written back in their own layout, and
// our tables read by an independent dBASE reader (Python's dbfread) where one is installed.
namespace quarvex::amortization::database {
namespace {

using namespace testing;
using quarvex::testing::FindPythonWithDbfread;
using quarvex::testing::OutputLines;

// Runs a Python script with dbfread on the folder's tables; its lines.
std::vector<std::string> RunDbfread(const std::string& python, const std::filesystem::path& folder,
                                    const std::string& script) {
    const std::filesystem::path file = folder / "read.py";
    {
        std::ofstream out(file);
        out << "import sys, dbfread\nfolder = sys.argv[1]\n" << script;
    }
    return OutputLines("PYTHONIOENCODING=utf-8 " + python + " " + file.string() + " " +
                       folder.string() + " 2>&1");
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

TEST_F(DatabaseTest, DbfreadReadsOurTablesAsWritten) {
    const std::string python = FindPythonWithDbfread();
    if (python.empty()) {
        GTEST_SKIP() << "no Python with dbfread installed";
    }
    const std::string account = NewAccount("Émile", "Zola");
    const CalculatedLoan old = Calculate("n=24");
    const CalculatedLoan loan =
        Calculate("pv=123456.78 n=36 rate=7.125 org=2/29/2024 first=4/1/2024 usrule=0", 250);
    Db().SaveLoan(account, old.Record("1"), old.schedule);
    Db().SaveLoan(account, loan.Record("1"), loan.schedule); // 25 rows deleted, 37 live
    Reopen();
    const std::vector<std::string> lines = RunDbfread(python, folder_.Path(), R"(
loans = dbfread.DBF(folder + '/Loans.DBF', load=True)
for r in loans.records:
    print('loan', r['LOANNO'], repr(r['PV']), repr(r['RATE']), r['ORGDATE'], r['FIRSTPMTDT'],
          r['PYR'], r['USRULE'], r['FRCEPMTCLC'], repr(r['ONETIMEFEE']), r['RECORDTIME'])
rows = dbfread.DBF(folder + '/Trans.dbf', load=True)
print('rows', len(rows.records), 'deleted', len(rows.deleted))
for r in rows.records[:2] + rows.records[-1:]:
    print('row', r['LOANNO'], r['TRANSNO'], r['TRANSDATE'], repr(r['PRINBAL']), r['PMTNOYR'],
          r['CALCPMT'], repr(r['ACCPERRT']))
accounts = dbfread.DBF(folder + '/Accnts.dbf', load=True)
for r in accounts.records:
    print('account', r['ACCOUNTNO'], r['FIRSTNAME'], r['LASTNAME'], r['RECORDDATE'])
print('counter', dbfread.DBF(folder + '/Sysinfo.dbf', load=True).records)
)");
    const std::string text = Joined(lines);
    ASSERT_EQ(lines.size(), 7u) << text;
    EXPECT_EQ(lines[0],
              "loan 1 123456.78 7.125 2024-02-29 2024-04-01 6 False False 250.0 14:05:09");
    EXPECT_EQ(lines[1], "rows 37 deleted 25");
    const std::vector<std::pair<std::size_t, std::string>> rows = {
        {0, "2024-02-29"}, {1, "2024-04-01"}, {36, "2027-03-01"}};
    for (std::size_t at = 0; at < rows.size(); ++at) {
        const auto& [index, date] = rows[at];
        const TTransRec& want = loan.schedule[index];
        std::istringstream words(lines[2 + at]);
        std::vector<std::string> got;
        for (std::string word; words >> word;) {
            got.push_back(word);
        }
        ASSERT_EQ(got.size(), 8u) << lines[2 + at];
        EXPECT_EQ(got[1], "1");
        EXPECT_EQ(got[2], std::to_string(want.TransNo));
        EXPECT_EQ(got[3], date);
        // Python's repr is the shortest text that reads back to the same double.
        EXPECT_EQ(std::strtod(got[4].c_str(), nullptr), want.PrinBal) << lines[2 + at];
        EXPECT_EQ(got[5], want.PmtNoYr);
        EXPECT_EQ(got[6], want.CalcPmt ? "True" : "False");
        EXPECT_EQ(std::strtod(got[7].c_str(), nullptr), static_cast<double>(want.AccPerRt));
    }
    EXPECT_EQ(lines[5], "account ZOLÉMI001 Émile Zola 2024-03-01");
    EXPECT_EQ(lines[6], "counter []") << "no loan number was issued: loan 1 was typed";
}

// A foreign layout of one of our tables: the same fields in reverse order, widths and
// decimals as another program might choose them, and one field of that program's own.
std::vector<ForeignField> ForeignLayout(const dbase::TableSchema& schema) {
    std::vector<ForeignField> fields;
    for (auto field = schema.fields.rbegin(); field != schema.fields.rend(); ++field) {
        ForeignField foreign{field->name, static_cast<char>(field->type), field->length, 0};
        if (field->type == dbase::FieldType::Numeric) {
            if (field->decimals == 0) {
                foreign.length = 9;
            } else {
                foreign.decimals = field->decimals >= 10 ? 12 : field->decimals;
                foreign.length = foreign.decimals + 10;
            }
        }
        fields.push_back(foreign);
    }
    fields.push_back(ForeignField{"NOTES", 'C', 20, 0});
    return fields;
}

// The texts another program would store for the values of one of our records.
ForeignRecord ForeignValues(const dbase::Record& record, const std::vector<ForeignField>& fields,
                            const std::string& notes) {
    ForeignRecord foreign;
    for (const ForeignField& field : fields) {
        if (field.name == "NOTES") {
            foreign.values.push_back(notes);
            continue;
        }
        const std::size_t index = record.Fields().IndexOf(field.name);
        switch (field.type) {
        case 'N':
            foreign.values.push_back(
                record.IsEmpty(index) ? "" : FixedNumber(*record.Number(index), field.decimals));
            break;
        case 'D':
            foreign.values.push_back(
                record.IsEmpty(index) ? "" : dbase::DateToText(*record.DateValue(index)));
            break;
        case 'L':
            foreign.values.push_back(record.Logical(index).value_or(false) ? "T" : "F");
            break;
        default:
            foreign.values.push_back(record.Text(index));
        }
    }
    return foreign;
}

double AsStored(double value, int decimals) {
    return std::strtod(FixedNumber(value, decimals).c_str(), nullptr);
}

class ForeignFilesTest : public DatabaseTest {
protected:
    // Loan 5 of 12 payments and its rows, with a deleted row and the rows of loan 50, written
    // by the other program; Sysinfo's counter at 5.
    void SetUp() override {
        const CalculatedLoan loan = Calculate("pv=10000 n=12 rate=9.5 org=1/10/2024 "
                                              "first=2/15/2024 points=1 pointspaid=3 usrule=0");
        const CalculatedLoan other = Calculate("pv=2000 n=3");
        written_ = loan.schedule;
        const RecordStamp stamp{Day(2001, 7, 4), 3600};

        const auto loanLayout = std::make_shared<dbase::Layout>("Loans.DBF", LoansSchema().fields);
        const LoanColumns loanColumns(*loanLayout);
        dbase::Record loanRecord(loanLayout);
        loanColumns.Fill(loanRecord, loan.Record("5"), stamp);
        loanColumns.FillProperties(loanRecord,
                                   TLoanProperties{"Boat", "", "", "", "Mobile", "AL", "", "", ""});
        loanFields_ = ForeignLayout(LoansSchema());
        WriteForeignDbf(folder_ / "LOANS.DBF", loanFields_,
                        {ForeignValues(loanRecord, loanFields_, "keep me")});

        const auto rowLayout = std::make_shared<dbase::Layout>("Trans.dbf", RowsSchema().fields);
        const RowColumns rowColumns(*rowLayout);
        rowFields_ = ForeignLayout(RowsSchema());
        std::vector<ForeignRecord> rows;
        const auto add = [&](const std::string& number, const TTransRec& row, bool deleted) {
            dbase::Record record(rowLayout);
            rowColumns.Fill(record, number, row, stamp);
            rows.push_back(ForeignValues(record, rowFields_, ""));
            rows.back().deleted = deleted;
        };
        for (const TTransRec& row : other.schedule.Records()) {
            add("50", row, false);
        }
        for (std::size_t i = 0; i < loan.schedule.Records().size(); ++i) {
            add("5", loan.schedule[i], false);
            if (i == 3) {
                TTransRec gone = loan.schedule[i];
                gone.Comment = "deleted";
                add("5", gone, true);
            }
        }
        WriteForeignDbf(folder_ / "TRANS.DBF", rowFields_, rows);
        WriteForeignDbf(folder_ / "SYSINFO.DBF", {{"LASTLOANNO", 'N', 10, 0}},
                        {ForeignRecord{{"5"}, false}});
        expected_ = loan.Record("5");
    }

    TAmortSchedule written_;
    TLoanRec expected_;
    std::vector<ForeignField> loanFields_;
    std::vector<ForeignField> rowFields_;
};

TEST_F(ForeignFilesTest, ALoanWrittenByAnotherProgramLoadsAndRecalculates) {
    const LoadedLoan loaded = Db().LoadLoan("5");
    EXPECT_EQ(loaded.loan.LoanNo, "5");
    EXPECT_EQ(loaded.loan.PV, 10000);
    EXPECT_EQ(loaded.loan.Rate, 9.5f);
    EXPECT_EQ(loaded.loan.Pmt, AsStored(expected_.Pmt, 2));
    EXPECT_EQ(loaded.loan.OrgDate, Day(2024, 1, 10));
    EXPECT_EQ(loaded.loan.FirstPmtDate, Day(2024, 2, 15));
    EXPECT_EQ(loaded.loan.Points, 1.0f);
    EXPECT_EQ(loaded.loan.PointsPaidMthd, 3);
    EXPECT_EQ(loaded.loan.OddFraction, AsStored(expected_.OddFraction, 12));
    EXPECT_EQ(loaded.loan.WholePeriods, expected_.WholePeriods);
    EXPECT_EQ(loaded.loan.ForcePmtCalc, expected_.ForcePmtCalc);
    EXPECT_EQ(Db().LoanProperties("5")->PropCity, "Mobile");

    ASSERT_EQ(loaded.schedule.Count(), written_.Count()) << "no deleted row, no row of loan 50";
    for (int i = 0; i < loaded.schedule.Count(); ++i) {
        EXPECT_EQ(loaded.schedule[i].TransNo, i);
        EXPECT_EQ(loaded.schedule[i].TransDate, written_[i].TransDate);
        EXPECT_EQ(loaded.schedule[i].PrinBal, AsStored(written_[i].PrinBal, 2)) << "row " << i;
        EXPECT_EQ(loaded.schedule[i].Comment, "");
    }
    EXPECT_THROW(Db().LoadLoan("50"), EAmortDB) << "loan 50 has rows but no loan record";

    LoanCalculation calculator;
    ApplyLoanRec(loaded.loan, calculator);
    TAmortSchedule rows = loaded.schedule;
    RecalculateSchedule(calculator.inputs, rows, TestContext());
    ASSERT_EQ(rows.Count(), written_.Count());
    for (int i = 0; i < rows.Count(); ++i) {
        EXPECT_NEAR(rows[i].PrinBal, written_[i].PrinBal, 0.01) << "row " << i;
    }
}

TEST_F(ForeignFilesTest, SavingBackKeepsTheOtherProgramsLayoutAndFields) {
    const LoadedLoan loaded = Db().LoadLoan("5");
    const std::string account = NewAccount("Ann", "Lee");
    Db().SaveLoan(account, loaded.loan, loaded.schedule);
    EXPECT_EQ(Db().NewLoanNumber(), "6");
    Reopen();

    const LoadedLoan again = Db().LoadLoan("5");
    EXPECT_EQ(again.loan, loaded.loan);
    ASSERT_EQ(again.schedule.Count(), loaded.schedule.Count());
    for (int i = 0; i < again.schedule.Count(); ++i) {
        EXPECT_EQ(again.schedule[i].PrinBal, loaded.schedule[i].PrinBal);
        EXPECT_EQ(again.schedule[i].DueDate, loaded.schedule[i].DueDate);
    }
    // The field layout is still the other program's, its own field kept.
    const auto loansFile = quarvex::testing::ReadFileText(folder_ / "LOANS.DBF");
    EXPECT_EQ(static_cast<unsigned char>(loansFile[8]) +
                  256 * static_cast<unsigned char>(loansFile[9]),
              32 + 32 * loanFields_.size() + 1);
    EXPECT_NE(loansFile.find("keep me"), std::string::npos);

    const std::string python = FindPythonWithDbfread();
    if (python.empty()) {
        GTEST_SKIP() << "no Python with dbfread installed";
    }
    const std::vector<std::string> lines = RunDbfread(python, folder_.Path(), R"(
loans = dbfread.DBF(folder + '/LOANS.DBF', load=True)
for r in loans.records:
    print('loan', r['LOANNO'], repr(r['PV']), r['NOTES'], r['PROPCITY'], r['RECORDDATE'])
rows = dbfread.DBF(folder + '/TRANS.DBF', load=True)
print('rows', sum(1 for r in rows.records if r['LOANNO'] == '5'), 'deleted', len(rows.deleted))
)");
    ASSERT_EQ(lines.size(), 2u) << Joined(lines);
    EXPECT_EQ(lines[0], "loan 5 10000.0 keep me Mobile 2024-03-01");
    EXPECT_EQ(lines[1], "rows 13 deleted 14");
}

} // namespace
} // namespace quarvex::amortization::database
