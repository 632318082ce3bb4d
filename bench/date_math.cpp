// Target on the reference machine: 10 000 payment-date steps <= 1 ms, monthly and twice-monthly,
// with and without weekend adjustment.
#include "framework/dates/Calendar.h"
#include "framework/dates/PaymentDates.h"
#include "framework/dates/PaymentPeriods.h"
#include "framework/dates/TwiceMonthly.h"
#include "framework/dates/Weekend.h"

#include <benchmark/benchmark.h>

namespace {

namespace dates = quarvex::dates;

constexpr int kSteps = 10000;

// Steps a schedule kSteps times from 1 January 1900; monthly it ends in 2733, twice-monthly in
// 2316, well inside the calendar.
void StepSchedule(benchmark::State& state, int periodCode, int weekendCode, int twiceMonthlyCode) {
    const dates::DayNumber start = dates::DMYToDayNumber(1, 1, 1900);
    for (auto _ : state) {
        dates::DayNumber date = start;
        for (int step = 0; step < kSteps; ++step) {
            date = dates::NextPaymentDate(periodCode, date, weekendCode, twiceMonthlyCode);
        }
        benchmark::DoNotOptimize(date);
    }
    state.SetItemsProcessed(state.iterations() * kSteps);
}

void MonthlySteps(benchmark::State& state) {
    StepSchedule(state, dates::kMonthly, dates::kNoAdjustment, 0);
}
BENCHMARK(MonthlySteps)->Unit(benchmark::kMicrosecond);

void MonthlyStepsOffWeekends(benchmark::State& state) {
    StepSchedule(state, dates::kMonthly, dates::kClosestDay, 0);
}
BENCHMARK(MonthlyStepsOffWeekends)->Unit(benchmark::kMicrosecond);

void TwiceMonthlySteps(benchmark::State& state) {
    StepSchedule(state, dates::kTwiceMonthly, dates::kNoAdjustment, dates::kFirstAnd15th);
}
BENCHMARK(TwiceMonthlySteps)->Unit(benchmark::kMicrosecond);

void TwiceMonthlyWeekdayStepsOffWeekends(benchmark::State& state) {
    StepSchedule(state, dates::kTwiceMonthly, dates::kClosestDay, dates::k2ndAnd4thMonday + 4);
}
BENCHMARK(TwiceMonthlyWeekdayStepsOffWeekends)->Unit(benchmark::kMicrosecond);

void TwiceMonthlyStepsOffWeekends(benchmark::State& state) {
    StepSchedule(state, dates::kTwiceMonthly, dates::kForceMonday, dates::k15thAndLastDay);
}
BENCHMARK(TwiceMonthlyStepsOffWeekends)->Unit(benchmark::kMicrosecond);

} // namespace
