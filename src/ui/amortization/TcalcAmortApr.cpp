#include "framework/settings/AccountDetails.h"
#include "ui/amortization/AprDetailWindow.h"
#include "ui/amortization/DisclosureInfoDialog.h"
#include "ui/amortization/DisclosurePrinting.h"
#include "ui/amortization/TcalcAmort.h"

namespace quarvex::ui {

void TcalcAmort::ShowAprDetail() {
    Guarded([this] { ui::ShowAprDetail(ui_, Amort(), this); });
}

void TcalcAmort::ShowAprDisclosure() {
    Guarded([this] {
        if (disclosureInfo_ == nullptr) {
            disclosureAccount_ = std::make_unique<framework::TAccountDetails>();
            disclosureInfo_ = new TfrmAprInfo(ui_, *disclosureAccount_, this);
        }
        PrintAprDisclosure(ui_, MutableAmort(), *disclosureInfo_);
    });
}

} // namespace quarvex::ui
