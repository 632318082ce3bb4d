// Targets on the reference machine for the schedule database: SaveLoan of a 14 600-row
// schedule (40 years of daily payments) <= 100 ms; LoadLoan of it <= 50 ms; with 1 000 loans
// stored, opening the database and loading one loan <= 20 ms. The schedules are made by the
// amortization engine; the tables live in a fresh folder under the system's temporary folder,
// and every save is flushed to the disk as in real use.
#include "amortization/CalculateSchedule.h"
#include "amortization/database/TAmortDatabase.h"
#include "framework/dates/SystemClock.h"
#include "support/TempDirectory.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;
namespace amortization = quarvex::amortization;
namespace database = quarvex::amortization::database;
namespace dates = quarvex::dates;

constexpr int kLongLoanPayments = 14600; // rows 1 to 14 600 after the opening row
constexpr int kStoredLoans = 1000;
constexpr int kStoredLoanPayments = 360; // 30 years of monthly payments

struct Loan {
    database::TLoanRec record;
    amortization::TAmortSchedule schedule;
};

// A loan calculated by the engine: `payments` at `frequency` (payment-period index) from
// 2 January 2024.
Loan MakeLoan(int payments, std::uint8_t frequency, double amount) {
    static const dates::FixedClock clock(dates::DMYToDayNumber(1, 1, 2024));
    database::LoanCalculation calculation;
    amortization::AmortInputs& in = calculation.inputs;
    in.PV = amount;
    in.NumPmts = static_cast<std::uint16_t>(payments);
    in.Rate = 8.5f;
    in.OrgDate = dates::DMYToDayNumber(1, 1, 2024);
    in.FirstPmtDate = dates::DMYToDayNumber(frequency == 0 ? 2 : 1, frequency == 0 ? 1 : 2, 2024);
    in.PaymentPeriod = frequency;
    in.Compounding = static_cast<std::uint8_t>(frequency + 1);
    in.OptimizePmts = false;
    Loan loan;
    const amortization::AmortResults results =
        amortization::CalculateSchedule(in, loan.schedule, amortization::AmortContext{clock});
    loan.record = database::MakeLoanRec("1", calculation, results);
    return loan;
}

const Loan& LongLoan() {
    static const Loan loan = MakeLoan(kLongLoanPayments, 0, 250000);
    return loan;
}

database::AmortDatabaseOptions Options() {
    database::AmortDatabaseOptions options;
    options.stamp = [] {
        return database::RecordStamp{dates::DMYToDayNumber(1, 3, 2024), 45296};
    };
    return options;
}

using Folder = quarvex::testing::TempDirectory;

std::string AddAccount(database::TAmortDatabase& db) {
    database::TAccountRec account;
    account.FirstName = "John";
    account.LastName = "Smith";
    return db.AddAccount(account);
}

void SaveLoanOf14600RowsOverItsOldRows(benchmark::State& state) {
    const Loan& loan = LongLoan();
    Folder folder;
    database::TAmortDatabase db(folder.Path(), Options());
    const std::string account = AddAccount(db);
    db.SaveLoan(account, loan.record, loan.schedule);
    for (auto _ : state) {
        db.SaveLoan(account, loan.record, loan.schedule);
    }
    state.counters["rows"] = static_cast<double>(loan.schedule.Count());
}
// Each save leaves the old rows deleted in the table until it is packed: a fixed number of
// iterations keeps the folder small.
BENCHMARK(SaveLoanOf14600RowsOverItsOldRows)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(12);

void SaveNewLoanOf14600Rows(benchmark::State& state) {
    const Loan& loan = LongLoan();
    for (auto _ : state) {
        state.PauseTiming();
        auto folder = std::make_unique<Folder>();
        auto db = std::make_unique<database::TAmortDatabase>(folder->Path(), Options());
        const std::string account = AddAccount(*db);
        state.ResumeTiming();
        db->SaveNewLoan(account, loan.record, loan.schedule);
        state.PauseTiming();
        db.reset();
        folder.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(SaveNewLoanOf14600Rows)->Unit(benchmark::kMillisecond)->UseRealTime();

void LoadLoanOf14600Rows(benchmark::State& state) {
    const Loan& loan = LongLoan();
    Folder folder;
    database::TAmortDatabase db(folder.Path(), Options());
    db.SaveLoan(AddAccount(db), loan.record, loan.schedule);
    for (auto _ : state) {
        const database::LoadedLoan loaded = db.LoadLoan("1");
        if (loaded.schedule.Count() != loan.schedule.Count()) {
            state.SkipWithError("wrong row count");
        }
        benchmark::DoNotOptimize(loaded.schedule.Records().data());
    }
}
BENCHMARK(LoadLoanOf14600Rows)->Unit(benchmark::kMillisecond)->UseRealTime();

// 1 000 loans of 361 rows, saved once for the benchmark below.
const fs::path& ThousandLoans() {
    static Folder folder;
    static const bool written = [] {
        database::TAmortDatabase db(folder.Path(), Options());
        const std::string account = AddAccount(db);
        const Loan loan = MakeLoan(kStoredLoanPayments, 5, 150000);
        for (int number = 1; number <= kStoredLoans; ++number) {
            db.SaveNewLoan(account, loan.record, loan.schedule);
        }
        return true;
    }();
    (void)written;
    return folder.Path();
}

void OpenAndLoadOneLoanOf1000(benchmark::State& state) {
    const fs::path& folder = ThousandLoans();
    for (auto _ : state) {
        database::TAmortDatabase db(folder, Options());
        const database::LoadedLoan loaded = db.LoadLoan("537");
        if (loaded.schedule.Count() != kStoredLoanPayments + 1) {
            state.SkipWithError("wrong row count");
        }
        benchmark::DoNotOptimize(loaded.schedule.Records().data());
    }
}
BENCHMARK(OpenAndLoadOneLoanOf1000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
