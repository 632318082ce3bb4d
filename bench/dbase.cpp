// Targets on the reference machine, for the schedule database built on these tables: saving a
// loan of 14 600 rows <= 100 ms, loading it <= 50 ms, opening the tables and loading one loan
// out of 1 000 stored <= 20 ms. Rows here are shaped like schedule rows: 21 fields of dates,
// money, rates, counts and flags. Tables live in a fresh folder under the system's temporary
// folder; every change is flushed to the disk as in real use.
#include "platform/dbase/Cursor.h"
#include "platform/dbase/Database.h"
#include "support/TempDirectory.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace dbase = quarvex::dbase;
namespace fs = std::filesystem;

constexpr int kLongLoanRows = 14600; // 40 years of daily payments
constexpr int kStoredLoans = 1000;
constexpr int kRowsPerStoredLoan = 360; // 30 years of monthly payments

dbase::TableSchema RowSchema() {
    using namespace dbase;
    return TableSchema{
        {TextField("LOANNO", 9),       IntegerField("PMTNO", 6),     DateField("TRANSDATE"),
         DateField("DUEDATE"),         NumberField("PRINCIPAL", 2),  NumberField("INTEREST", 2),
         NumberField("PRINBAL", 2),    NumberField("PMT", 2),        NumberField("EXTRAPMT", 2),
         NumberField("ACCRUEDINT", 2), NumberField("RATE", 6),       NumberField("ACCPERRT", 10),
         IntegerField("DAYSLATE", 6),  IntegerField("DAYSSINCE", 6), IntegerField("PMTFREQ", 3),
         IntegerField("CMPFREQ", 3),   LogicalField("ACTUAL"),       LogicalField("RATECHNG"),
         TextField("COMMENT", 40),     DateField("RECDATE"),         TextField("RECTIME", 8)},
        {{"LOANNO", "LOANNO"}}};
}

// One schedule row as the program holds it.
struct Row {
    int number = 0;
    dbase::Date due;
    double principal = 0, interest = 0, balance = 0, payment = 0, extra = 0, accrued = 0;
    double rate = 0, periodicRate = 0;
    int daysLate = 0, daysSince = 0, frequency = 0, compounding = 0;
    bool actual = false, rateChange = false;
    std::string comment;
};

// The rows of an amortized loan with unrounded interest, so that the numbers need all their
// digits, as the engine's results do.
std::vector<Row> MakeSchedule(int rows, double amount) {
    std::vector<Row> schedule(static_cast<std::size_t>(rows));
    const double periodic = 0.085 / 365.0;
    double balance = amount;
    const double payment = amount * periodic / (1.0 - std::pow(1.0 + periodic, -rows));
    for (int index = 0; index < rows; ++index) {
        Row& row = schedule[static_cast<std::size_t>(index)];
        row.number = index;
        row.due = dbase::Date{1990 + index / 365, 1 + (index / 28) % 12, 1 + index % 28};
        row.interest = balance * periodic;
        row.principal = payment - row.interest;
        balance -= row.principal;
        row.balance = balance;
        row.payment = payment;
        row.accrued = row.interest * 0.5;
        row.rate = 8.5;
        row.periodicRate = periodic;
        row.daysSince = 1;
        row.frequency = 1;
        row.compounding = 1;
        row.actual = index % 7 == 0;
        row.comment = index % 50 == 0 ? "Rate review" : "";
    }
    return schedule;
}

