#include "ui/calculators/CalculatorWindows.h"

#include "calculators/Catalog.h"

#include "ui/calculators/TcalcIRR.h"
#include "ui/calculators/TcalcLoan.h"
#include "ui/calculators/TcalcNetPV.h"
#include "ui/calculators/TcalcSingleFormula.h"

namespace quarvex::ui {

namespace {

template <class Window> void Register(std::string_view stem) {
    RegisterWindowMaker(
        stem, [](std::unique_ptr<framework::CalculatorController> controller, UiContext& ui) {
            return static_cast<CalculatorWindow*>(new Window(std::move(controller), ui));
        });
}

} // namespace

void RegisterCalculatorWindows() {
    Register<TcalcLoan>("loan");
    Register<TcalcPayReq>("payreq");
    Register<TcalcPreVal>("preval");
    Register<TcalcIntRate>("intrate");
    Register<TcalcEquivalentRate>("equrate");
    Register<TcalcInterest>("interest");
    Register<TcalcSecMor>("secmor");
    Register<TcalcAccPmt>("accpmt");
    Register<TcalcBallPmt>("ballpmt");
    Register<TcalcAffHse>("affhse");
    Register<TcalcEOQ>("eoq");
    Register<TcalcRemBal>("rembal");
    Register<TcalcNetPV>("netpv");
    Register<TcalcIRR>("irr");
}

bool HasCalculatorWindow(std::string_view stem) {
    if (IsWindowRegistered(stem)) {
        return true;
    }
    const calculators::CalculatorEntry* entry = calculators::FindCalculator(stem);
    return entry != nullptr && !entry->Spec().needsOwnWindow;
}

} // namespace quarvex::ui
