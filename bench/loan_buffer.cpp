// Target on the reference machine: a Loan calculation through its buffer (transfer the form,
// calculate, build the copied text) <= 20 us.
#include "calculators/Loan.h"
#include "framework/dates/SystemClock.h"
#include "framework/settings/ApplicationValues.h"
#include "framework/store/RegIni.h"
#include "platform/Clipboard.h"
#include "platform/Messages.h"
#include "platform/Printing.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quarvex;

struct Silent : Messages, Clipboard, Printing {
    MessageResult Show(const std::string&, MessageIcon, MessageButtons) override {
        return MessageResult::Ok;
    }
    void SetText(const std::string&) override {}
    bool Print(const std::string&, Kind, const std::function<void(ReportCanvas&)>&) override {
        return false;
    }
};

void LoanCalcThroughItsBuffer(benchmark::State& state) {
    framework::RegIni store{std::filesystem::path()};
    Silent services;
    dates::FixedClock clock{150000};
    masks::NumberConventions conventions;
    report::ReportFont font;
    framework::ApplicationValues application;
    framework::BufferContext context{store, services,    services, services,
                                     clock, conventions, font,     application};
    calculators::TcbLoan loan(context);
    loan.SetTitle("Loan Calculator 1");
    framework::DataRecord form = loan.Data();
    form.Set(calculators::TcbLoan::PV, 10000.0);
    form.Set(calculators::TcbLoan::NumPmts, std::int16_t{36});
    form.Set(calculators::TcbLoan::Rate, 10.0f);
    form.Set(calculators::TcbLoan::Pmt, 0.0);
    for (auto _ : state) {
        loan.Data().CopyValuesFrom(form);
        loan.Calculate();
        benchmark::DoNotOptimize(loan.CopyText());
    }
}
BENCHMARK(LoanCalcThroughItsBuffer);

} // namespace