// The field numbers, looked up once as the database layer would.
struct Fields {
    explicit Fields(const dbase::Layout& layout)
        : loan(layout.IndexOf("LOANNO")), number(layout.IndexOf("PMTNO")),
          transDate(layout.IndexOf("TRANSDATE")), due(layout.IndexOf("DUEDATE")),
          principal(layout.IndexOf("PRINCIPAL")), interest(layout.IndexOf("INTEREST")),
          balance(layout.IndexOf("PRINBAL")), payment(layout.IndexOf("PMT")),
          extra(layout.IndexOf("EXTRAPMT")), accrued(layout.IndexOf("ACCRUEDINT")),
          rate(layout.IndexOf("RATE")), periodicRate(layout.IndexOf("ACCPERRT")),
          daysLate(layout.IndexOf("DAYSLATE")), daysSince(layout.IndexOf("DAYSSINCE")),
          frequency(layout.IndexOf("PMTFREQ")), compounding(layout.IndexOf("CMPFREQ")),
          actual(layout.IndexOf("ACTUAL")), rateChange(layout.IndexOf("RATECHNG")),
          comment(layout.IndexOf("COMMENT")), recordDate(layout.IndexOf("RECDATE")),
          recordTime(layout.IndexOf("RECTIME")) {}
    std::size_t loan, number, transDate, due, principal, interest, balance, payment, extra, accrued,
        rate, periodicRate, daysLate, daysSince, frequency, compounding, actual, rateChange,
        comment, recordDate, recordTime;
};

// Replaces the loan's rows, as SaveLoan does: delete the old ones, append the new ones.
void SaveRows(dbase::Database& database, dbase::Table& table, const std::string& loan,
              const std::vector<Row>& schedule) {
    const Fields f(table.Fields());
    dbase::Transaction change = database.Begin();
    for (const dbase::RecNo old : table.RecordsWithKey("LOANNO", loan)) {
        change.Delete(table, old);
    }
    dbase::Record record = table.NewRecord();
    for (const Row& row : schedule) {
        record.SetText(f.loan, loan);
        record.SetInteger(f.number, row.number);
        record.SetDate(f.transDate, std::nullopt);
        record.SetDate(f.due, row.due);
        record.SetNumber(f.principal, row.principal);
        record.SetNumber(f.interest, row.interest);
        record.SetNumber(f.balance, row.balance);
        record.SetNumber(f.payment, row.payment);
        record.SetNumber(f.extra, row.extra);
        record.SetNumber(f.accrued, row.accrued);
        record.SetNumber(f.rate, row.rate);
        record.SetNumber(f.periodicRate, row.periodicRate);
        record.SetInteger(f.daysLate, row.daysLate);
        record.SetInteger(f.daysSince, row.daysSince);
        record.SetInteger(f.frequency, row.frequency);
        record.SetInteger(f.compounding, row.compounding);
        record.SetLogical(f.actual, row.actual);
        record.SetLogical(f.rateChange, row.rateChange);
        record.SetText(f.comment, row.comment);
        record.SetDate(f.recordDate, dbase::Date{2024, 3, 5});
        record.SetText(f.recordTime, "12:34:56");
        change.Append(table, record);
    }
    change.Commit();
}

// Reads the loan's rows back, as LoadLoan does: seek, then walk while the key matches.
std::vector<Row> LoadRows(dbase::Database& database, dbase::Table& table, const std::string& loan) {
    const Fields f(table.Fields());
    auto scope = database.Read();
    std::vector<Row> schedule;
    dbase::Cursor cursor(table, "LOANNO");
    for (bool more = cursor.Seek(loan); more && cursor.Key() == loan; more = cursor.Next()) {
        const dbase::Record record = cursor.Current();
        Row row;
        row.number = static_cast<int>(record.Integer(f.number).value_or(0));
        row.due = record.DateValue(f.due).value_or(dbase::Date{});
        row.principal = record.Number(f.principal).value_or(0);
        row.interest = record.Number(f.interest).value_or(0);
        row.balance = record.Number(f.balance).value_or(0);
        row.payment = record.Number(f.payment).value_or(0);
        row.extra = record.Number(f.extra).value_or(0);
        row.accrued = record.Number(f.accrued).value_or(0);
        row.rate = record.Number(f.rate).value_or(0);
        row.periodicRate = record.Number(f.periodicRate).value_or(0);
        row.daysLate = static_cast<int>(record.Integer(f.daysLate).value_or(0));
        row.daysSince = static_cast<int>(record.Integer(f.daysSince).value_or(0));
        row.frequency = static_cast<int>(record.Integer(f.frequency).value_or(0));
        row.compounding = static_cast<int>(record.Integer(f.compounding).value_or(0));
        row.actual = record.Logical(f.actual).value_or(false);
        row.rateChange = record.Logical(f.rateChange).value_or(false);
        row.comment = record.Text(f.comment);
        schedule.push_back(std::move(row));
    }
    return schedule;
}

