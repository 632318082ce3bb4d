// The amortization window: from Calc pressed to the grid painted, for a 40-year daily loan
// (14 600 payments and the opening row). Target: under 100 ms. Runs on any Qt platform; with
// none set it uses the offscreen one (or run it under xvfb-run).
#include "QtBenchmarkMain.h"
#include "amortization/calculator/TcbAmort.h"
#include "framework/dates/Calendar.h"
#include "ui/amortization/AmortScheduleModel.h"
#include "ui/amortization/TcalcAmort.h"
#include "ui/framework/FieldComboBox.h"
#include "ui/framework/MaskedLineEdit.h"
#include "ui/framework/UiTestContext.h"

#include <QApplication>
#include <QTableView>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using quarvex::amortization::TcbAmort;

void TypeInto(quarvex::ui::TcalcAmort& window, std::size_t field, const QString& text) {
    quarvex::ui::MaskedLineEdit& edit = *window.Editor(field).LineEdit();
    edit.setFocus();
    edit.selectAll();
    QTest::keyClicks(&edit, text);
}

void BM_CalcToGridPainted(benchmark::State& state) {
    quarvex::framework::CalculatorFamily family{TcbAmort::Definition()};
    quarvex::testing::UiTestContext context;
    quarvex::ui::RegisterAmortizationWindows();
    auto* window = dynamic_cast<quarvex::ui::TcalcAmort*>(context.Open<TcbAmort>(family));
    if (window == nullptr) {
        state.SkipWithError("no amortization window");
        return;
    }
    TypeInto(*window, TcbAmort::PV, "250000");
    TypeInto(*window, TcbAmort::NumPmts, "14600");
    TypeInto(*window, TcbAmort::Rate, "7");
    TypeInto(*window, TcbAmort::Pmt, "0");
    TypeInto(*window, TcbAmort::OrgDate, "01/01/2024");
    TypeInto(*window, TcbAmort::FirstPmtDate, "01/02/2024");
    window->Editor(TcbAmort::PYR).ComboBox()->setCurrentIndex(0);    // Daily
    window->Editor(TcbAmort::CmpPYR).ComboBox()->setCurrentIndex(1); // Daily
    QApplication::processEvents();
    for (auto _ : state) {
        window->CalcSchedule();
        window->Grid()->viewport()->repaint();
        state.PauseTiming();
        if (window->GridModel()->rowCount() != 14601) {
            state.SkipWithError("the schedule does not have 14 601 rows");
            break;
        }
        TypeInto(*window, TcbAmort::Pmt, "0"); // a change: the results go, Calc acts again
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CalcToGridPainted)->Unit(benchmark::kMillisecond);

} // namespace

QUARVEX_QT_BENCHMARK_MAIN()
