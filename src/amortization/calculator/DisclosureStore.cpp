#include "amortization/calculator/DisclosureStore.h"

#include "framework/settings/SettingsKeys.h"
#include "framework/store/RegIni.h"

#include <cmath>

namespace quarvex::amortization {

namespace {

namespace n = disclosure_names;

// The text fields of the creditor block with their stored names.
struct CreditorText {
    std::string_view name;
    std::string DisclosureCreditor::*field;
};

constexpr CreditorText kCreditorTexts[] = {
    {n::kCreditor, &DisclosureCreditor::name},
    {n::kLoanOfficer, &DisclosureCreditor::loanOfficer},
    {n::kAddress1, &DisclosureCreditor::address1},
    {n::kAddress2, &DisclosureCreditor::address2},
    {n::kCity, &DisclosureCreditor::city},
    {n::kState, &DisclosureCreditor::state},
    {n::kZip, &DisclosureCreditor::zip},
    {n::kPhone1, &DisclosureCreditor::phone1},
    {n::kPhone2, &DisclosureCreditor::phone2},
    {n::kExt, &DisclosureCreditor::ext},
    {n::kCountry, &DisclosureCreditor::country},
};

// A stored amount that is not a finite number of 0 or more keeps the field's value: the
// statement never prints a figure it cannot show.
void ReadAmount(const framework::RegIni& store, std::string_view name, double& amount) {
    const double value = store.ReadReal(name, amount);
    if (std::isfinite(value) && value >= 0) {
        amount = value;
    }
}

void SelectKey(framework::RegIni& store) {
    store.SetCurSubKey(std::string(framework::settings_keys::kRootKey) + "\\" +
                       std::string(kDisclosureInfoKey));
}

} // namespace

void SaveDisclosureInfo(framework::RegIni& store, const DisclosureInfo& info) {
    SelectKey(store);
    framework::RegIni::Batch batch(store);
    store.WriteBoolean(n::kItemizationYes, info.itemizationWanted);
    store.WriteBoolean(n::kItemizationNo, !info.itemizationWanted);
    for (const CreditorText& text : kCreditorTexts) {
        store.WriteText(text.name, info.creditor.*text.field);
    }
    store.WriteBoolean(n::kSecurityGoods, info.securityGoods);
    store.WriteBoolean(n::kSecurityOther, info.securityOther);
    store.WriteBoolean(n::kPenalty, info.penalty);
    store.WriteBoolean(n::kRefund, info.refund);
    store.WriteText(n::kInsurance, info.insurancePremium);
    store.WriteText(n::kSecurityAsset, info.securityAsset);
    store.WriteReal(n::kFilingFees, info.filingFees);
    store.WriteReal(n::kNonFilingInsurance, info.nonFilingInsurance);
    store.WriteReal(n::kLateCharge, info.lateCharge);
    batch.Commit();
}

void LoadDisclosureInfo(framework::RegIni& store, DisclosureInfo& info) {
    SelectKey(store);
    // "Yes" and " No" are one choice kept twice; "Yes" decides.
    info.itemizationWanted = store.ReadBoolean(n::kItemizationYes, info.itemizationWanted);
    for (const CreditorText& text : kCreditorTexts) {
        info.creditor.*text.field = store.ReadText(text.name, info.creditor.*text.field);
    }
    info.securityGoods = store.ReadBoolean(n::kSecurityGoods, info.securityGoods);
    info.securityOther = store.ReadBoolean(n::kSecurityOther, info.securityOther);
    info.penalty = store.ReadBoolean(n::kPenalty, info.penalty);
    info.refund = store.ReadBoolean(n::kRefund, info.refund);
    info.insurancePremium = store.ReadText(n::kInsurance, info.insurancePremium);
    info.securityAsset = store.ReadText(n::kSecurityAsset, info.securityAsset);
    ReadAmount(store, n::kFilingFees, info.filingFees);
    ReadAmount(store, n::kNonFilingInsurance, info.nonFilingInsurance);
    ReadAmount(store, n::kLateCharge, info.lateCharge);
}

} // namespace quarvex::amortization
