// Target on the reference machine: deriving the APR of a 360-row monthly schedule (building
// its cash flows and solving them) <= 30 us.
#include "amortization/CalculateSchedule.h"
#include "amortization/calculator/AprFlows.h"
#include "framework/dates/Calendar.h"
#include "framework/dates/SystemClock.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quarvex;
using namespace quarvex::amortization;

const dates::FixedClock kClock(dates::DMYToDayNumber(1, 3, 2024));

// A 30-year mortgage of 200 000 at 6.5 % with 2 points and a long first period.
struct Mortgage {
    AmortInputs inputs;
    TAmortSchedule schedule;
    AmortResults results;

    Mortgage() {
        inputs.PV = 200000;
        inputs.NumPmts = 360;
        inputs.Rate = 6.5f;
        inputs.Points = 2;
        inputs.OrgDate = dates::DMYToDayNumber(15, 3, 2024);
        inputs.FirstPmtDate = dates::DMYToDayNumber(1, 5, 2024);
        results = CalculateSchedule(inputs, schedule, {kClock});
    }

    AprInputs Apr() const {
        AprInputs apr;
        apr.PV = inputs.PV;
        apr.OneTimeFees = 750;
        apr.FrequencyCode = results.EngineFrequency;
        apr.OrgDate = inputs.OrgDate;
        apr.FirstPmtDate = inputs.FirstPmtDate;
        apr.WholePeriods = results.Engine.WholePeriods;
        apr.OddFraction = results.Engine.OddFraction;
        return apr;
    }
};

void DeriveApr360(benchmark::State& state) {
    const Mortgage mortgage;
    const AprInputs inputs = mortgage.Apr();
    long double apr = 0;
    for (auto _ : state) {
        apr = DeriveApr(mortgage.schedule, inputs);
        benchmark::DoNotOptimize(apr);
    }
    state.counters["rows"] = mortgage.schedule.Count();
    state.counters["apr"] = static_cast<double>(apr);
}
BENCHMARK(DeriveApr360)->Unit(benchmark::kMicrosecond);

} // namespace
