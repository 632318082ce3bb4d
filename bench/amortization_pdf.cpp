// The printed amortization schedule: a 40-year daily loan (14 600 payments and the opening
// row) calculated once, then printed whole to a PDF with its page headings and fiscal-year
// groups. Target: under 5 s. Runs on the offscreen Qt platform unless another one is set.
#include "QtBenchmarkMain.h"
#include "amortization/calculator/TcbAmort.h"
#include "framework/dates/Calendar.h"
#include "support/BufferFixture.h"
#include "ui/platform/PdfPrinting.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using quarvex::amortization::TcbAmort;

void BM_WholeDailySchedulePrintedToPdf(benchmark::State& state) {
    quarvex::testing::BufferFixture fixture;
    quarvex::ui::PdfPrinting pdf(fixture.folder / "schedule.pdf");
    const quarvex::framework::BufferContext& buffers = fixture.context;
    quarvex::framework::BufferContext toPdf{
        buffers.store, buffers.messages,    buffers.clipboard,  pdf,
        buffers.clock, buffers.conventions, buffers.reportFont, buffers.application};
    TcbAmort amort(toPdf);
    amort.InitData();
    amort.SetTitle("Amortization Schedule 1");
    quarvex::framework::DataRecord& data = amort.Data();
    data.Set(TcbAmort::PV, 250000.0);
    data.Set(TcbAmort::NumPmts, std::int32_t{14600});
    data.Set(TcbAmort::Rate, 7.0f);
    data.Set(TcbAmort::Pmt, 0.0);
    data.Set(TcbAmort::PYR, quarvex::framework::Choice{0});
    data.Set(TcbAmort::CmpPYR, quarvex::framework::Choice{1});
    using quarvex::dates::DMYToDayNumber;
    data.Set(TcbAmort::OrgDate, quarvex::framework::Date{DMYToDayNumber(1, 1, 2024)});
    data.Set(TcbAmort::FirstPmtDate, quarvex::framework::Date{DMYToDayNumber(2, 1, 2024)});
    amort.Calculate();
    if (amort.Schedule().Count() != 14601) {
        state.SkipWithError("the schedule does not have 14 601 rows");
        return;
    }
    for (auto _ : state) {
        if (!amort.Print()) {
            state.SkipWithError("the schedule was not printed");
            break;
        }
    }
}
BENCHMARK(BM_WholeDailySchedulePrintedToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

QUARVEX_QT_BENCHMARK_MAIN()
