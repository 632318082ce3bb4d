// Targets on the reference machine: a 360-row monthly schedule <= 30 us; a 40-year daily
// schedule (about 14 600 rows) <= 1.5 ms; recalculating the 360-row schedule <= 30 us; a
// calculation with payment optimisation <= 20 x the same calculation without it. Memory
// <= 1 KiB per row (the "row bytes" counter reports sizeof(TTransRec)).
#include "amortization/CalculateSchedule.h"
#include "amortization/TTransRec.h"
#include "framework/dates/Calendar.h"
#include "framework/dates/SystemClock.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quarvex;
using namespace quarvex::amortization;

const dates::FixedClock kClock(dates::DMYToDayNumber(1, 3, 2024));

// A 30-year mortgage of 200 000 at 6.5 %, monthly, the payment solved.
AmortInputs Mortgage() {
    AmortInputs in;
    in.PV = 200000;
    in.NumPmts = 360;
    in.Rate = 6.5f;
    in.OrgDate = dates::DMYToDayNumber(15, 3, 2024);
    in.FirstPmtDate = dates::DMYToDayNumber(1, 5, 2024);
    in.OptimizePmts = false;
    return in;
}

// 40 years of daily payments: 14 600 payments of a 300 000 loan at 7 % (Actual/365).
AmortInputs DailyLoan() {
    AmortInputs in = Mortgage();
    in.PV = 300000;
    in.Rate = 7;
    in.NumPmts = 14600;
    in.PaymentPeriod = 0;
    in.Compounding = 1;
    in.Settings.RateBasis = InterestBasis::Actual365;
    in.FirstPmtDate = in.OrgDate + 1;
    return in;
}

void MonthlySchedule360(benchmark::State& state) {
    TAmortSchedule schedule;
    for (auto _ : state) {
        AmortInputs in = Mortgage();
        benchmark::DoNotOptimize(CalculateSchedule(in, schedule, {kClock}));
    }
    state.counters["rows"] = schedule.Count();
    state.counters["row bytes"] = sizeof(TTransRec);
}
BENCHMARK(MonthlySchedule360)->Unit(benchmark::kMicrosecond);

void DailySchedule40Years(benchmark::State& state) {
    TAmortSchedule schedule;
    for (auto _ : state) {
        AmortInputs in = DailyLoan();
        benchmark::DoNotOptimize(CalculateSchedule(in, schedule, {kClock}));
    }
    state.counters["rows"] = schedule.Count();
}
BENCHMARK(DailySchedule40Years)->Unit(benchmark::kMillisecond);

void Recalculate360(benchmark::State& state) {
    AmortInputs in = Mortgage();
    TAmortSchedule schedule;
    CalculateSchedule(in, schedule, {kClock});
    // A rate change at row 12, as a user would make it.
    schedule[12].Rate = 7.25L;
    schedule[12].AccrualRt = 7.25L;
    for (auto _ : state) {
        TAmortSchedule edited = schedule;
        benchmark::DoNotOptimize(RecalculateSchedule(in, edited, {kClock}));
    }
}
BENCHMARK(Recalculate360)->Unit(benchmark::kMicrosecond);

// The copy of the schedule that Recalculate360 makes before each pass, for comparison.
void CopyOf360Rows(benchmark::State& state) {
    AmortInputs in = Mortgage();
    TAmortSchedule schedule;
    CalculateSchedule(in, schedule, {kClock});
    for (auto _ : state) {
        TAmortSchedule copy = schedule;
        benchmark::DoNotOptimize(copy.Count());
    }
}
BENCHMARK(CopyOf360Rows)->Unit(benchmark::kMicrosecond);

void MonthlySchedule360Optimized(benchmark::State& state) {
    TAmortSchedule schedule;
    for (auto _ : state) {
        AmortInputs in = Mortgage();
        in.OptimizePmts = true;
        benchmark::DoNotOptimize(CalculateSchedule(in, schedule, {kClock}));
    }
}
BENCHMARK(MonthlySchedule360Optimized)->Unit(benchmark::kMicrosecond);

} // namespace
