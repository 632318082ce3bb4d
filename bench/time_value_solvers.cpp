// Targets on the reference machine: Rate of 360 monthly payments <= 2 us;
// Balance over 360 periods <= 3 us.
#include "engine/TCalcBalance.h"
#include "engine/TCalcRate.h"

#include <benchmark/benchmark.h>

namespace {

using quarvex::engine::AmortMethod;

void RateOf360MonthlyPayments(benchmark::State& state) {
    const quarvex::engine::TCalcRate solver;
    for (auto _ : state) {
        benchmark::DoNotOptimize(solver.Rate(360, 12, AmortMethod::Normal, 12, 1199.10, 200000));
    }
}
BENCHMARK(RateOf360MonthlyPayments);

void RateOf360PaymentsCompoundedTwiceAYear(benchmark::State& state) {
    const quarvex::engine::TCalcRate solver;
    for (auto _ : state) {
        benchmark::DoNotOptimize(solver.Rate(360, 12, AmortMethod::Normal, 2, 1189.56, 200000));
    }
}
BENCHMARK(RateOf360PaymentsCompoundedTwiceAYear);

void BalanceOver360Periods(benchmark::State& state) {
    const quarvex::engine::TCalcBalance solver;
    for (auto _ : state) {
        double balance = 200000;
        double interest = 0;
        benchmark::DoNotOptimize(solver.Balance(balance, interest, 200000, 1199.10, 0.005, 1, 359,
                                                360, AmortMethod::Normal));
    }
}
BENCHMARK(BalanceOver360Periods);

} // namespace