using Folder = quarvex::testing::TempDirectory;

void SaveNewLoanOf14600Rows(benchmark::State& state) {
    const std::vector<Row> schedule = MakeSchedule(kLongLoanRows, 250000);
    for (auto _ : state) {
        state.PauseTiming();
        auto folder = std::make_unique<Folder>();
        auto database = std::make_unique<dbase::Database>(folder->Path());
        dbase::Table& table = database->Open("Trans.dbf", RowSchema());
        state.ResumeTiming();
        SaveRows(*database, table, "1", schedule);
        state.PauseTiming();
        database.reset();
        folder.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(SaveNewLoanOf14600Rows)->Unit(benchmark::kMillisecond)->UseRealTime();

void SaveLoanOf14600RowsOverItsOldRows(benchmark::State& state) {
    const std::vector<Row> schedule = MakeSchedule(kLongLoanRows, 250000);
    Folder folder;
    dbase::Database database(folder.Path());
    dbase::Table& table = database.Open("Trans.dbf", RowSchema());
    SaveRows(database, table, "1", schedule);
    for (auto _ : state) {
        SaveRows(database, table, "1", schedule);
    }
}
BENCHMARK(SaveLoanOf14600RowsOverItsOldRows)->Unit(benchmark::kMillisecond)->UseRealTime();

void LoadLoanOf14600Rows(benchmark::State& state) {
    Folder folder;
    dbase::Database database(folder.Path());
    dbase::Table& table = database.Open("Trans.dbf", RowSchema());
    SaveRows(database, table, "1", MakeSchedule(kLongLoanRows, 250000));
    for (auto _ : state) {
        const std::vector<Row> rows = LoadRows(database, table, "1");
        if (rows.size() != kLongLoanRows) {
            state.SkipWithError("wrong row count");
        }
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(LoadLoanOf14600Rows)->Unit(benchmark::kMillisecond)->UseRealTime();

// 1 000 loans of 360 rows, written once for the benchmarks below.
const fs::path& ThousandLoans() {
    static Folder folder;
    static const bool written = [] {
        dbase::Database database(folder.Path());
        dbase::Table& table = database.Open("Trans.dbf", RowSchema());
        const std::vector<Row> schedule = MakeSchedule(kRowsPerStoredLoan, 150000);
        for (int loan = 1; loan <= kStoredLoans; ++loan) {
            SaveRows(database, table, std::to_string(loan), schedule);
        }
        return true;
    }();
    (void)written;
    return folder.Path();
}

void OpenAndLoadOneLoanOf1000(benchmark::State& state) {
    const fs::path& folder = ThousandLoans();
    for (auto _ : state) {
        dbase::Database database(folder);
        dbase::Table& table = database.Open("Trans.dbf", RowSchema());
        const std::vector<Row> rows = LoadRows(database, table, "537");
        if (rows.size() != kRowsPerStoredLoan) {
            state.SkipWithError("wrong row count");
        }
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(OpenAndLoadOneLoanOf1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same when the index cache is gone (or stale after another program changed the table):
// the tag is rebuilt from all 360 000 rows.
void OpenWithoutIndexCacheAndLoadOneLoanOf1000(benchmark::State& state) {
    const fs::path& folder = ThousandLoans();
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(folder / "Trans.qix");
        state.ResumeTiming();
        dbase::Database database(folder);
        dbase::Table& table = database.Open("Trans.dbf", RowSchema());
        const std::vector<Row> rows = LoadRows(database, table, "537");
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(OpenWithoutIndexCacheAndLoadOneLoanOf1000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
