#include "amortization/calculator/AprDisclosure.h"

#include "framework/report/Format.h"

namespace quarvex::amortization {

AprDisclosureFigures MakeDisclosureFigures(const AmortInputs& inputs, const AmortResults& results,
                                           long double apr, std::vector<TAprPmtRec> groups) {
    AprDisclosureFigures figures;
    // The statement takes the APR in single precision, as the sheet shows it.
    figures.Apr = static_cast<float>(apr);
    figures.FinanceCharge = results.Engine.TotalInterest;
    figures.AmountFinanced = inputs.PV;
    figures.TotalOfPayments = results.Engine.TotalPmts;
    figures.PaymentGroups = std::move(groups);
    return figures;
}

std::array<std::string, 4> DisclosureBoxTexts(const AprDisclosureFigures& figures,
                                              const masks::NumberConventions& conventions) {
    using report::Format;
    return {Format("%f", {static_cast<double>(figures.Apr)}, conventions) + "%",
            Format("%m", {figures.FinanceCharge}, conventions),
            Format("%m", {figures.AmountFinanced}, conventions),
            Format("%m", {figures.TotalOfPayments}, conventions)};
}

} // namespace quarvex::amortization
