// Targets on the reference machine: IRR of 360 periodic flows <= 10 us; DatedIRR of 10 000
// dated flows <= 1 ms.
#include "engine/EngineTypes.h"
#include "engine/cashflow/TCalcNPV.h"
#include "engine/cashflow/TcalcIRR.h"
#include "framework/dates/Calendar.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using quarvex::engine::IrrStart;
using quarvex::engine::TDatedCashFlow;
using quarvex::engine::TPeriodicCashFlow;

// A 30-year mortgage of 200 000 paid by 1 199.10 a month, from the lender's side.
std::vector<TPeriodicCashFlow> MortgageFlows() {
    std::vector<TPeriodicCashFlow> flows = {{0, -200000}};
    for (int k = 1; k <= 360; ++k) {
        flows.push_back({k, 1199.10});
    }
    return flows;
}

// An investment of 2 000 000 returned by 9 999 irregular flows one to five days apart.
std::vector<TDatedCashFlow> IrregularFlows() {
    std::vector<TDatedCashFlow> flows = {{quarvex::dates::DMYToDayNumber(1, 1, 2000), -2000000}};
    quarvex::dates::DayNumber date = flows[0].Date;
    for (int k = 1; k < 10000; ++k) {
        date += 1 + k % 5;
        flows.push_back({date, 230.0L + (k % 7)});
    }
    return flows;
}

void IrrOf360PeriodicFlows(benchmark::State& state) {
    const quarvex::engine::TcalcIRR solver;
    const auto flows = MortgageFlows();
    for (auto _ : state) {
        benchmark::DoNotOptimize(solver.IRR(flows, 12, IrrStart));
    }
}
BENCHMARK(IrrOf360PeriodicFlows);

void DatedIrrOf10000Flows(benchmark::State& state) {
    const quarvex::engine::TcalcIRR solver;
    const auto flows = IrregularFlows();
    for (auto _ : state) {
        benchmark::DoNotOptimize(solver.DatedIRR(flows, 12, IrrStart));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(flows.size()));
}
BENCHMARK(DatedIrrOf10000Flows)->Unit(benchmark::kMicrosecond);

void NpvOf360PeriodicFlows(benchmark::State& state) {
    const quarvex::engine::TCalcNPV npv;
    const auto flows = MortgageFlows();
    for (auto _ : state) {
        benchmark::DoNotOptimize(npv.NPV(flows, 0, 0.005L));
    }
}
BENCHMARK(NpvOf360PeriodicFlows);

} // namespace
